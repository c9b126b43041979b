// Loops of randomly generated examples, and the signed random numbers
// their examples are drawn with.
#include "example_loop.h"

#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

void RandomExampleLoop(const Action& generate, const Action& show, LoopEntry entry) {
  if (entry == LoopEntry::kFreshStart) AINP = 3;
  NO = 0;
  // Only exactly 1 leaves; any other number (0 for an empty entry) gives a
  // new example.
  while (AINP != 1) {
    if (generate) generate();
    show();
    AskNextStep();
    NO = NO + 1;
  }
}

float DrawSignedNumber(float largest, float& sign_draw) {
  const float size = PnFInt(PaRnd() * largest + 1);
  sign_draw = PnFInt(PaRnd() * 2 + 1);
  return sign_draw == 1 ? -size : size;
}

void RandomExamplePageHead(float height, const std::string& title, float indent) {
  OpenPage({.width = 1760, .height = height, .left = 40, .indent = indent, .top = 30});
  FE_SETDRAWWIDTH(5);
  Say(title, XI0, YI1, 3);
  U(31) = XI0;
  V(31) = YI1 + 60;
}

void EraseExampleArea() {
  YI1 = V(31);
  PsBOX_STEP(U(31), V(31), 1320, 2000, 15, 15);
}
