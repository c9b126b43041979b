// The four rows ア ①+②=③, イ ①-②=③, ウ ①×②=③ and エ ①÷②=③: their empty
// boxes, the two numbers typed into them and the four results.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "layout_cursor.h"
#include "number_texts.h"
#include "page_faces.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

float XJ0, XJ1, XJ2, YJ1;

namespace {

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

// Number `i` (1 or 2) into its box in every row.
void NumberIntoBoxes(int i) {
  T_s(i) = NumberText(T(i));
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

// A number strictly between 0 and 100, asked until one comes.
float AskNumberBelow100(const std::string& prompt) {
  do {
    AA_s = prompt;
    AskMenuNumber();
    ClearPromptArea();
  } while (AINP <= 0 || AINP >= 100);
  return AINP;
}

// How many decimals a number's text has (the digits after its point,
// and more for a text with an exponent such as "1E-07").
int Decimals(const std::string& text) {
  const size_t e = text.find('E');
  const std::string mantissa = text.substr(0, e);
  const size_t point = mantissa.find('.');
  int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  if (e != std::string::npos) decimals -= std::stoi(text.substr(e + 1));
  return decimals < 0 ? 0 : decimals;
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

void AskTwoNumbers() {
  T(1) = AskNumberBelow100("①　を入力して下さい。");
  NumberIntoBoxes(1);
  T(2) = AskNumberBelow100("② を入力して下さい。");
  NumberIntoBoxes(2);
}

void ReduceQuotient() {
  // The reduction works on whole numbers: numbers with decimals are scaled
  // by the same power of ten until both are whole (0.1 and 0.9: 1 and 9),
  // as the boxes show them.
  const int decimals = std::max(Decimals(T_s(1)), Decimals(T_s(2)));
  const double scale = std::pow(10.0, decimals);
  std::int64_t numerator = std::llround(T(1) * scale);
  std::int64_t denominator = std::llround(T(2) * scale);
  if (decimals > 0) {
    const std::int64_t g = std::gcd(numerator, denominator);
    if (g > 1) {
      numerator /= g;
      denominator /= g;
    }
  }
  DS = static_cast<float>(numerator);
  DB = static_cast<float>(denominator);
  ReduceFraction();
}

void OperationResults() {
  T_s(1) = NumberText(T(1));
  T_s(2) = NumberText(T(2));
  for (int row = 1; row <= 4; ++row) {
    FillBox(row, 1, T_s(1));
    FillBox(row, 2, T_s(2));
  }
  for (int row = 1; row <= 3; ++row) {
    if (row == 1) T(3) = T(1) + T(2);
    if (row == 2) T(3) = T(1) - T(2);
    if (row == 3) T(3) = T(1) * T(2);
    WaitAnyKey();
    FillBox(row, 3, NumberText(T(3)));
  }
  WaitAnyKey();
  ReduceQuotient();
  FillBox(4, 3, A2_s);
}

}  // namespace vindrel
