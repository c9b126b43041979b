// The pages of the topic on sums written without plus signs and on terms:
// eight sums rewritten without "+", two drills of generated sums, the
// answers of textbook questions 7 and 8, the explanation of terms and the
// two drills on the terms of a generated expression.
//
// Every page blanks what it draws on, returns to the topic's submenu and
// leaves its last screen there.
#pragma once

namespace torvane {

// "<めあて>" and the topic's two aims; returns at once.
void TermsGoalPage();

// ① Eight sums and differences of 3 and 4 rewritten without "+", then computed.
void NoPlusSignExamples();
// ② Generated sums and differences with the second number in brackets:
// rewritten without brackets, then computed.
void PracticeWithBrackets();
// ③ Generated sums written without brackets, then computed; then the
// textbook task line.
void PracticeWithoutBrackets();
// ④ The answers of textbook questions 7 and 8.
void TermsAnswersPage();
// ⑤ What the terms of an expression are, on 12-15+8.
void TermsExplanationPage();
// ⑥ The terms of generated expressions: all of them (`ListTermsDrill`),
// then the positive and the negative ones below (`SignedTermsDrill`).
void TermsPractice();

}  // namespace torvane
