#include "palette.h"

#include <algorithm>
#include <cmath>

namespace {

// The hues follow the usual 16-colour order (blue, green, cyan, red, magenta,
// brown, grey; then the bright set), tuned so that every pair of text and
// background colours the lessons combine reads clearly:
//   on the white page: text 0, 3, 4, 5, 7, 9, 11 and 13 (the error message);
//   the main menu: title 15 and items 13 and 15 on the panel colour 10;
//   prompt boxes: text 9 on fill 4 and on fill 12;
//   cells: text 5 on fill 13 and on fill 11, text 13 on fill 3 and on fill 8,
//   text 0, 3 and 7 on fill 13 and text 0 on fill 11;
//   the sets figure: names 13 and members 15 on the fills 10, 6 and 8.
// Colour 4 (the default text) therefore sits between the dark colours 9 and
// the white page. 13 is the yellow that pages name as yellow ("黄色の面積"),
// deep enough to read on white and on the dark fills 3, 6, 8 and 10 alike;
// 14, the empty thermometer tube and never text, is a light yellow. Grey 7
// is dark enough to read on the yellow 13 as well.
constexpr Rgb kPalette[kPaletteSize] = {
    {0x00, 0x00, 0x00},  // 0 black: body text
    {0x1A, 0x3F, 0xB0},  // 1 blue
    {0x1B, 0x7F, 0x2A},  // 2 green
    {0x00, 0x45, 0x4F},  // 3 dark cyan: headings and labels; cell fill
    {0xE0, 0x30, 0x1E},  // 4 red: the default text colour; prompt fill
    {0x5A, 0x14, 0x70},  // 5 purple: revealed answers, the typed entry
    {0x5A, 0x38, 0x00},  // 6 dark brown: cell fill
    {0x42, 0x42, 0x42},  // 7 dark grey: textbook task lines
    {0x3C, 0x3C, 0x3C},  // 8 charcoal: cell fill
    {0x0A, 0x1E, 0x78},  // 9 navy: the moving point, prompt text
    {0x0A, 0x4A, 0x22},  // 10 dark green: the main-menu panel
    {0x00, 0x96, 0xD0},  // 11 light blue: thermometer labels; cell fill
    {0xFF, 0xB4, 0xA8},  // 12 salmon: prompt fill
    {0xB0, 0x8C, 0x00},  // 13 yellow: menu items, the error message, cell fill
    {0xF5, 0xDC, 0x6E},  // 14 light yellow: the empty thermometer tube
    {0xFF, 0xFF, 0xFF},  // 15 white: the page
};

double Linear(uint8_t channel) {
  double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
  return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

}  // namespace

Rgb PaletteColour(int number) {
  return kPalette[std::clamp(number, 0, kPaletteSize - 1)];
}

double ContrastRatio(int a, int b) {
  double la = Luminance(PaletteColour(a));
  double lb = Luminance(PaletteColour(b));
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
