#include "signed_draws.h"

#include "runtime.h"

namespace torvane {

float DrawSignedNumber(float largest, float& sign_draw) {
  const float size = PnFInt(PaRnd() * largest + 1);
  sign_draw = PnFInt(PaRnd() * 2 + 1);
  return sign_draw == 1 ? -size : size;
}

}  // namespace torvane
