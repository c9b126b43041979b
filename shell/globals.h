// The global parameter block and the shared arrays every routine works on.
//
// Routines take no arguments: a caller sets these globals, calls the routine
// and reads its results from them. Numbers are single precision; texts are
// Shift-JIS byte strings. `NAME$` is written `NAME_s`. A shared array whose
// name a scalar also carries gets `_a` after its name (`X_a()` beside the pen
// `X`, `X_sa()` beside `X_s`); the others keep their plain names (`T()`,
// `T_s()`). Globals used by a single routine family live in that family's
// own files.
#pragma once

#include <string>

#include "runtime.h"

// Text to print and the pen.
extern std::string AA_s;
extern float X, Y, CCC1;
// Work texts and the character being drawn.
extern std::string A_s, B_s, A1_s, A2_s;
// Pen after the character printer; a measured width.
extern float XT, LLT;
// Markup printer state.
extern float KAKKO, BUN, JYOU, JYOUK, HROOT, TXM;
// Pen width and text colour kept by a routine that changes them.
extern float DR, CCC0;
// Table cells.
extern float HABA, TATE, CCC2, CCC3;
// The answer-entry field and what was typed.
extern float KAIX, KAIY, AINP, SENTAKU;
extern std::string AINP_s, I_s;
// Fraction reduction and addition.
extern float DS, DB, YAK, YAK1, DSM1, DBM1, DSM2, DBM2, DS4, X3, X4;
extern std::string A21_s, A3_s, A31_s, TKAI1_s, TKAI2_s, FDS1_s, A11_s, A4_s, A41_s, A5_s, B3_s,
    B4_s;
// Where the last built-up fraction's parts were drawn.
extern float TBSIYAKX, TBSIYAKY, TBBOYAKX, TBBOYAKY;
// The program's title.
extern std::string TITLE_s;
// Scratch numbers; the seed, the error line and code.
extern float A, B;
// The lesson pages' own text position.
extern float XI2, YI1;

// Work globals of the printers, the cells, the fractions and the input:
// each routine names the ones it overwrites; a caller keeps nothing in them.
extern float BSEN, C, D, DB1, DS1, DS2, E1, E2, HAN, I, IB8, K, KAKKO1, KB8, L, LB8, LE, LEM, LT1,
    M, N, N1, NAG, NAGA, O, P, R, S, TA1, TA2, TA3, TA5, TA6, TBBO, TBBO1, TBSI, TBSI1, TX, TY, W,
    X1, X2, XX, XX1, Y1, Y2, Y22, Y3, Y4, YMOTO, YT, YY, YY1;
extern std::string AA_A_s, B1_s, B2_s, DA1_s, DB_s, DS1_s, DS2_s, DS3_s, DS4_s, DS_s, HENK1_s,
    HENK2_s, HENK3_s, HENK_s, MOTOA_s, RTASKAI1_s, RTASKAI2_s, R_s, X8_s, X9_s;

// Shared arrays: every index from 0 up to the bound.
extern Array1<std::string, 40> F_sa;
extern Array1<float, 40> F;
extern Array1<std::string, 80> T_s;
extern Array1<float, 80> T;
extern Array2<std::string, 5, 2> TKAI_s;
extern Array2<float, 2, 10> G;  // G(1, k) a prime, G(2, k) its exponent
extern Array1<float, 50> X_a;   // divisors
extern Array1<float, 50> Y_a;   // co-divisors
extern Array1<float, 10> R_a;   // the trial primes 2 to 29
extern Array1<std::string, 20> X_sa;
extern Array1<std::string, 20> Y_sa;
extern Array1<std::string, 10> RAB_sa;
extern Array1<float, 40> U;
extern Array1<float, 40> V;

// Every shared array back to zeros and empty texts.
void DimSharedArrays();
