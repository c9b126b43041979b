// Number texts as the pages write them: without blanks, set side by side as
// one signed expression, and with a "0" before the point of a decimal below 1.
#pragma once

#include <string>

// The text of a number as the conversion writes it, its blanks taken out;
// it is left in `A_s` too.
std::string NumberText(float value);

// After `TablesToTextAndKeyChoice`: the texts `T$(first)` to `T$(last)` of
// positive numbers get a "+" in front, so that texts set side by side read
// as one signed expression ("3" "+5" "-2"). Zero and negative texts stay.
void PlusSignTexts(int first, int last);
// The same texts of negative numbers go in brackets, so that they can stand
// after an operator ("4*(-2)"). Zero and positive texts stay.
void BracketNegativeTexts(int first, int last);

// The number conversion writes no "0" before the point of a number below 1
// in size: ".25" becomes "0.25" and "-.5" becomes "-0.5". Any other text (a
// whole number, "0" itself) stays as it is.
std::string WithLeadingZero(const std::string& text);
