// The number line of the review, -6 to 6, and its points.
#include "construct_globals.h"
#include "page_faces.h"
#include "review_pages.h"
#include "shell.h"
#include "steps_number_line.h"

namespace quorrel {

void ReviewNumberLine() {
  DrawStepsNumberLine(StepsLineEnding::kUnitLabels, {-6, 6, 60});
}

void NumberLinePoint() {
  T(11) = X_a(32) + 60 * T(1);
  PsCIRCLE_DISC(T(11), Y_a(31), 9, 3);
  CentredLabel(T_s(1), T(11), Y_a(31) - 80, 3);
}

}  // namespace quorrel
