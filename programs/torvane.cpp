#include "programs.h"

const ProgramDescription& TorvaneProgram() {
  static const ProgramDescription program{
      .title = "Torvane",
      .items = {},
      .dispatch = {},
  };
  return program;
}
