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

float TakeFromTable(float last) {
  const float taken = X_a(P);
  for (int i = PbFstInt(P); i < last; ++i) X_a(i) = X_a(i + 1);
  return taken;
}

float Remainder(float a, float b) {
  return a - PnFInt(a / b) * b;
}

}  // namespace pellith
