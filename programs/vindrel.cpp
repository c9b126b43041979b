#include "programs.h"

const ProgramDescription& VindrelProgram() {
  static const ProgramDescription program{
      .title = "Vindrel",
      .items = {},
      .dispatch = {},
  };
  return program;
}
