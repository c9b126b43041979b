// The number tables T() and F() turned into their display texts, and the key
// choice read from the last key.
//
// In: T(1) to T(80), F(1) to F(40), the key I_s. Out: T_s(), F_sa(), HHKIG,
// FKIG (number_tables.h). Work: I, and NumberText's: A_s is left the
// text of F(40), and NormaliseNumberText's X8_s, X9_s, IB8, KB8 changed.
#include "number_tables.h"

#include "fresh_run.h"
#include "globals.h"
#include "number_texts.h"
#include "shell.h"

float HHKIG, FKIG;
const FreshEachRun kFreshEachRun(HHKIG, FKIG);

namespace {

const char* const kChoiceKeys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};

}  // namespace

void TablesToTextAndKeyChoice() {
  // Every entry, every time: the text carries no blank, "-" for a negative.
  for (I = 1; I <= 80; I = I + 1) {
    T_s(I) = NumberText(T(I));
  }
  for (I = 1; I <= 40; I = I + 1) {
    F_sa(I) = NumberText(F(I));
  }
  FKIG = 0;
  for (int place = 1; place <= 10; ++place) {
    if (I_s == kChoiceKeys[place - 1]) {
      HHKIG = place;
      FKIG = 1;
    }
  }
}
