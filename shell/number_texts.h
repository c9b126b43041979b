// Number texts as the pages write them: without blanks, and with a "0"
// before the point of a decimal below 1.
#pragma once

#include <string>

// The text of a number as the conversion writes it, its blanks taken out;
// it is left in `A_s` too.
std::string NumberText(float value);

// The number conversion writes no "0" before the point of a number below 1
// in size: ".25" becomes "0.25" and "-.5" becomes "-0.5". Any other text (a
// whole number, "0" itself) stays as it is.
std::string WithLeadingZero(const std::string& text);
