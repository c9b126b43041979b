// The pages of the multiplication topic. Each draws its page from a blank
// screen (the goal page excepted), waits for keys between its steps and
// returns to the submenu with the finished page left on screen.
#pragma once

namespace pellith {

// The goal page: "<めあて>", the aim and a note on the word.
void MultiplicationGoalPage();
// ①: products with a positive multiplier as repeated additions.
void RepeatedAdditionPage();
// ② and ③: the multiplier steps down from 3 to -3 with the multiplicand
// 2, or -2, each product marked on the number line.
void PositiveByNegativePage();
void NegativeByNegativePage();
// ④: the sign rule of products as a table to fill in.
void ProductSignRulePage();
// ⑤: the random product drill: the sign, the absolute value, the result.
void ProductDrill();
// ⑥: multiplying by -1 changes the sign.
void MinusOneProductsPage();
// ⑦: products with 1 and with 0.
void OneAndZeroProductsPage();

}  // namespace pellith
