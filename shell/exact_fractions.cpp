// Exact fractions of 64-bit whole numbers; every intermediate product is
// taken in 128 bits, so the four operations on two such fractions never
// overflow before the result is reduced.
#include "exact_fractions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numbers.h"

namespace {

__extension__ typedef __int128 Wide;

const Wide kMaxTerm = std::numeric_limits<std::int64_t>::max();

// 10 to the power k, 0 <= k <= 38.
Wide PowerOfTen(int k) {
  Wide p = 1;
  for (int i = 0; i < k; ++i) p *= 10;
  return p;
}

// Euclid's greatest common divisor, exactly. GcdLcm (fraction_arithmetic.cpp)
// runs the same steps apart from this on purpose: it works on the pages'
// single-precision globals (DS and DB, whole or not, through X1 and X2),
// each step rounded as the runtime rounds it, where this one takes 128-bit
// whole numbers and must not round.
Wide Gcd(Wide a, Wide b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const Wide r = a % b;
    a = b;
    b = r;
  }
  return a;
}

// n / d in lowest terms with a positive denominator, or empty when a term
// does not fit 64 bits.
std::optional<ExactFraction> TryReduced(Wide n, Wide d) {
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const Wide g = Gcd(n, d);
  if (g > 1) {
    n /= g;
    d /= g;
  }
  if (n > kMaxTerm || n < -kMaxTerm || d > kMaxTerm) return std::nullopt;
  return ExactFraction{static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
}

ExactFraction Reduced(Wide n, Wide d, Where where = Where::current()) {
  if (d == 0) RaiseError(kDivisionByZero, where);
  const std::optional<ExactFraction> r = TryReduced(n, d);
  if (!r) RaiseError(kOverflow, where);
  return *r;
}

std::string Digits(Wide v) {
  if (v == 0) return "0";
  std::string s;
  for (; v > 0; v /= 10) s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
  return s;
}

}  // namespace

std::optional<ExactFraction> ExactNumberValue(const std::string& text) {
  const std::optional<NumberTextParts> parts = ReadNumberText(text);
  if (!parts) return ExactFraction{};
  // The digits without their leading zeros make the mantissa; past 18 of
  // them no 64 bits hold it, and they are only counted.
  const std::string digits = parts->whole + parts->fraction;
  Wide mantissa = 0;
  int significant = 0;
  for (const char c : digits) {
    if (significant == 0 && c == '0') continue;
    if (++significant <= 18) mantissa = mantissa * 10 + (c - '0');
  }
  if (significant > 18) return std::nullopt;
  if (mantissa == 0) return ExactFraction{};
  int exponent = 0;
  for (const char c : parts->exponent) exponent = std::min(exponent * 10 + (c - '0'), 1000);
  if (parts->exponent_negative) exponent = -exponent;
  if (parts->negative) mantissa = -mantissa;
  const int shift = exponent - static_cast<int>(parts->fraction.size());
  // A power of ten beyond 10^18 makes a term that no 64 bits hold.
  if (shift > 18 || shift < -18) return std::nullopt;
  return shift >= 0 ? TryReduced(mantissa * PowerOfTen(shift), 1)
                    : TryReduced(mantissa, PowerOfTen(-shift));
}

std::optional<ExactFraction> ExactEntryValue(const std::string& entry) {
  const size_t slash = entry.find('/');
  if (slash == std::string::npos) return ExactNumberValue(entry);
  const std::optional<ExactFraction> top = ExactNumberValue(entry.substr(0, slash));
  const std::optional<ExactFraction> bottom = ExactNumberValue(entry.substr(slash + 1));
  if (!top || !bottom || bottom->numerator == 0) return std::nullopt;
  return TryReduced(Wide(top->numerator) * bottom->denominator,
                    Wide(top->denominator) * bottom->numerator);
}

ExactFraction ExactSum(ExactFraction a, ExactFraction b) {
  return Reduced(Wide(a.numerator) * b.denominator + Wide(b.numerator) * a.denominator,
                 Wide(a.denominator) * b.denominator);
}

ExactFraction ExactDifference(ExactFraction a, ExactFraction b) {
  return Reduced(Wide(a.numerator) * b.denominator - Wide(b.numerator) * a.denominator,
                 Wide(a.denominator) * b.denominator);
}

ExactFraction ExactProduct(ExactFraction a, ExactFraction b) {
  return Reduced(Wide(a.numerator) * b.numerator, Wide(a.denominator) * b.denominator);
}

ExactFraction ExactQuotient(ExactFraction a, ExactFraction b) {
  return Reduced(Wide(a.numerator) * b.denominator, Wide(a.denominator) * b.numerator);
}

double ExactToDouble(ExactFraction v) {
  return static_cast<double>(v.numerator) / static_cast<double>(v.denominator);
}

std::string ExactNumberText(ExactFraction v) {
  if (v.numerator == 0) return "0";
  const Wide n = v.numerator < 0 ? -Wide(v.numerator) : Wide(v.numerator);
  const Wide d = v.denominator;
  // The exponent e of the first digit: 10^e <= n/d < 10^(e+1). The seven
  // digits are floor(n/d · 10^(6-e)); an estimate one off is put right by
  // the check on their count.
  int e = static_cast<int>(std::floor(std::log10(static_cast<long double>(n)) -
                                      std::log10(static_cast<long double>(d))));
  Wide digits = 0, rest = 0, scaled_d = d;
  for (;;) {
    const int k = 6 - e;
    const Wide scaled_n = k >= 0 ? n * PowerOfTen(k) : n;
    scaled_d = k >= 0 ? d : d * PowerOfTen(-k);
    digits = scaled_n / scaled_d;
    rest = scaled_n % scaled_d;
    if (digits >= 10000000) {
      ++e;
    } else if (digits < 1000000) {
      --e;
    } else {
      break;
    }
  }
  if (2 * rest >= scaled_d) ++digits;
  if (digits == 10000000) {
    digits = 1000000;
    ++e;
  }
  std::string shown = Digits(digits);
  while (shown.size() > 1 && shown.back() == '0') shown.pop_back();

  return (v.numerator < 0 ? "-" : "") + NumberDigitsText(shown, e);
}

std::string ExactFractionMarkup(ExactFraction v) {
  const std::string sign = v.numerator < 0 ? "-" : "";
  const std::string top = Digits(v.numerator < 0 ? -Wide(v.numerator) : Wide(v.numerator));
  if (v.denominator == 1) return sign + top;
  return sign + "ﾀ" + top + "/" + Digits(v.denominator) + "ﾀ";
}
