#include "random_draws.h"

#include "shell.h"

namespace pellith {

float RandomSign() {
  const float sign = PnFInt(PaRnd() * 2 + 1);
  return sign == 2 ? -1 : sign;
}

std::string SignText(float sign) {
  return sign == 1 ? "+" : "-";
}

std::string MinusText(float sign) {
  return sign == 1 ? "" : "-";
}

float Remainder(float a, float b) {
  return a - PnFInt(a / b) * b;
}

}  // namespace pellith
