// Reading Pellith's pages from a player run: fractions in lowest terms and
// the strokes that cancel their factors.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "page_reader.h"

namespace pellith_test {

// A fraction in lowest terms, the sign on the numerator.
struct Fraction {
  long num, den;
};
inline Fraction Reduced(long num, long den) {
  const long g = std::gcd(num < 0 ? -num : num, den);
  return {num / g, den / g};
}

// Checks every stroke of the run: it runs from 4 right of the first digit of
// a whole number of the last line with a product in a fraction to the end of its last digit,
// within the digits' line.
inline void ExpectStrokesOnTheirNumbers(const PlayerRun& run, int strokes_expected) {
  struct Glyph {
    double x, y;
    std::string text;
  };
  std::vector<Glyph> glyphs;
  bool in_product = false;
  int strokes = 0;
  const std::string ta = Utf8("ﾀ");
  for (const std::string& line : run.log) {
    const auto f = Fields(line);
    if (f[0] == "print" && std::stod(f[3]) < 900) {  // measuring prints go below the page
      in_product = f[1] == "PrintMarkup" && f[5].find(ta) != std::string::npos &&
                   f[5].find('*') != std::string::npos;
      if (in_product) glyphs.clear();
    } else if (f[0] == "text" && in_product && std::stod(f[2]) < 900) {
      glyphs.push_back({std::stod(f[1]), std::stod(f[2]), f[10]});
    } else if (f[0] == "line" && f[5] == "3" && f[1] != f[3] && f[2] != f[4]) {
      // A slanted line: a stroke (the signs' bars are level or upright).
      ++strokes;
      const double x1 = std::stod(f[1]), y1 = std::stod(f[2]), x2 = std::stod(f[3]),
                   y2 = std::stod(f[4]);
      SCOPED_TRACE(line);
      EXPECT_EQ(f[6], "5");
      EXPECT_LT(x1, x2);
      EXPECT_LT(y2, y1);  // rising to the right
      std::string struck;
      for (const Glyph& g : glyphs) {
        if (g.y > y2 || y1 > g.y + 32) continue;  // another line of the fraction
        const bool inside = g.x >= x1 - 4 && g.x + 32 <= x2;
        const bool touches = g.x < x2 && g.x + 32 > x1 - 4;
        if (inside) struck += g.text;
        // Any glyph the stroke touches is one of its number's digits.
        if (touches) {
          EXPECT_TRUE(inside && isdigit(g.text[0])) << g.text << " at " << g.x;
        }
        if (inside && g.x == x1 - 4) struck = g.text;
      }
      EXPECT_FALSE(struck.empty());
      EXPECT_EQ(struck.size() * 32, x2 - x1 + 4) << struck;
    }
  }
  EXPECT_EQ(strokes, strokes_expected);
}

}  // namespace pellith_test
