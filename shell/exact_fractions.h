// Exact arithmetic on the numbers a learner types: each number is held as a
// fraction of whole numbers in lowest terms, so that 33.3 × 3 is 99.9 and
// 2/3 ÷ 1/3 is 2, where single precision would give 99.89999 and a quotient
// of two rounded decimals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct ExactFraction {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;  // above 0; the fraction in lowest terms
  bool operator==(const ExactFraction&) const = default;
};

// The value of a number text as the runtime reads it (ReadNumberText, as
// PfVAL reads it: the number the text begins with, blanks, a sign, digits, a
// point and digits, an exponent; 0 when there is none), exactly. Empty when it needs more digits
// than a whole number of 64 bits holds.
std::optional<ExactFraction> ExactNumberValue(const std::string& text);

// The value of an entry of the answer field, read as the field's parser
// reads it: with a "/", the number before the first "/" over the number
// after it. Empty when a part cannot be held exactly or the denominator is 0.
std::optional<ExactFraction> ExactEntryValue(const std::string& entry);

// The four operations, in lowest terms. A result whose terms need more than
// 64 bits is the runtime's overflow error; a quotient by 0 its division by
// zero.
ExactFraction ExactSum(ExactFraction a, ExactFraction b);
ExactFraction ExactDifference(ExactFraction a, ExactFraction b);
ExactFraction ExactProduct(ExactFraction a, ExactFraction b);
ExactFraction ExactQuotient(ExactFraction a, ExactFraction b);

// The value as a double, for comparisons and the single-precision globals.
double ExactToDouble(ExactFraction v);

// The value as the runtime writes a number, without the blank: rounded to 7
// significant digits (halves away from zero), no trailing zeros, no "0"
// before the point ("99.9", ".9", "-3", "3.333333"; below 0.0000001 in
// size "1E-14").
std::string ExactNumberText(ExactFraction v);

// A whole value as its digits, any other as the built-up fraction in
// markup, the sign in front: "2", "ﾀ111/10ﾀ", "-ﾀ1/9ﾀ".
std::string ExactFractionMarkup(ExactFraction v);
