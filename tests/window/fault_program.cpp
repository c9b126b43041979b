// A program that fails on purpose in a real window, for the window test.
// Its menu: 1 raises a runtime error (the error screen), 2 crashes past the
// error trap and 3 throws an exception that nothing catches (both the
// last-chance message and its box), 4 ends.
#include <sys/mman.h>

#include <stdexcept>

#include "globals.h"
#include "program.h"
#include "sdl_backend.h"

namespace {

void RaiseAnError() {
  T(81) = 1;  // one past the end of T()
}

// A write to a page the program may not touch: a segmentation fault that
// no runtime check sees coming.
void Crash() {
  void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  *static_cast<volatile int*>(page) = 1;
}

// An exception of the standard library's that the program does not catch:
// not the window failing to open, but a crash like any other.
void Throw() {
  throw std::runtime_error("thrown on purpose");
}

}  // namespace

int main(int argc, char** argv) {
  static const ProgramDescription program{
      "Faulty", {"error", "crash", "throw", "end"}, {RaiseAnError, Crash, Throw}, nullptr};
  // A charcoal tile, the colour of no program's icon.
  return RunInWindow(argc, argv, program.title, 8, [] { return RunProgram(program); });
}
