// Examples 9 and 10 each fill one screen: a loop of examples at the left,
// then, once the learner leaves it, a second loop at the right beside the
// last one. Here the first loop and the move to the right.
#include "construct_globals.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "laws_mixed_pages.h"
#include "shell.h"

namespace pellith {

void LeftHalfExamples(float height, const char* heading, const Action& generate,
                      const Action& show) {
  RandomExamplePageHead(height, heading, 27);
  RandomExampleLoop(generate, show, LoopEntry::kFreshStart);
  // Nothing is erased: the last example stays at the left.
  SetMargins({.left = 640, .indent = 27, .top = V(31)});
  FE_SETDRAWWIDTH(5);
  U(31) = XI0;
  AINP = 3;
}

}  // namespace pellith
