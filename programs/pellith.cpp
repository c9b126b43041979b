#include "programs.h"

const ProgramDescription& PellithProgram() {
  static const ProgramDescription program{
      .title = "Pellith",
      .items = {},
      .dispatch = {},
  };
  return program;
}
