#include "globals.h"

std::string AA_s;
float X, Y, CCC1;
std::string A_s, B_s, A1_s, A2_s;
float XT, LLT;
float KAKKO, BUN, JYOU, JYOUK, HROOT, TXM;
float DR, CCC0;
float HABA, TATE, CCC2, CCC3;
float KAIX, KAIY, AINP, SENTAKU;
std::string AINP_s, I_s;
float DS, DB, YAK, YAK1, DSM1, DBM1, DSM2, DBM2, DS4, X3, X4;
std::string A21_s, A3_s, A31_s, TKAI1_s, TKAI2_s, FDS1_s, A11_s, A4_s, A41_s, A5_s, B3_s, B4_s;
float TBSIYAKX, TBSIYAKY, TBBOYAKX, TBBOYAKY;
std::string TITLE_s;
float A, B;
float XI2, YI1;

float BSEN, C, D, DB1, DS1, DS2, E1, E2, HAN, I, IB8, K, KAKKO1, KB8, L, LB8, LE, LEM, LT1, M, N,
    N1, NAG, NAGA, O, P, R, S, TA1, TA2, TA3, TA5, TA6, TBBO, TBBO1, TBSI, TBSI1, TX, TY, W, X1, X2,
    XX, XX1, Y1, Y2, Y22, Y3, Y4, YMOTO, YT, YY, YY1;
std::string AA_A_s, B1_s, B2_s, DA1_s, DB_s, DS1_s, DS2_s, DS3_s, DS4_s, DS_s, HENK1_s, HENK2_s,
    HENK3_s, HENK_s, MOTOA_s, RTASKAI1_s, RTASKAI2_s, R_s, X8_s, X9_s;

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
