// The font families the glyph model draws with. Without them every text
// would come out as empty boxes, so a program refuses to start instead.
#pragma once

#include <string>

inline constexpr const char* kGothicFamily = "IPAGothic";
// The proportional gothic of the same family: plain letters and digits.
inline constexpr const char* kPropGothicFamily = "IPAPGothic";
inline constexpr const char* kSerifFamily = "Liberation Serif";

// What the fonts' check found.
struct FontCheck {
  // The first of the families above that fontconfig does not resolve to
  // itself (it would substitute another font); nullptr when all are there.
  const char* missing = nullptr;
  // Fontconfig could not load its configuration and fonts for lack of
  // memory (then `missing` says nothing).
  bool out_of_memory = false;
};

// Loads fontconfig's configuration and its list of fonts, once, as the one
// every later drawing uses, and checks the families above. Fontconfig's own
// messages do not reach standard error: a configuration it could not load
// in full is no configuration to draw with, and whether that was for lack
// of memory is told apart from a font that is not installed.
FontCheck CheckFonts();

// Says on standard error, in one line headed by `who`, which family is
// missing or that memory ran out, and returns false; true when all are
// there.
bool FontsPresent(const std::string& who);
