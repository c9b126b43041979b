// Cancelling in a product fraction: a stroke through a struck number and
// what is left of it written in bold above it (in the numerator) or below it
// (in the denominator), placed from the corners the fraction printer reports
// (`TBSIYAKX`, `TBSIYAKY`, `TBBOYAKX`, `TBBOYAKY`) and from measured widths.
#pragma once

#include <string>

namespace pellith {

// The width `text` takes inside a built-up fraction. `BUN` is left 1: the
// next line's signs are drawn by the in-fraction rules until its fraction.
float InFractionWidth(const std::string& text);
// A stroke in colour 3 across `struck`, whose top left is (u, v): from
// (u + 4, v + from) to the end of its last digit (32 a digit), `rise` lower
// there (the pages' negative rise slants it up). The page's pen width.
void StrikeNumber(const std::string& struck, float u, float v, float from, float rise);
// What is left of a struck number, in bold colour 3 at (x, y).
void WriteLeftOver(const std::string& text, float x, float y);

}  // namespace pellith
