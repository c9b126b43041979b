// The key of a number-line exercise, read with a notice at the bottom.
#pragma once

#include <string>

enum class MarkerKey { kOther, kRight, kLeft, kEnter };
// One key of a number-line exercise: `notice` in the notice box at the
// bottom (text colour 0), then which key the learner pressed (left in `I_s`).
MarkerKey ReadMarkerKey(const std::string& notice);
