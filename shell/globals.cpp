// The definitions of the globals of globals.h, in its order; what each one
// holds and which routines set it is said there.
//
// DimSharedArrays empties every shared array: F_sa, F, T_s, T, TKAI_s, G,
// X_a, Y_a, R_a, X_sa, Y_sa, RAB_sa, U, V. Every global defined here is back
// at its start value (0, empty) when a run starts (fresh_run.h).
#include "globals.h"

#include "fresh_run.h"

std::string AA_s;
float X, Y;
float CCC1;

std::string A_s;
std::string B_s;
std::string A1_s, A2_s;

float XT;
float LLT;

float KAKKO;
float BUN;
float JYOU;
float JYOUK;
float HROOT;
float TXM;

float DR;
float CCC0;

float HABA;
float TATE;
float CCC2;
float CCC3;

float KAIX, KAIY;
float AINP;
float SENTAKU;
std::string AINP_s;
std::string I_s;

float DS, DB;
float YAK;
float YAK1;
float DSM1, DBM1;
float DSM2, DBM2;
float DS4;
float X3, X4;
std::string A21_s;
std::string A3_s;
std::string A31_s;
std::string TKAI1_s, TKAI2_s;
std::string FDS1_s;
std::string A11_s;
std::string A4_s, A41_s;
std::string A5_s;
std::string B3_s, B4_s;
float TBSIYAKX, TBSIYAKY;
float TBBOYAKX, TBBOYAKY;

std::string TITLE_s;
float A, B;

float XI2, YI1;

float BSEN, NAGA, TA5, TA6;
float TBSI, TBBO, TBSI1, TBBO1, YT;
std::string RTASKAI1_s, RTASKAI2_s;
float D;
float DB1, DS1, DS2, E1, E2;
std::string DA1_s, DB_s, DS_s, DS1_s, DS2_s, DS3_s, DS4_s, B1_s, B2_s;
float LB8;
float I;
float IB8, KB8;
std::string X8_s, X9_s;
float KAKKO1;
float L;
float LE;
float LEM;
float LT1;
float N;
float N1;
float NAG;
float P;
float R;
float TA1, TA2, TA3;
float TX, TY;
float X1, Y1, X2;
float Y2, Y3, Y4, Y22;
float XX, YY;
std::string AA_A_s;
std::string HENK1_s, HENK2_s, HENK_s, HENK3_s;
std::string MOTOA_s;
std::string R_s;

Array1<std::string, 40> F_sa;
Array1<float, 40> F;
Array1<std::string, 80> T_s;
Array1<float, 80> T;
Array2<std::string, 5, 2> TKAI_s;
Array2<float, 2, 10> G;
Array1<float, 50> X_a;
Array1<float, 50> Y_a;
Array1<float, 10> R_a;
Array1<std::string, 20> X_sa;
Array1<std::string, 20> Y_sa;
Array1<std::string, 10> RAB_sa;
Array1<float, 40> U;
Array1<float, 40> V;

const FreshEachRun kFreshEachRun(AA_s, X, Y, CCC1, A_s, B_s, A1_s, A2_s, XT, LLT, KAKKO, BUN, JYOU,
                                 JYOUK, HROOT, TXM, DR, CCC0, HABA, TATE, CCC2, CCC3, KAIX, KAIY,
                                 AINP, SENTAKU, AINP_s, I_s, DS, DB, YAK, YAK1, DSM1, DBM1, DSM2,
                                 DBM2, DS4, X3, X4, A21_s, A3_s, A31_s, TKAI1_s, TKAI2_s, FDS1_s,
                                 A11_s, A4_s, A41_s, A5_s, B3_s, B4_s, TBSIYAKX, TBSIYAKY, TBBOYAKX,
                                 TBBOYAKY, TITLE_s, A, B, XI2, YI1, BSEN, NAGA, TA5, TA6, TBSI,
                                 TBBO, TBSI1, TBBO1, YT, RTASKAI1_s, RTASKAI2_s, D, DB1, DS1, DS2,
                                 E1, E2, DA1_s, DB_s, DS_s, DS1_s, DS2_s, DS3_s, DS4_s, B1_s, B2_s,
                                 LB8, I, IB8, KB8, X8_s, X9_s, KAKKO1, L, LE, LEM, LT1, N, N1, NAG,
                                 P, R, TA1, TA2, TA3, TX, TY, X1, Y1, X2, Y2, Y3, Y4, Y22, XX, YY,
                                 AA_A_s, HENK1_s, HENK2_s, HENK_s, HENK3_s, MOTOA_s, R_s, F_sa, F,
                                 T_s, T, TKAI_s, G, X_a, Y_a, R_a, X_sa, Y_sa, RAB_sa, U, V);

void DimSharedArrays() {
  F_sa.Clear();
  F.Clear();
  T_s.Clear();
  T.Clear();
  TKAI_s.Clear();
  G.Clear();
  X_a.Clear();
  Y_a.Clear();
  R_a.Clear();
  X_sa.Clear();
  Y_sa.Clear();
  RAB_sa.Clear();
  U.Clear();
  V.Clear();
}
