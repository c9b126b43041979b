// A program's run from its start-up to its end, on the installed backend:
// every variable kept between routine calls set back to its start value
// (StartEveryVariableAfresh), the one error trap, where a runtime error shows
// the error screen, and the ends of a run (the end item, a closed window) as
// the exit status.
//
// Work: everything ProgramStart's run changes (ProgramStart's), and
// ErrorHandler's.
#include "fresh_run.h"
#include "globals.h"
#include "program.h"

int RunProgram(const ProgramDescription& program) {
  try {
    try {
      StartEveryVariableAfresh();
      ProgramStart(program);
      return 0;
    } catch (const RuntimeError& error) {
      // The one error trap: every runtime error of the run ends here.
      ErrorHandler(error);
    }
  } catch (const ProgramEnded& end) {
    return end.status;
  } catch (const WindowClosed&) {
    return 0;
  }
}
