// The globals of the lesson page constructs: the margins of a page's text,
// the count of a random example loop and the places kept for answers.
// The pen after the last printed piece (`XI2`) and the current line (`YI1`)
// are the shell's (globals.h); the submenu choice `SENTAKU` too.
#pragma once

#include "globals.h"

// Left margin of a page's text (where a new line starts), and the outer
// margin that answer pages put their number cells and labels on.
extern float XI1, XI0;
// Examples already finished in the running example loop.
extern float NO;
// Pen positions kept while questions are printed, where their answers go.
extern float X11, X12, X13, X14, Y11, Y12, Y13, Y14;
extern float X15, X16, X17, X18, Y15, Y16, Y17, Y18;
