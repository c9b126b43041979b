// How an explanation page begins: a blanked area and the margins of its text.
#pragma once

#include <optional>

#include "layout_cursor.h"

// How a page opens: the white box from (0, 0) that blanks it, and the
// margins its text starts from, named as `Margins` names them. A margin left
// unset keeps what the page before left in it; some pages go on from the
// margins of the one before.
struct PageOpening {
  float width = 1760;  // the blanked box; what lies outside it stays
  float height = 1300;
  std::optional<float> left = {};
  std::optional<float> indent = {};
  std::optional<float> margin = {};
  std::optional<float> top = {};
};
// The page is blanked, then the margins it names are set (`SetMargins`).
void OpenPage(const PageOpening& page);

// A white box from (0, 0) of the given size; what lies outside it stays.
void BlankPage(float width, float height);
// An explanation page begins: blanked to the given size, the margin `XI1` =
// `left` and the line `YI1` = `top`.
void ExplanationPage(float width, float height, float left, float top);
// A white box from (0, `top`), `width` x `height`: the band of one example,
// or of a second example loop below the last example of the first, which
// stays on the page above it.
void BlankBand(float top, float width, float height);
