// Marking points on the number line, the full number line from -7 to 7, and
// the answer pages of the numbers-below-zero topic.
//
// The marking state lives in the shared arrays: the marker position `X_a(1)`,
// the found-point table `U(1)`..`U(4)` (the points 2, 3.5, -2 and -3.5; 30
// while a point is not found, which draws it far outside the page), and the
// geometry of the number line drawn last, `X_a(31)` (left end), `X_a(32)`
// (the place of 0), `X_a(33)` (right end) and `Y_a(31)` (its height).
#pragma once

#include <string>

namespace almeno {

// ---- pages of the numbers-below-zero topic (each returns to its submenu) ----

// Item ④: mark 2 and 3.5 on the line from 0 to 7, attempt after attempt.
void MarkPositivePointsPage();
// Item ⑤: mark -2 and -3.5, once on the line from 0 to 7, then on the full line.
void MarkNegativePointsPage();
// Item ⑥: the numbers at the points A, B and C (textbook question 5).
void Question5AnswersPage();
// Item ⑦: the points of -3, 7/2, +4.5 and -2.5 (textbook question 6).
void Question6AnswersPage();
// Item ⑧: the answers of the topic's practice problems.
void BelowZeroPracticeAnswers();

// ---- the number line from -7 to 7 -------------------------------------------

// Draws the line at height `Y_a(31)` (240 when it is 0), sets `X_a(31)` = 80,
// `X_a(32)` = 640, `X_a(33)` = 1200 and the labels `F_sa(1)`..`F_sa(15)`;
// leaves the draw width at 3.
void SignedNumberLine();

// ---- moving the marker with the arrow keys -----------------------------------
// Each returns on Enter with the confirmed position in `X_a(1)`. A step past
// the right end or the left limit puts the marker back on 0.

// On the line from 0 to 7, between 0 and 7; shows the found points 2 and 3.5.
void PointMoveLoopOnPositiveLine();
// On the line from 0 to 7, but the marker may go left of 0 down to -7.
void PointMoveLoopLeftOfPositiveLine();
// On the line from -7 to 7; shows all four found points.
void PointMoveLoopOnSignedLine();

// ---- reading the confirmed point and showing the targets --------------------

// The confirmed point on the line from 0 to 7: marked, labelled with its value
// (`T(1)`, `T_s(1)`); a hit of 2 or 3.5 is kept in `U(1)` or `U(2)`.
void ReadMarkedPoint();
// The same on the line from -7 to 7; a hit of -2 or -3.5 is kept in `U(3)` or
// `U(4)`, and all four found points are drawn.
void ReadMarkedSignedPoint();
// A fresh line from 0 to 7 with the targets 2 and 3.5.
void ShowTargetPoints();
// A fresh line from -7 to 7 with 2, 3.5 (as "+2", "+3.5"), -2 and -3.5.
void ShowSignedTargetPoints();

// Draws two slots of the found-point table, `first_slot` and the one after it,
// each as a disc with its label centred above it, on the line drawn last.
void DrawFoundPointPair(int first_slot, const std::string& first_label,
                        const std::string& second_label);

}  // namespace almeno
