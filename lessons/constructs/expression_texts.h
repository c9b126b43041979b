// Number texts set side by side as one signed expression.
#pragma once

// After `TablesToTextAndKeyChoice`: the texts `T_s(first)` to `T_s(last)` of
// positive numbers get a "+" in front, so that texts set side by side read
// as one signed expression ("3" "+5" "-2"). Zero and negative texts stay.
void PlusSignTexts(int first, int last);
// The same texts of negative numbers go in brackets, so that they can stand
// after an operator ("4*(-2)"). Zero and positive texts stay.
void BracketNegativeTexts(int first, int last);
