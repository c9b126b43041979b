// The topics of Torvane that its main menu opens. Each shows its submenu
// until its last item, "終了", is chosen, then returns to the menu.
#pragma once

namespace torvane {

// Addition on the number line and its rules.
void AdditionTopic();
// Addition of decimals and fractions.
void DecimalsFractionsTopic();
// Subtraction, rewritten as addition.
void SubtractionTopic();
// Sums written without plus signs, and terms.
void TermsTopic();
// The commutative and associative laws of addition.
void AdditionLawsTopic();
// Mixed addition and subtraction.
void MixedAddSubTopic();
// The answers to the practice problems of addition and subtraction.
void AddSubPracticeAnswers();

}  // namespace torvane
