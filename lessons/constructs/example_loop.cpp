// Loops of randomly generated examples, left by typing 1 at the next-step
// prompt.
#include "example_loop.h"

#include "shell.h"

void RandomExampleLoop(Routine generate, Routine show, LoopEntry entry) {
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
