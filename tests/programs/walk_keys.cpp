// Prints the keys the walking learner types through a whole program, as a
// key script for the player: `walk_keys PROGRAM [hh:mm:ss] > keys`, then
// `player PROGRAM @keys - --log walk.log`. Two builds' logs of the same walk
// show whether a change altered anything a page draws.
#include <iostream>

#include "lesson_walker.h"
#include "programs.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: walk_keys PROGRAM [hh:mm:ss]\n";
    return 2;
  }
  const ProgramDescription* program = FindProgram(argv[1]);
  if (!program) {
    std::cerr << "walk_keys: no program " << argv[1] << "\n";
    return 2;
  }
  const WalkResult walk = WalkProgram(*program, argc == 3 ? argv[2] : "12:00:00");
  if (!walk.stuck.empty() || walk.error_screen) {
    std::cerr << "walk_keys: the walk did not finish: "
              << (walk.error_screen ? "error screen" : walk.stuck) << "\n";
    return 1;
  }
  std::cout << walk.script << "\n";
  return 0;
}
