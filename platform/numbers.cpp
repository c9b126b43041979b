#include "numbers.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

double RoundHalfAway(double v) {
  return std::round(v);
}

int PbFstInt(double v, Where where) {
  NoteLine(where);
  if (!std::isfinite(v)) RaiseError(kOverflow, where);
  double r = RoundHalfAway(v);
  if (r < -32768.0 || r > 32767.0) RaiseError(kOverflow, where);
  return static_cast<int>(r);
}

int32_t PbFstLng(double v, Where where) {
  NoteLine(where);
  if (!std::isfinite(v)) RaiseError(kOverflow, where);
  double r = RoundHalfAway(v);
  if (r < -2147483648.0 || r > 2147483647.0) RaiseError(kOverflow, where);
  return static_cast<int32_t>(r);
}

float PnFInt(float v) {
  return std::floor(v);
}
float PnFChs(float v) {
  return -v;
}
float PnFAtn(float v) {
  return static_cast<float>(std::atan(static_cast<double>(v)));
}

float Checked(double v, Where where) {
  NoteLine(where);
  if (std::isnan(v)) RaiseError(kIllegalFunctionCall, where);
  if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) RaiseError(kOverflow, where);
  return static_cast<float>(v);
}

float PnFXy(double x, double y, Where where) {
  if (x == 0.0 && y < 0.0) RaiseError(kDivisionByZero, where);
  return Checked(std::pow(x, y), where);
}

float Div(double a, double b, Where where) {
  if (b == 0.0) RaiseError(kDivisionByZero, where);
  return Checked(a / b, where);
}

float Mod(double a, double b, Where where) {
  int32_t ia = PbFstLng(a, where);
  int32_t ib = PbFstLng(b, where);
  if (ib == 0) RaiseError(kDivisionByZero, where);
  if (ib == -1) return 0.0f;  // avoids the one overflowing case, INT_MIN % -1
  return static_cast<float>(ia % ib);
}

namespace {

// The decimal digits of |v| rounded to 7 significant digits, without
// trailing zeros, and the decimal exponent of the first digit.
void SevenDigits(double a, std::string& digits, int& exponent) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.6e", a);  // d.dddddde+XX
  digits.clear();
  const char* p = buf;
  for (; *p && *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

}  // namespace

std::string NumberDigitsText(const std::string& digits, int e) {
  if (e > 6 || e < -7) {
    // Very large and very small numbers: d.ddddddE+XX.
    std::string body = digits.substr(0, 1);
    if (digits.size() > 1) body += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    return body + exp;
  }
  if (e >= 0) {
    std::string whole = digits.substr(0, std::min<size_t>(digits.size(), e + 1));
    while (static_cast<int>(whole.size()) < e + 1) whole += '0';
    std::string body = whole;
    if (static_cast<int>(digits.size()) > e + 1) body += "." + digits.substr(e + 1);
    return body;
  }
  return "." + std::string(-e - 1, '0') + digits;
}

std::string PfSTR244(float value) {
  double v = value;
  if (std::isnan(v)) return " NaN";
  std::string sign = v < 0 ? "-" : " ";
  if (std::isinf(v)) return sign + "Inf";
  if (v == 0.0) return " 0";
  std::string digits;
  int e = 0;
  SevenDigits(std::fabs(v), digits, e);
  return sign + NumberDigitsText(digits, e);
}

std::string PfSTR248(double v) {
  return PfSTR244(static_cast<float>(v));
}

std::optional<NumberTextParts> ReadNumberText(const std::string& text) {
  auto digits_from = [&](size_t& i) {
    const size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return text.substr(start, i - start);
  };
  NumberTextParts parts;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) parts.negative = text[i++] == '-';
  parts.whole = digits_from(i);
  if (i < text.size() && text[i] == '.') parts.fraction = digits_from(++i);
  if (parts.whole.empty() && parts.fraction.empty()) return std::nullopt;
  // An "E" that ends the text is no exponent.
  if (i + 1 < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    size_t j = i + 1;
    if (text[j] == '-' || text[j] == '+') parts.exponent_negative = text[j++] == '-';
    parts.exponent = digits_from(j);
  }
  return parts;
}

float PfVAL(const std::string& text) {
  const std::optional<NumberTextParts> parts = ReadNumberText(text);
  if (!parts) return 0.0f;
  std::string number = (parts->negative ? "-" : "") + parts->whole + "." + parts->fraction;
  if (!parts->exponent.empty()) {
    number += (parts->exponent_negative ? "e-" : "e") + parts->exponent;
  }
  double v = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) return v < 0 ? -FLT_MAX : FLT_MAX;
  return static_cast<float>(v);
}

namespace {
uint64_t g_random_state = 0x9E3779B97F4A7C15ull;

uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void PaRandomize(double seed, Where where) {
  int32_t s = PbFstLng(seed, where);
  g_random_state = static_cast<uint64_t>(static_cast<uint32_t>(s)) * 0x100000001B3ull + 1;
}

float PaRnd() {
  // 24 random bits: every value is exactly a float in [0, 1), never 1.0.
  uint64_t bits = SplitMix(g_random_state) >> 40;
  return static_cast<float>(bits) / 16777216.0f;
}
