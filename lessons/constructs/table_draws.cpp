// Draws from a table of numbers.
#include "table_draws.h"

#include "globals.h"
#include "shell.h"

void LoadTable(std::initializer_list<float> entries) {
  int i = 1;
  for (float entry : entries) X_a(i++) = entry;
}

float TakeFromTable(float index, float last) {
  const float taken = X_a(index);
  for (int i = PbFstInt(index); i < last; ++i) X_a(i) = X_a(i + 1);
  return taken;
}
