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
