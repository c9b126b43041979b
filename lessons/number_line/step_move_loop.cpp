// The arrow-key exercise of the steps number line: the learner walks the
// marker X_a(1) one unit per key from the start X_a(2) and confirms with
// Enter, which counts only on the target X_a(3). Every other key, and Enter anywhere
// else, brings the prompt back without a word.
#include "step_move_loop.h"

#include "number_line_keys.h"

void StepMoveLoop(const std::string& move, const Action& redraw_move, const Action& line) {
  for (;;) {
    const MarkerKey key = ReadMarkerKey("←→キーで" + move + "の移動, ENTERで次へ");
    if (key == MarkerKey::kOther) continue;
    if (key == MarkerKey::kRight) X_a(1) = X_a(1) + 40;
    if (key == MarkerKey::kLeft) X_a(1) = X_a(1) - 40;
    // A key that would take the marker past an end leaves it there.
    if (X_a(1) > X_a(33)) X_a(1) = X_a(1) - 40;
    if (X_a(1) < X_a(31)) X_a(1) = X_a(1) + 40;

    // The whole figure is drawn anew, Enter included: the move, then the line
    // over it.
    redraw_move();
    line();
    if (key == MarkerKey::kEnter && X_a(1) == X_a(3)) return;
  }
}
