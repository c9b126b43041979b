#include "construct_globals.h"

float XI1 = 0, XI0 = 0;
float NO = 0;
float X11 = 0, X12 = 0, X13 = 0, X14 = 0, Y11 = 0, Y12 = 0, Y13 = 0, Y14 = 0;
float X15 = 0, X16 = 0, X17 = 0, X18 = 0, Y15 = 0, Y16 = 0, Y17 = 0, Y18 = 0;
