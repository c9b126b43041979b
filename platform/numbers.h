// Number operations of the runtime: whole-number conversions, number <-> text,
// checked arithmetic and the random generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "errors.h"

// The one rounding rule of every whole-number conversion: to the nearest
// whole number, halves away from zero.
double RoundHalfAway(double v);

// 16-bit and 32-bit whole numbers (colours, indices, character codes, the
// seed). Out of range or not finite: overflow.
int PbFstInt(double v, Where where = Where::current());
int32_t PbFstLng(double v, Where where = Where::current());

// INT: the greatest whole number not above v. Negation.
float PnFInt(float v);
float PnFChs(float v);
// Arctangent in radians; power (x to the y).
float PnFAtn(float v);
float PnFXy(double x, double y, Where where = Where::current());

// Checked arithmetic: a division by zero or a result that is not finite is
// the runtime's error, as it is for every floating-point operation there.
float Div(double a, double b, Where where = Where::current());
float Checked(double v, Where where = Where::current());
// Remainder on the two values taken as 32-bit whole numbers.
float Mod(double a, double b, Where where = Where::current());

// Number to text: a blank before a number that is not negative, "-" before a
// negative one, at most 7 significant digits, no trailing zeros and no "0"
// before the point of a number below 1 in size (" .5", "-.25").
std::string PfSTR244(float v);
// The layout of PfSTR244 without the sign: `digits` (at most 7, no trailing
// zeros) with the first digit worth 10^`exponent`.
std::string NumberDigitsText(const std::string& digits, int exponent);
// The text of a computed number: rounded to single precision first.
std::string PfSTR248(double v);
// The parts of the number a text begins with, as the runtime reads it:
// blanks, a sign, digits, a point and digits (at least one digit in all),
// then an exponent, "E" or "e" with a sign and digits. What follows is not
// read.
struct NumberTextParts {
  bool negative = false;
  std::string whole;     // the digits before the point
  std::string fraction;  // the digits after it
  bool exponent_negative = false;
  std::string exponent;  // the exponent's digits; empty when there is none
};
// Empty when the text does not begin with a number (no digit before or
// after the point).
std::optional<NumberTextParts> ReadNumberText(const std::string& text);

// Text to number: the number the text begins with, 0 when there is none.
float PfVAL(const std::string& text);

// Random numbers: a whole-number seed restarts the sequence; PaRnd is at
// least 0 and below 1.
void PaRandomize(double seed, Where where = Where::current());
float PaRnd();
