// A program that fails on purpose in a real window, for the window test.
// Its menu: 1 raises a runtime error (the error screen), 2 crashes past the
// error trap (the last-chance message and its box), 3 ends.
#include "globals.h"
#include "program.h"
#include "sdl_backend.h"

namespace {

void RaiseAnError() {
  T(81) = 1;  // one past the end of T()
}

void Crash() {
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}

}  // namespace

int main(int argc, char** argv) {
  static const ProgramDescription program{
      "Faulty", {"error", "crash", "end"}, {RaiseAnError, Crash}, nullptr};
  return RunInWindow(argc, argv, program.title, [] { return RunProgram(program); });
}
