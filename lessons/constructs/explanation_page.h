// How an explanation page begins: a blanked area and the margins of its text.
#pragma once

#include "layout_cursor.h"

// A white box from (0, 0) of the given size; what lies outside it stays.
void BlankPage(float width, float height);
// An explanation page begins: blanked to the given size, the margin `XI1` =
// `left` and the line `YI1` = `top`.
void ExplanationPage(float width, float height, float left, float top);
// A white box from (0, `top`), `width` x `height`: the band of one example,
// or of a second example loop below the last example of the first, which
// stays on the page above it.
void BlankBand(float top, float width, float height);
