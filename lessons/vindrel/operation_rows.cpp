// The four rows ア ①+②=③, イ ①-②=③, ウ ①×②=③ and エ ①÷②=③: their empty
// boxes, the two numbers typed into them and the four results.
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "exact_fractions.h"
#include "fresh_run.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "page_faces.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// Where the rows of the four operations stand: the labels at `XJ0`, box ①
// at `XJ1`; `XJ2` the pen after the last piece, `YJ1` the current row.
float XJ0, XJ1, XJ2, YJ1;
const FreshEachRun kFreshEachRun(XJ0, XJ1, XJ2, YJ1);

// The height of the boxes of row r: the quotient row is taller for a
// built-up fraction.
float RowHeight(int row) {
  return row == 4 ? 70 : 48;
}

// `text` in box c of row r (its place kept by `OperationBoxes`).
void FillBox(int row, int box, const std::string& text) {
  const int k = 3 * (row - 1) + box;
  PlainCell(X_a(k), Y_a(k), box == 3 ? 120 : 60, RowHeight(row), 3, 0, 15, text);
}

// Box c of row r at (x, `YJ1`), its place kept, with its placeholder.
void EmptyBox(int row, int box, float x, const std::string& placeholder) {
  const int k = 3 * (row - 1) + box;
  X_a(k) = x;
  Y_a(k) = YJ1;
  FillBox(row, box, placeholder);
  XJ2 = X;
}

// The exact value of a number as its box shows it.
ExactFraction ShownValue(const std::string& text) {
  const std::optional<ExactFraction> value = ExactNumberValue(text);
  if (!value) RaiseError(kOverflow, Where::current());
  return *value;
}

// Number `i` (1 or 2), shown as `text`, into its box in every row.
void NumberIntoBoxes(int i, const std::string& text) {
  T_s(i) = text;
  for (int row = 1; row <= 4; ++row) FillBox(row, i, T_s(i));
}

void OperationRow(int row, float label_y) {
  PrintAt(X_sa(row + 4), XJ0, label_y, 0);
  YJ1 = Y;
  EmptyBox(row, 1, XJ1, "①");
  PrintAt(X_sa(row), XJ2 + 10, YJ1, 0);
  XJ2 = X;
  EmptyBox(row, 2, XJ2 + 10, "②");
  PrintAt("=", XJ2 + 10, YJ1, 0);
  XJ2 = X;
  EmptyBox(row, 3, XJ2 + 10, "③");
}

// A number strictly between 0 and 100, asked until one comes, with its
// exact value: the entry as typed (a decimal text or a fraction), so that
// no single-precision rounding reaches the boxes or the results. The range
// is judged on that value and on the text the boxes will show, so an entry
// worth 100 exactly ("30/.3", which single precision makes 99.99999) and one
// shown as 100 ("99.999997") are asked again like a typed 100.
ExactFraction AskNumberBelow100(const std::string& prompt) {
  for (;;) {
    AA_s = prompt;
    AskMenuNumber();
    ClearPromptArea();
    // No exact value only for a zero denominator ("5/0", worth 0 to the
    // field): the field's nine characters always fit in 64 bits.
    const std::optional<ExactFraction> typed = ExactEntryValue(AINP_s);
    if (!typed) continue;
    const double value = ExactToDouble(*typed);
    const std::string shown = ExactNumberText(*typed);
    if (value > 0 && value < 100 && shown != "0" && shown != "100") return *typed;
  }
}

}  // namespace

void OperationBoxes() {
  XJ0 = 840;
  XJ1 = XJ0 + 40;
  YJ1 = 30;
  X_sa(1) = "+";
  X_sa(2) = "-";
  X_sa(3) = "*";
  X_sa(4) = "/";
  X_sa(5) = "ア";
  X_sa(6) = "イ";
  X_sa(7) = "ウ";
  X_sa(8) = "エ";
  YJ1 = YJ1 - 55;
  for (int row = 1; row <= 3; ++row) OperationRow(row, YJ1 + 55);
  OperationRow(4, YJ1 + 55 + 20);
}

TypedPair AskTwoNumbers() {
  TypedPair typed;
  typed.first = AskNumberBelow100("①　を入力して下さい。");
  T(1) = AINP;
  NumberIntoBoxes(1, ExactNumberText(typed.first));
  typed.second = AskNumberBelow100("② を入力して下さい。");
  T(2) = AINP;
  NumberIntoBoxes(2, ExactNumberText(typed.second));
  return typed;
}

void ReduceQuotient(ExactFraction first, ExactFraction second) {
  const ExactFraction quotient = ExactQuotient(first, second);
  // The shell's reduction works in single precision: it is given only terms
  // that it holds and writes exactly. The markup comes from the exact
  // fraction in any case.
  const std::int64_t kLargestTerm = 9999999;
  if (std::abs(quotient.numerator) <= kLargestTerm && quotient.denominator <= kLargestTerm) {
    DS = static_cast<float>(quotient.numerator);
    DB = static_cast<float>(quotient.denominator);
    ReduceFraction();
  }
  A2_s = ExactFractionMarkup(quotient);
}

void OperationResults(const std::optional<TypedPair>& typed) {
  // A typed pair is shown from its exact value, rounded as the results
  // are; a pair the page sets is shown as the runtime writes it.
  T_s(1) = typed ? ExactNumberText(typed->first) : NumberText(T(1));
  T_s(2) = typed ? ExactNumberText(typed->second) : NumberText(T(2));
  for (int row = 1; row <= 4; ++row) {
    FillBox(row, 1, T_s(1));
    FillBox(row, 2, T_s(2));
  }
  const ExactFraction first = typed ? typed->first : ShownValue(T_s(1));
  const ExactFraction second = typed ? typed->second : ShownValue(T_s(2));
  for (int row = 1; row <= 3; ++row) {
    ExactFraction result;
    if (row == 1) result = ExactSum(first, second);
    if (row == 2) result = ExactDifference(first, second);
    if (row == 3) result = ExactProduct(first, second);
    T(3) = Checked(ExactToDouble(result));
    WaitAnyKey();
    FillBox(row, 3, ExactNumberText(result));
  }
  WaitAnyKey();
  ReduceQuotient(first, second);
  FillBox(4, 3, A2_s);
}

}  // namespace vindrel
