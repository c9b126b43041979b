#include "programs.h"

const ProgramDescription& QuorrelProgram() {
  static const ProgramDescription program{
      .title = "Quorrel",
      .items = {},
      .dispatch = {},
  };
  return program;
}
