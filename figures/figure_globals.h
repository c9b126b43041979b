// The globals of the figures: the points, lengths, directions, labels and
// frames that a caller sets before it calls a figure routine, and the work
// globals the routines leave changed. Figures keep nothing else between calls.
#pragma once

#include <string>

#include "globals.h"

extern float A1, A2, AA, AA1, AA2, AAAX, AAAY, AIDA, AIDA1, AX, AX1, AX2, AY, AY1, AY2, B1, B2,
    BAIX, BAIY, BB, BB1, BB2, BX, BX1, BY, BY1, CC, CX, CY, D1, D2, DX, DY, EX, EY, GGX, GGY, GX,
    GX0, GX1, GX2, GX3, GX4, GX5, GY, GY0, GY1, GY2, GY3, GY4, GY5, H, HH, HH1, HH2, HH3, HH4, HH5,
    HHP, HONSU, HOUKOU, II, IROIRO, ITI, J, KAKU, KAKUDO, KASANARIX, KASANARIY, KJ1, KJ2, KJ3,
    KOSUU, LT, LT2, MUKI, MU_DO, NAGASA, NAGASA1, NAKA, NASI, P1, P2, PI, Q, R1A, R1B, R1B1, R1I,
    RR, SIZE, SIZE1, SOSU, SOSU1, TA, TAKASA, TII, TJ, XG, XI3, XTAKE, Y5, Y6, Y7, YA, YG, YOKO,
    YTAKE, ZX, ZX0, ZX1, ZX11, ZX12, ZX2, ZX3, ZX4, ZX5, ZY, ZY0, ZY1, ZY11, ZY12, ZY2, ZY3, ZY4,
    ZY5;
extern std::string AA1_s, AAA_s, ENZAN_s, HYOUJI_s, KAKUDO_s, P1_s, P2_s, R1A1_s, R1A_s, R1B_s,
    RABM_s, SO_s;
// The simplified square root (defined with its routine).
extern std::string RAB_s;
// The run and rise texts of a dimension arrow.
extern std::string X_s, Y_s;
