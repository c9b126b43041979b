// The topics of Vindrel that its main menu opens. Each shows its submenu
// until its last item, "終了", is chosen, then returns to the menu.
#pragma once

namespace vindrel {

// Powers and their signs.
void PowersTopic();
// Expressions with the four operations and brackets; the distributive law.
void OrderOfOperationsTopic();
// The answers to the practice problems of powers and the four operations.
void MixedPracticeAnswers();
// Natural numbers, integers and all numbers, and the four operations on them.
void NumberSetsTopic();

}  // namespace vindrel
