// The 16-colour palette of the page. Colour 15 is the white page.
#pragma once

#include <cstdint>

struct Rgb {
  uint8_t r, g, b;
};

inline constexpr int kPaletteSize = 16;
inline constexpr int kPageColour = 15;

// The colour of a palette number; numbers outside 0 to 15 are rejected by
// the drawing operations before they get here.
Rgb PaletteColour(int number);

// WCAG contrast ratio of two palette colours (1 to 21).
double ContrastRatio(int a, int b);
