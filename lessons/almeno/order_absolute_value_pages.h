// The pages of the topic on absolute value and the order of numbers, and the
// number line from -7 to 7 they plot on. Each page is a submenu item: it
// blanks the screen, reveals its steps one key at a time and returns to the
// submenu with its last screen left standing.
#pragma once

namespace almeno {

// The topic's two aims under "<めあて>"; returns at once.
void OrderAbsoluteGoalPage();

// The number line from -7 to 7 on Y_a(31) (0 selects 240), 80 units a unit:
// X_a(31) = 80 (-7), X_a(32) = 640 (0), X_a(33) = 1200 (7); labels "-7" to "7"
// in F_sa(1) to F_sa(15). The half-unit ticks take the pen width in force; the
// pen width is 3 afterwards.
void AbsoluteValueNumberLine();

// ① Changing the sign of a number, and the absolute value as the distance
// from 0 (two screens).
void AbsoluteValuePage();
// ② The answers of textbook question 1: absolute values and sign changes.
void AbsoluteValueAnswers();
// ③ The order of two numbers with "<" and ">", read off the number line.
void TwoNumberOrderPage();
// ④ Positive and negative numbers with absolute values 2 and 5, and the
// rules of order they show.
void AbsoluteValueOrderPage();
// ⑤ The answers of textbook question 3: "<" or ">" between four pairs.
void InequalityAnswers();
// ⑥ Three numbers in one chain of inequality signs.
void ThreeNumberOrderPage();

// ---- marks on the number line drawn last ---------------------------------------

// A filled disc of radius 15 in `colour` at the point of `value`
// (X_a(32) + 80 value, Y_a(31)).
void DiscOnLine(float value, float colour);

}  // namespace almeno
