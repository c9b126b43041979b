// Fraction arithmetic for the lesson pages: reducing a signed fraction,
// adding two of them over their least common denominator, and the markup
// texts of every step of the written calculation. Nothing is drawn here.
//
// Every number put into a text goes through NumberText, so it holds no
// blank, and NumberText's Work is left changed.
//
//   In: DS, DB (ReduceFraction, GcdLcm); DSM1, DBM1, DSM2, DBM2 (AddFractions).
//   Out: ReduceFraction DS, DB reduced, YAK, YAK1, A1_s, A2_s, A21_s, A3_s,
//   A31_s, FDS1_s, TKAI1_s, TKAI2_s, and X3, X4 (through GcdLcm); AddFractions DSM1, DBM1, DSM2,
//   DBM2 with their signs on the numerators, DB, DS4, A1_s, A11_s, A2_s, A21_s, A3_s, A4_s, A41_s,
//   A5_s, B3_s, B4_s and ReduceFraction's; GcdLcm X3, X4 (what each holds: globals.h).
// Work: DB1, DS1, DS2, E1, E2, LB8, LEM, X1, X2, A_s, B1_s, B2_s, DA1_s,
// DB_s, DS_s, DS1_s, DS2_s, DS3_s, DS4_s and StripMarkup's.
#include <cmath>
#include <utility>

#include "number_texts.h"
#include "shell.h"

namespace {

// A built-up fraction, with an optional sign in front.
std::string Frac(const std::string& sign, const std::string& num, const std::string& den) {
  return sign + "ﾀ" + num + "/" + den + "ﾀ";
}

}  // namespace

// Euclid's steps on the single-precision globals, each rounded as the
// runtime rounds it (DS and DB need not be whole). The exact fractions of
// exact_fractions.cpp take their own Gcd on 128-bit whole numbers, which
// must not round.
void GcdLcm() {
  X1 = DS;
  X2 = DB;
  // Not finite (never from a page) would keep Euclid's loop running: the
  // runtime's overflow error instead.
  LB8 = Checked(static_cast<double>(X1) * X2);
  while (X2 != 0) {
    X1 = X1 - X2 * PnFInt(X1 / X2);
    std::swap(X1, X2);
  }
  X3 = X1;
  // Zero and zero have no common divisor: a division by zero.
  X4 = Div(LB8, X3);
}

void ReduceFraction() {
  DB1 = DB;
  DS1 = DS;
  YAK1 = DS * DB < 0 ? -1 : 1;
  if (DB == 0) {
    // Nothing to reduce: the numbers stay as they are.
    E1 = DS;
    E2 = DB;
    YAK = 0;
  } else if (DB == 1) {
    E1 = DS;
    E2 = DB;
    YAK = 1;
  } else {
    DS = std::fabs(DS);
    DB = std::fabs(DB);
    GcdLcm();
    E1 = Div(YAK1 * DS, X3);
    E2 = Div(DB, X3);
    if (E1 == 0 || E2 == 1) {
      YAK = 1;
    } else if (E2 == DB1 && YAK1 == 1) {
      YAK = 3;  // already in lowest terms
    } else {
      YAK = 2;
    }
  }
  DS = E1;
  DB = E2;

  DS1_s = NumberText(DS1);
  DA1_s = NumberText(DB1);
  DB_s = NumberText(DB);
  DS_s = NumberText(DS);
  A1_s = Frac("", DS1_s, DA1_s);

  // The result numerator without its sign; the sign goes in front.
  LEM = PfKLEN(DS_s);
  A_s = PfKLEFT24(DS_s, 1);
  if (A_s == "-") DS_s = PfKRIGHT24(DS_s, LEM - 1);

  if (YAK == 1 && YAK1 == -1) {
    A2_s = "-" + DS_s;
    A21_s = A2_s;
  } else if (YAK == 1) {
    A2_s = DS_s;
    A21_s = "+" + DS_s;
  } else if (YAK == 2 && YAK1 == -1) {
    A2_s = Frac("-", DS_s, DB_s);
    A21_s = A2_s;
  } else if (YAK == 2) {
    A2_s = Frac("", DS_s, DB_s);
    A21_s = Frac("+", DS_s, DB_s);
  } else if (YAK == 3) {
    A2_s = Frac("", DS1_s, DA1_s);
    A21_s = Frac("+", DS1_s, DA1_s);
  }
  // A zero denominator leaves A2_s and A21_s as they were.

  FDS1_s = std::string(YAK1 == 1 ? "+" : "");
  if (YAK == 3) {
    A3_s = A2_s;
    A31_s = A21_s;
  } else if (YAK == 0) {
    // A zero denominator: the fraction as given, with no step to a result,
    // so that no text of an earlier call is shown as its result.
    A3_s = A1_s;
    A31_s = FDS1_s + A1_s;
  } else {
    A3_s = A1_s + "=" + A2_s;
    A31_s = FDS1_s + A1_s + "=" + A21_s;
  }

  A_s = YAK == 0 ? A3_s : A2_s;
  StripMarkup();
  TKAI1_s = A_s;
  A_s = YAK == 0 ? A31_s : A21_s;
  StripMarkup();
  TKAI2_s = A_s;
}

