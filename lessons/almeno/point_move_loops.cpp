// Moving the marker along a number line with the arrow keys until Enter.
//
// The found points of the exercise stay drawn while the marker moves. Each
// arrow key moves the marker half a unit (40 units of the page); a step past
// the right end or past the left limit puts it back on 0. After a move the
// line area is painted white and the line drawn again, so the old marker,
// and whatever the last attempt left there, is gone.
#include "below_zero_pages.h"
#include "figure_globals.h"
#include "globals.h"
#include "marking_pages.h"
#include "number_line_keys.h"
#include "shell.h"

namespace almeno {

namespace {

struct MoveLoopKind {
  void (*redraw_line)();
  // The marker may go left of 0 as far as the line's left end X_a(31);
  // otherwise 0 is the left limit.
  bool left_of_zero;
  bool shows_negative_points;
  const char* prompt;
};

void PointMoveLoop(const MoveLoopKind& kind) {
  for (;;) {
    DrawFoundPointPair(1, "2", "3.5");
    if (kind.shows_negative_points) DrawFoundPointPair(3, "-2", "-3.5");
    PsCIRCLE_DISC(X_a(1), Y_a(31), 20, 9);
    const MarkerKey key = ReadMarkerKey(kind.prompt);
    if (key == MarkerKey::kOther) continue;  // the same picture, the prompt again
    if (key == MarkerKey::kEnter) return;
    X_a(1) = X_a(1) + (key == MarkerKey::kRight ? 40 : -40);
    const float left_limit = kind.left_of_zero ? X_a(31) : X_a(32);
    if (X_a(1) > X_a(33)) X_a(1) = X_a(32);
    if (X_a(1) < left_limit) X_a(1) = X_a(32);
    PsBOX(left_limit - 60, Y_a(31) - 90, X_a(33) + 60, Y_a(31) + 80, 15, 15);
    kind.redraw_line();
  }
}

}  // namespace

void PointMoveLoopOnPositiveLine() {
  PointMoveLoop({PositiveNumberLine, false, false, "点を ←→で動かす。Enterキーで確定"});
}

void PointMoveLoopLeftOfPositiveLine() {
  PointMoveLoop({PositiveNumberLine, true, false, "点を ←→で動かす。Enterキーで確定"});
}

void PointMoveLoopOnSignedLine() {
  PointMoveLoop({SignedNumberLine, true, true, "点を ←→で動かす。Enterキーで終了"});
}

}  // namespace almeno
