// The nested sets: all numbers holding the integers holding the natural
// numbers, each box with its name and a line of members.
#include "layout_cursor.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// A box between two corners (border colour 11), its name in colour 13 and
// its members in the page colour.
void SetBox(int corner, float fill, const char* name, float name_x, float name_y,
            const char* members, float members_x) {
  PsBOX(X_a(corner), Y_a(corner), X_a(corner + 1), Y_a(corner + 1), 11, fill);
  PrintAt(name, name_x, name_y, 13);
  PrintAt(members, members_x, Y_a(corner) + 60, 15);
}

}  // namespace

void SetsFigureLayout() {
  X_a(2) = X_a(1) + 440 + 20;
  Y_a(2) = Y_a(1) + 420;
  X_a(4) = X_a(1) + 20;
  Y_a(4) = Y_a(1) + 120;
  X_a(5) = X_a(2) - 20;
  Y_a(5) = Y_a(2) - 22;
  X_a(6) = X_a(4) + 20;
  Y_a(6) = Y_a(4) + 120;
  X_a(7) = X_a(5) - 20;
  Y_a(7) = Y_a(5) - 22;
}

void AllNumbersBox() {
  SetBox(1, 10, "数全体", (X_a(1) + X_a(2)) / 2 - 51, Y_a(1), "…,-ﾀ1/2ﾀ,-0.3,0.2,ﾀ1/3ﾀ…",
         X_a(1) + 20);
}

void IntegersBox() {
  SetBox(4, 6, "整数", (X_a(4) + X_a(5)) / 2 - 40, Y_a(4) + 10, "…,-3,-2,-1,0", X_a(4) + 20);
}

void NaturalNumbersBox() {
  SetBox(6, 8, "自然数", (X_a(6) + X_a(7)) / 2 - 54, Y_a(6) + 10, "1,2,3,…", X_a(6) + 60);
}

}  // namespace vindrel
