// The head of a page of random examples and the erasing of its example area.
#include "explanation_page.h"
#include "layout_cursor.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

void RandomExamplePage(float height, const std::string& title) {
  BlankPage(1760, height);
  XI0 = 40;
  XI1 = XI0 + 34;
  YI1 = 30;
  FE_SETDRAWWIDTH(5);
  Say(title, XI0, YI1, 3);
  U(31) = XI0;
  V(31) = YI1 + 60;
}

void EraseExampleArea() {
  YI1 = V(31);
  PsBOX_STEP(U(31), V(31), 1320, 2000, 15, 15);
}

}  // namespace vindrel
