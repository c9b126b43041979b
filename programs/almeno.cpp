#include "programs.h"

const ProgramDescription& AlmenoProgram() {
  static const ProgramDescription program{
      .title = "Almeno",
      .items = {},
      .dispatch = {},
  };
  return program;
}
