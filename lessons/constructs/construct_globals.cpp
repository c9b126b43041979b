// The definitions of the globals of construct_globals.h, in its order; what
// each one holds and which routines set it is said there.
#include "construct_globals.h"

#include "fresh_run.h"

float XI1 = 0;
float XI0 = 0;

float NO = 0;

float X11 = 0, Y11 = 0;
float X12 = 0, Y12 = 0;
float X13 = 0, Y13 = 0;
float X14 = 0, Y14 = 0;
float X15 = 0, Y15 = 0;
float X16 = 0, Y16 = 0;
float X17 = 0, Y17 = 0;
float X18 = 0, Y18 = 0;
const FreshEachRun kFreshEachRun(XI1, XI0, NO, X11, Y11, X12, Y12, X13, Y13, X14, Y14, X15, Y15,
                                 X16, Y16, X17, Y17, X18, Y18);
