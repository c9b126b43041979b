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