void AddFractions() {
  // The minus goes on the numerator.
  if (DSM1 * DBM1 < 0) {
    DSM1 = -std::fabs(DSM1);
    DBM1 = std::fabs(DBM1);
  }
  if (DSM2 * DBM2 < 0) {
    DSM2 = -std::fabs(DSM2);
    DBM2 = std::fabs(DBM2);
  }
  // A negative denominator left over (both parts negative, or a zero
  // numerator) would give the addend the wrong sign over the common
  // denominator: turn both signs.
  if (DBM1 < 0) {
    DSM1 = -DSM1;
    DBM1 = -DBM1;
  }
  if (DBM2 < 0) {
    DSM2 = -DSM2;
    DBM2 = -DBM2;
  }
  // An addend over zero is a division by zero, not a fraction to add.
  if (DBM1 == 0 || DBM2 == 0) RaiseError(kDivisionByZero, Where::current());

  if (DBM1 == 1 && DBM2 == 1) {
    DB = 1;
    DS1 = DSM1;
    DS2 = DSM2;
  } else if (DBM1 == 1) {
    DB = DBM2;
    DS1 = DSM1 * DBM2;
    DS2 = DSM2;
  } else if (DBM2 == 1) {
    DB = DBM1;
    DS1 = DSM1;
    DS2 = DSM2 * DBM1;
  } else {
    // The reduction of the two denominators leaves their greatest common
    // divisor in X3 and their least common multiple in X4.
    DS = std::fabs(DBM1);
    DB = std::fabs(DBM2);
    ReduceFraction();
    DB = X4;
    DS1 = Div(DSM1 * DBM2, X3);
    DS2 = Div(DSM2 * DBM1, X3);
  }
  DS4 = DS1 + DS2;

  DS1_s = NumberText(std::fabs(DS1));
  B1_s = DS1_s;
  DB_s = NumberText(DB);
  DS2_s = NumberText(std::fabs(DS2));
  B2_s = DS2_s;
  DS4_s = NumberText(std::fabs(DS4));

  // A zero numerator or sum counts as not negative.
  if (DSM1 >= 0) {
    A1_s = Frac("", DS1_s, DB_s);
    A11_s = Frac("+", DS1_s, DB_s);
  } else {
    A1_s = Frac("-", DS1_s, DB_s);
    A11_s = A1_s;
  }
  if (DSM2 >= 0) {
    A2_s = Frac("", DS2_s, DB_s);
    A21_s = Frac("+", DS2_s, DB_s);
  } else {
    A2_s = Frac("-", DS2_s, DB_s);
    A21_s = A2_s;
  }
  if (DSM1 < 0) {
    DS3_s = DS1_s;
    DS1_s = "-" + DS1_s;
  }
  DS2_s = (DSM2 < 0 ? "-" : "+") + DS2_s;
  if (DS4 >= 0) {
    A4_s = Frac("", DS4_s, DB_s);
    A41_s = Frac("+", DS4_s, DB_s);
  } else {
    A4_s = Frac("-", DS4_s, DB_s);
    A41_s = A4_s;
  }
  A3_s = Frac("", DS1_s + DS2_s, DB_s);
  A5_s = (DSM1 >= 0 ? Frac("", DS1_s, DB_s) : Frac("-", DS3_s, DB_s)) + A21_s;
  B3_s = Frac("", B1_s, DB_s);
  B4_s = Frac("", B2_s, DB_s);
  A_s = DS4_s;
}
