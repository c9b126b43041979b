// One task of the number-line steps: the number a given signed amount away
// from a start, found by walking the marker there on the steps number line.
#include "almeno_steps_line.h"
#include "figures.h"
#include "fresh_run.h"
#include "number_texts.h"

namespace almeno {

namespace {

// The index of the value whose text StepTaskSetup is writing.
float JJ = 0;
const FreshEachRun kFreshEachRun(JJ);

}  // namespace

void StepTaskSetup() {
  // The previous task's figure goes.
  EraseFigureArea();
  X_a(3) = X_a(1) + X_a(2);
  for (JJ = 1; JJ <= 3; JJ = JJ + 1) {
    X_sa(JJ) = NumberText(X_a(JJ));
  }
  X_sa(4) = X_sa(3);

  StepsNumberLine();
  X_a(4) = X_a(1) + X_a(2);
  X_a(3) = X_a(32) + 40 * X_a(1);
  // The start point, over the start's tick at the marker level.
  PsCIRCLE_DISC(X_a(32) + 40 * X_a(1), Y_a(34), 9, 7);

  // Marker and arrow start on the start point; the target in drawing units.
  X_a(22) = X_a(1);
  X_a(2) = X_a(3);
  X_a(1) = X_a(3);
  X_a(3) = X_a(32) + 40 * X_a(4);
  // The moves are redrawn with the start dot.
  StepMoveLoop(X_sa(2), StepArrowSecond, StepsNumberLine);

  // The answer under the target's tick, coloured by its sign.
  if (X_a(4) > 0) {
    CCC1 = 3;
    DX = 14;
  } else if (X_a(4) < 0) {
    CCC1 = 5;
    DX = 27;
  } else {
    CCC1 = 7;
    DX = 14;
  }
  X = X_a(32) + 40 * X_a(4) - DX;
  Y = Y_a(31) + 9;
  AA_s = X_sa(4);
  PrintMarkup();
}

}  // namespace almeno
