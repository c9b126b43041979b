// The entry point of one program's executable; the build compiles it once
// per program with PROGRAM_NAME set to that program's namespace.
#include "programs.h"
#include "sdl_backend.h"

int main(int argc, char** argv) {
  const ProgramDescription& program = PROGRAM_NAME::Program();
  return RunInWindow(argc, argv, program.title, [&] { return RunProgram(program); });
}
