// The topics of Pellith that its main menu opens. Each shows its submenu
// until its last item, "終了", is chosen, then returns to the menu.
#pragma once

namespace pellith {

// The rules of multiplication; products with -1, 0 and 1.
void MultiplicationTopic();
// The rules of division.
void DivisionTopic();
// Reciprocals, division as multiplication, products and quotients of fractions.
void ReciprocalFractionTopic();
// The laws of multiplication and mixed multiplication and division.
void LawsMixedTopic();
// The answers to the practice problems of multiplication and division.
void MulDivPracticeAnswers();

}  // namespace pellith
