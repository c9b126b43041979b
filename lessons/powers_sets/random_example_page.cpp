// The head of a page of random examples and the erasing of its example area.
#include "example_loop.h"
#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

void RandomExamplePage(float height, const std::string& title) {
  RandomExamplePageHead(height, title, 34);
}

void EraseExampleArea() {
  YI1 = V(31);
  PsBOX_STEP(U(31), V(31), 1320, 2000, 15, 15);
}

}  // namespace vindrel
