// The pages of Vindrel's four topics: powers, expressions with the four
// operations and the distributive law, the practice answers, and the sets of
// numbers. Every page blanks what it draws on, ends by returning to its
// topic's submenu and keeps nothing between visits but what is named here.
#pragma once

#include <optional>
#include <string>

#include "exact_fractions.h"

namespace vindrel {

// The second exponent of the last product or quotient of powers shown: the
// two examples of the powers page never show the same one twice in a row.
// 0 at start, never reset.
extern float FMAESU;

// ---- pages of random examples ---------------------------------------------------

// The head of a page of random examples: blanked 1760 wide and `height`
// high, the margins `XI0` = 40 and `XI1` = 74, the pen width 5, `title` at
// (40, 30) and the example area from (40, 90) in `U(31)`, `V(31)`.
void RandomExamplePage(float height, const std::string& title);

// ---- powers ----------------------------------------------------------------

// "<めあて>" and the aim of the topic on powers; returns at once.
void PowersGoalPage();
// ① Exponent notation, the square and the cube, and the answers of
// textbook question 1.
void ExponentNotationPage();
// ② The four fixed examples, each line completed one key at a time.
void PowerExamplesPage();
// ③ Random products of powers, then random quotients of powers.
void RandomPowerExample();
// ④ The answers of textbook question 2, all at once.
void PowerQ2AnswersPage();
// ⑤ The powers of -2 and when they are positive or negative.
void PowerSignPatternPage();

// The numbers of one product example a^m × b^n: m, a, n, b in `F(1)`,
// `T(1)`, `F(2)`, `T(2)`, the powers and the product in `T(3)` to `T(5)`,
// their texts ready to print. n is never the `FMAESU` it finds.
void PowerProductNumbers();
// The same for one quotient a^m ÷ b^n in `F(11)`, `T(11)`, `F(12)`, `T(12)`,
// `T(13)`, `T(14)`, and the written reduction in `RAB_sa(1)`. The random
// numbers are seeded from the clock once, before the first draw.
void PowerQuotientNumbers();

// ---- expressions with the four operations -----------------------------------

// "<めあて>" and the two aims of the topic; returns at once.
void OrderOfOperationsGoalPage();
// ① Random a×b-c÷d, then random a³-b÷c³.
void RandomMixedExample();
// ② and ④ The answers of textbook questions 3 and 4.
void OperationsQuestion3AnswersPage();
void OperationsQuestion4AnswersPage();
// ③ Random a-{b+(c+d)}×e, worked from the inside out.
void RandomBracketExample();
// ⑤ The distributive law from the area of a flower bed.
void AreaDistributiveFigure();
// ⑥ The distributive law in letters and textbook question 5.
void DistributiveLettersPage();
// ⑦ Two pupils' ways of computing one expression.
void MethodComparisonPage();

// The numbers of one example of each random page, into `T()` and their
// texts.
void MixedProductNumbers();
void MixedPowerNumbers();
void BracketExampleNumbers();

// ---- practice answers ----------------------------------------------------------

void PowersPracticePage();
void OperationsPracticePage();
void DistributivePracticePage();

// ---- number sets ---------------------------------------------------------------

// "<めあて>" and the aim of the topic on number sets; returns at once.
void NumberSetsGoalPage();
// ① The four operations on two numbers, the typed pairs and the sets.
void FourOperationsPage();
// ② Which operations each set is closed under, and the sets figure.
void ClosureTable();

// The rows ア ①+②=③ to エ ①÷②=③ with empty boxes; the box of row r and
// place c stands at element 3 × (r - 1) + c of `X_a()` and `Y_a()`.
void OperationBoxes();
// The two numbers a learner typed, exactly as typed.
struct TypedPair {
  ExactFraction first, second;
};
// Asks for ① and ②, each strictly between 0 and 100, into `T(1)`, `T(2)`,
// and shows each in its boxes as its exact value rounded to seven digits
// (200/3 shows 66.66667); returns their exact values. An entry whose shown
// text would be 0 or 100 is asked again.
TypedPair AskTwoNumbers();
// The pair into its boxes (a typed pair from its exact values, else `T(1)`
// and `T(2)`), then one key before each of the sum, the difference, the
// product and the quotient, each computed exactly: on the typed pair when
// there is one, else on the numbers as their boxes show them.
void OperationResults(const std::optional<TypedPair>& typed = std::nullopt);
// `A2_s` the markup of the quotient first ÷ second in lowest terms, a whole
// number or a built-up fraction. Where both its terms are at most 9999999,
// also its terms in `DS`, `DB` and the texts of `ReduceFraction`; otherwise
// those stay as they were.
void ReduceQuotient(ExactFraction first, ExactFraction second);

// The nested sets figure from its corner `X_a(1)`, `Y_a(1)`: the corners of
// the three boxes into `X_a()`, `Y_a()` (2, 4 to 7), then each box.
void SetsFigureLayout();
void AllNumbersBox();
void IntegersBox();
void NaturalNumbersBox();

}  // namespace vindrel
