// The topics of Almeno that its main menu opens. Each shows its submenu
// until its last item, "終了", is chosen, then returns to the menu.
#pragma once

namespace almeno {

// Numbers below zero: the thermometer, signs and integers, points on the number line.
void BelowZeroTopic();
// Quantities expressed with signed numbers: heights, income, years, differences from a base.
void SignedQuantitiesTopic();
// Absolute value and the order of numbers.
void OrderAbsoluteValueTopic();
// The number a given amount larger or smaller than another, on the number line.
void NumberLineStepsTopic();
// The answers to the practice problems of the signed-number introduction.
void OrderingPracticeAnswers();

}  // namespace almeno
