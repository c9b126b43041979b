// Table cells with markup text: a filled box of HABA x TATE with its text
// centred, the pen left at the cell's right edge for the next cell of a row.
//
// A line of markup counts 44 units high, 50 when it holds a built-up
// fraction. The text is measured before it is printed; the measuring print
// may clear KAKKO (a tall ")"), so the visible print gets the caller's flag.
//
// A text wider than its cell is drawn narrowed, at its own height and on its
// own line, so that it stays inside the cell instead of running over the
// cell's border and whatever stands beside it. A text that fits is drawn as
// it is.
//
// In: the cell's top left X, Y, its size HABA x TATE, the border CCC2, the fill
// CCC3, the text colour CCC1, the text A_s (A1_s over A2_s for two lines),
// KAKKO. Out: X, Y at the cell's top right. Work: X1, Y1, Y2, Y3, Y4, Y22,
// LT1, N1, KAKKO1, MOTOA_s, AA_s, A_s, LLT and PrintMarkup's and
// MeasureMarkupWidth's.
#include <optional>

#include "shell.h"

namespace {

// The room left between a narrowed text and each side of its cell.
constexpr float kNarrowedInset = 4;

// Narrowed drawing for as long as it lives, ended also when a runtime error
// leaves the print.
class Narrowing {
 public:
  Narrowing(float origin_x, float factor) { SetNarrowing(origin_x, factor); }
  ~Narrowing() { SetNarrowing(0, 1); }
  Narrowing(const Narrowing&) = delete;
  Narrowing& operator=(const Narrowing&) = delete;
};

// The left inset that centres a text of width LLT; a text too wide starts at
// the left edge.
void CentreInset() {
  LT1 = (HABA - LLT) / 2;
  if (LT1 < 0) LT1 = 0;
}

// Measures one text of the cell (kept in MOTOA_s, its fraction mark found in
// N1) with the caller's tall-bracket flag left in force afterwards.
void MeasureCellText(const std::string& text) {
  MOTOA_s = text;
  A_s = text;
  N1 = PfKINSTR(text, "ﾀ");
  MeasureMarkupWidth();
  KAKKO = KAKKO1;
  CentreInset();
}

// Prints the measured text centred in the cell, its top at y.
void PrintCellText(float y) {
  X = X1 + LT1;
  Y = y;
  AA_s = MOTOA_s;
  PrintInsideCell(PrintMarkup);
}

}  // namespace

// A text wider than the cell (it then starts at the cell's left edge) is
// narrowed towards the point that takes that edge to kNarrowedInset inside
// the cell and the text's end to kNarrowedInset inside the right side. A
// cell too small for the insets keeps its text as it is.
void PrintInsideCell(void (*print)()) {
  std::optional<Narrowing> narrowing;
  if (LLT > HABA && HABA > 2 * kNarrowedInset) {
    const float factor = (HABA - 2 * kNarrowedInset) / LLT;
    narrowing.emplace(X1 + kNarrowedInset / (1 - factor), factor);
  }
  print();
}

namespace {

// Keeps the cell's corner and the caller's tall-bracket flag.
void BeginCell() {
  X1 = X;
  Y1 = Y;
  KAKKO1 = KAKKO;
}

// The pen goes on to the next cell of the row.
void EndCell() {
  X = X1 + HABA;
  Y = Y1;
}

}  // namespace

void DrawCellText() {
  BeginCell();
  MeasureCellText(A_s);
  Y2 = N1 == 0 ? Y1 + PnFInt((TATE - 44) / 2) : Y1 + PnFInt((TATE - 50) / 2);
  Y3 = Y1 + TATE;
  PsBOX(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  PrintCellText(Y2);
  EndCell();
}

void DrawCellTextPlain() {
  BeginCell();
  MeasureCellText(A_s);
  // Y is the text line; the box is placed around it.
  Y2 = Y1 - PnFInt((TATE - 44) / 2);
  Y3 = Y1 + TATE - PnFInt((TATE - 44) / 2);
  PsBOX(X1, Y2, X1 + HABA, Y3, CCC2, CCC3);
  PrintCellText(Y1);
  EndCell();
}

void DrawTwoLineCell() {
  BeginCell();
  MeasureCellText(A1_s);
  // Each half of the cell counts TATE / 2.
  Y2 = N1 == 0 ? Y1 + PnFInt((TATE / 2 - 44) / 2) : Y1 + PnFInt((TATE / 2 - 50) / 2);
  Y3 = Y1 + TATE;
  PsBOX(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  // An upper text alone stands lower in the cell.
  Y22 = A2_s.empty() ? Y2 + 25 : Y2;
  PrintCellText(Y22);

  MeasureCellText(A2_s);
  Y4 = N1 == 0 ? Y1 + 44 + PnFInt((TATE / 2 - 44) / 2) : Y1 + 50 + PnFInt((TATE / 2 - 50) / 2);
  PrintCellText(Y4);
  EndCell();
}
