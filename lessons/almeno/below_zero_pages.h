// The pages and figures of the numbers-below-zero topic: the goal page, the
// thermometer exercise, the signs and integers pages, and the figures they
// and the marking pages draw on.
//
// The figures keep their geometry in the shared tables, entries 31 up:
// `X_a(31)`.. and `Y_a(31)`.., and their label texts in `F_sa(1)`.. .
#pragma once

namespace almeno {

// ---- pages (each returns to the topic's submenu) ---------------------------------

// The aims of the topic, below "<めあて>"; returns at once.
void BelowZeroGoalPage();
// Item ①: random temperatures on a thermometer written with "+" and "-", then
// textbook questions 1 and 2 with their answers.
void ThermometerPage();
// Item ②: positive and negative numbers and their signs, textbook question 3.
void SignsPage();
// Item ③: the integers, textbook question 4.
void IntegersPage();

// ---- figures --------------------------------------------------------------------

// The empty thermometer on its panel. Sets `X_a(31)`..`X_a(36)` (640, 736,
// 768, 784, 816, 912) and `Y_a(31)`..`Y_a(34)` (+17 degrees at 40, 0 at 295,
// -17 at 550, the panel's bottom 630); 15 units a degree. Leaves the draw
// width at 2 and `CCC1` = 11.
void ThermometerFigure();
// The mercury column of the thermometer just drawn at `T(3)` degrees; its top
// in `Y_a(35)`. Leaves the draw width and `CCC1` alone.
void MercuryLevel();
// The vertical scale from -15 to +15 with the arrows "正の数" and "負の数" on
// the right half of the page. Leaves the draw width at 5 and `CCC1` = 3.
void SignsScaleFigure();
// The number line from 0 to 7 at y 240: `X_a(31)` = 120, `X_a(32)` = 680
// (0), `X_a(33)` = 1240 (7), `Y_a(31)` = 240, one unit 80; labels
// `F_sa(1)`..`F_sa(8)` = "0".."7". Draws over what is there. Leaves the draw
// width at 2, `CCC1` = 0 and the pen after the label "7".
void PositiveNumberLine();

}  // namespace almeno
