// Each run of a program starts as a program just started does: every
// variable that lives from one routine call to the next (the shared globals,
// the shell's, the figures', the page constructs' and the number lines', and
// the file-level ones of each program's pages) holds its start value, 0 or
// an empty text, its arrays emptied, whatever an earlier run in the same
// process (a test's, the walk's, the storm's) left in it. The file that
// defines such variables names them once, beside their definitions:
//
//   float FMAESU = 0;
//   const FreshEachRun kFreshEachRun(FMAESU);
//
// and RunProgram sets every variable so named back before the start-up.
#pragma once

#include "program.h"

// Adds `reset` to the routines the start of a run calls (at static
// initialisation, through FreshEachRun).
void AddRunStartReset(Action reset);

// Sets every variable that a FreshEachRun names back to its start value.
void StartEveryVariableAfresh();

// Names variables that start each run at their start value: a number at 0, a
// text empty, an array with every element so.
template <typename... Kind>
class FreshEachRun {
 public:
  explicit FreshEachRun(Kind&... variables) {
    AddRunStartReset([&variables...] { ((variables = Kind{}), ...); });
  }
};
