// The definitions of the globals of figure_globals.h, in its order; what each
// one holds and which routines set it is said there. RAB_s, X_s and Y_s are
// defined with their routines. Every global defined here is back at its start
// value (0, empty) when a run starts (fresh_run.h).
#include "figure_globals.h"

#include "fresh_run.h"

float ZX0, ZY0;
float ZX1, ZY1;
float ZX2, ZY2;
float ZX, ZY;
float ZX3, ZY3, ZX4, ZY4, ZX5, ZY5;
float ZX11, ZY11, ZX12, ZY12;

float AX, AY, BX, BY;
float CX, CY;
float DX, DY;
float AX1, AY1, AX2, AY2;
float BX1, BY1;
float EX, EY;
float A1, B1, A2, B2;
float AA1, AA2, BB1, BB2;

float HONSU;
float NAGASA;
float NAGASA1;
float AIDA, AIDA1;
float ITI;

float PI;
float HHP;
float HH;
float HH1, HH2;
float HH3, HH4, HH5;
float H;
float KAKUDO;
std::string KAKUDO_s;

float MUKI;
float YA;

float TAKASA;
float HOUKOU;
float NAKA;
float D1, D2;
float RR;

std::string AAA_s;
float AAAX, AAAY;
float MU_DO;

float KAKU;
float KJ1, KJ2;
float KJ3;
float TII;

float SOSU;
float SOSU1, TJ;
float Q;
float NASI;
float XTAKE, YTAKE;
float TA, J;
std::string SO_s;

float KOSUU;
float R1B, R1A, R1B1, R1I;
std::string R1A_s, R1A1_s;
std::string R1B_s, RABM_s;

float GGX, GGY;
float SIZE;
float YOKO;
float GX0, GY0, GX1, GY1, GX2, GY2;
float BAIX, BAIY;
float SIZE1;
float P1, P2;
std::string P1_s, P2_s;

float XG, YG;
float GX, GY;
float KASANARIX, KASANARIY;
float IROIRO;
float AA, BB, CC;
float GX5, GY5;
float GX3, GY3, GX4, GY4;
std::string HYOUJI_s;

float Y5, Y6, Y7;
std::string ENZAN_s;
float LT, LT2;
float XI3;

float II;

const FreshEachRun kFreshEachRun(
    ZX0, ZY0, ZX1, ZY1, ZX2, ZY2, ZX, ZY, ZX3, ZY3, ZX4, ZY4, ZX5, ZY5, ZX11, ZY11, ZX12, ZY12, AX,
    AY, BX, BY, CX, CY, DX, DY, AX1, AY1, AX2, AY2, BX1, BY1, EX, EY, A1, B1, A2, B2, AA1, AA2, BB1,
    BB2, HONSU, NAGASA, NAGASA1, AIDA, AIDA1, ITI, PI, HHP, HH, HH1, HH2, HH3, HH4, HH5, H, KAKUDO,
    KAKUDO_s, MUKI, YA, TAKASA, HOUKOU, NAKA, D1, D2, RR, AAA_s, AAAX, AAAY, MU_DO, KAKU, KJ1, KJ2,
    KJ3, TII, SOSU, SOSU1, TJ, Q, NASI, XTAKE, YTAKE, TA, J, SO_s, KOSUU, R1B, R1A, R1B1, R1I,
    R1A_s, R1A1_s, R1B_s, RABM_s, GGX, GGY, SIZE, YOKO, GX0, GY0, GX1, GY1, GX2, GY2, BAIX, BAIY,
    SIZE1, P1, P2, P1_s, P2_s, XG, YG, GX, GY, KASANARIX, KASANARIY, IROIRO, AA, BB, CC, GX5, GY5,
    GX3, GY3, GX4, GY4, HYOUJI_s, Y5, Y6, Y7, ENZAN_s, LT, LT2, XI3, II);
