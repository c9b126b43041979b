// The pages of the division topic. Each draws its page from a blank screen
// (the goal page excepted), waits for keys between its steps and returns to
// the submenu with the finished page left on screen.
#pragma once

namespace pellith {

// The goal page: "<めあて>", two aims and a note on the word.
void DivisionGoalPage();
// ①課題: each quotient worked through the box equation □×(divisor)=dividend.
void DivisionTaskPage();
// ②除法規則: the sign rule of quotients as a table to fill in; 0 divided by
// a number, and why a number cannot be divided by 0.
void QuotientSignRulesPage();
// ③ドリル: the random quotient drill in four parts.
void QuotientDrill();
// ④問4: the worked answers of textbook question 4.
void Question4AnswersPage();
// ⑤例5: random decimal products, then random decimal quotients beside them.
void DecimalProductsExample();
// Its second half, entered when the learner leaves the products: random
// decimal quotients right of X 640, then the textbook line.
void DecimalQuotientsExample();
// ⑥問5: the worked answers of textbook question 5.
void Question5AnswersPage();

}  // namespace pellith
