// The division ladders of the factorisation pages.
#pragma once

#include <initializer_list>
#include <string>

namespace quorrel {

// The ladder of `number` with its top left at (x, y); with `nasi` 1 it
// waits for a key after every bar and every quotient.
void Ladder(float number, float x, float y, float nasi);

// The worked ladder of an example: " <素数でわる方法>" in colour 3 at
// (`anchor_x`, `top` + 60), and under it the ladder of `number` from
// (`anchor_x` + 44, `top` + 130), a key after every bar and quotient. The
// anchor is kept in `X_a(31)`, `Y_a(31)`; the layout cursor is left alone.
void WorkedLadder(float number, float anchor_x, float top);

// One problem of a row of ladders: the number and its factorisation.
struct LadderProblem {
  float number;
  const char* answer;
};
// Three problems side by side on the line `y`: "(1)" at `x` with the whole
// ladder of its number 88 right of the label and 80 below; a key; its answer
// in colour 3 right after the label; a key; "(2)" 44 right of that answer
// with its ladder 88 right of that answer, and so on. No key after the last
// answer. The pens after the first and the second answer are kept in `X12`,
// `X13`.
void LaddersOnOneLine(float x, float y, std::initializer_list<LadderProblem> problems);

}  // namespace quorrel
