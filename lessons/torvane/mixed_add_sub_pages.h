// The pages of the topic on mixed addition and subtraction: rewriting
// bracketed terms without brackets, the drill and the worked example of
// four-term calculations, and the answers of textbook question 10.
//
// Every page blanks what it draws on, returns to the topic's submenu and
// leaves its last screen there.
#pragma once

namespace torvane {

// "<めあて>" and the topic's two aims; returns at once.
void MixedAddSubGoalPage();

// ① Three bracketed terms without brackets, then four terms with one
// bracket added and one subtracted, then the two rules.
void RewriteWithoutBrackets();
// ② Four terms, two of each sign: regrouped by sign, summed, computed.
void MixedCalculationDrill();
// ③ The same with the operators and brackets of the question rewritten
// first; then the textbook task line.
void MixedWorkedExample();
// ④ The answers of textbook question 10.
void Question10Answers();

// ---- generated numbers -----------------------------------------------------

// One of the two operators adds, the other subtracts: F(1) = 1 and F(2) = -1,
// or the other way round (F(1) drawn as INT(RND * 2 + 1), 2 making it -1).
void DrawOperatorPair();
// Their texts into F_sa(1) and F_sa(2): "+" for the one that adds, "-" for the
// other.
void OperatorTexts();
// Four signed terms, two of each sign, and their calculation in T(1) to
// T(11) with their texts (see the drill's page).
void MixedFourTermGenerator();

}  // namespace torvane
