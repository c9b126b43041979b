#include "programs.h"
#include "sdl_backend.h"

int main(int argc, char** argv) {
  const ProgramDescription& program = quorrel::Program();
  return RunInWindow(argc, argv, program.title, [&] { return RunProgram(program); });
}
