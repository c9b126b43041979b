// The font families the glyph model draws with. Without them every text
// would come out as empty boxes, so a program refuses to start instead.
#pragma once

#include <string>

inline constexpr const char* kGothicFamily = "IPAGothic";
// The proportional gothic of the same family: plain letters and digits.
inline constexpr const char* kPropGothicFamily = "IPAPGothic";
inline constexpr const char* kSerifFamily = "Liberation Serif";

// The first of the families above that fontconfig does not resolve to
// itself (it would substitute another font), or nullptr when all are there.
const char* MissingFontFamily();

// Says on standard error, in one line headed by `who`, which family is
// missing, and returns false; true when all are there.
bool FontsPresent(const std::string& who);
