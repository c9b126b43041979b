// Almeno's number lines: the shared bodies with Almeno's labels.
#include "almeno_steps_line.h"
#include "below_zero_pages.h"
#include "marking_pages.h"
#include "order_absolute_value_pages.h"
#include "positive_number_line.h"
#include "signed_number_line.h"

namespace almeno {

void StepsNumberLine() {
  DrawStepsNumberLine(StepsLineEnding::kFiveLabels);
}

void SignedNumberLine() {
  DrawSignedNumberLine(SignedLineLabels::kCentred);
}

// The line of the pages on absolute value and order.
void AbsoluteValueNumberLine() {
  DrawSignedNumberLine(SignedLineLabels::kFixed);
}

void PositiveNumberLine() {
  DrawPositiveNumberLine();
}

}  // namespace almeno
