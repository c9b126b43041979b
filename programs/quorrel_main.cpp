#include "programs.h"
#include "sdl_backend.h"

int main() {
  const ProgramDescription& program = quorrel::Program();
  return RunInWindow(program.title, [&] { return RunProgram(program); });
}
