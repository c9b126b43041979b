// Item ③: two factor trees of 72, grown node by node (72 = 8 × 9 and
// 72 = 6 × 12), each ending in 72 = 2³ × 3², then the meaning of prime
// factorisation.
#include <string>

#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "prime_factorisation_pages.h"
#include "shell.h"

namespace quorrel {

namespace {

constexpr float kNodeWidth = 90, kNodeHeight = 50;

// The columns of a tree from its left edge.
void TreeColumns(float left) {
  U(1) = left;
  for (int c = 2; c <= 4; ++c) U(c) = U(c - 1) + kNodeWidth + 40;
  for (int c = 1; c <= 4; ++c) U(c + 10) = U(c) + kNodeWidth;
}

// The rows of both trees, 30 apart from 70 below the title line: a box is
// 50 high, and the boxes of a column stand at least two rows apart.
void TreeRows() {
  V(1) = YI1 + 70;
  for (int r = 2; r <= 8; ++r) V(r) = V(r - 1) + 30;
  for (int r = 1; r <= 8; ++r) V(r + 10) = V(r) + 25;
}

// A prime leaf is shaded; every other node is white.
void NodeFill(const std::string& text) {
  CCC3 = (text == "2" || text == "3" || text == "5") ? 13 : 15;
}

void NodeBox(float column, float row, const std::string& text) {
  Cell(U(column), V(row), kNodeWidth, kNodeHeight, 3, 0, CCC3, text);
}

// A branch from the middle of the parent's right side to the middle of the
// child's left side, then the child over its end.
void Child(float column, float row, const std::string& text) {
  NodeFill(text);
  PsLINE(U(T(1) + 10), V(T(2) + 10), U(column), V(row + 10), 0);
  NodeBox(column, row, text);
}

// One call of the node routine: the parent at (column, row) and its two
// children.
struct Split {
  float parent_column, parent_row;
  float first_column, first_row;
  float second_column, second_row;
  const char *parent, *first, *second;
};

void GrowTree(std::initializer_list<Split> splits) {
  for (const Split& s : splits) {
    T(1) = s.parent_column;
    T(2) = s.parent_row;
    T(3) = s.first_column;
    T(4) = s.first_row;
    T(5) = s.second_column;
    T(6) = s.second_row;
    T_s(51) = s.parent;
    T_s(52) = s.first;
    T_s(53) = s.second;
    FactorTreeNode();
  }
}

}  // namespace

void FactorTreeNode() {
  NodeFill(T_s(51));
  NodeBox(T(1), T(2), T_s(51));
  WaitAnyKey();
  Child(T(3), T(4), T_s(52));
  WaitAnyKey();
  Child(T(5), T(6), T_s(53));
}

void FactorTreePage() {
  FE_SETDRAWWIDTH(5);
  OpenPage({.width = 1760, .height = 1800, .left = 40, .margin = 94, .top = 30});

  Say("Q3 ", XI0, YI1, 7);
  Continue("72を素数だけの積で表してみよう。", 0);
  WaitAnyKey();

  TreeRows();
  TreeColumns(40);
  GrowTree({
      {1, 4, 2, 2, 2, 6, "72", "8", "9"},
      {2, 2, 3, 1, 3, 3, "8", "2", "4"},
      {2, 6, 3, 5, 3, 7, "9", "3", "3"},
      {3, 3, 4, 2, 4, 4, "4", "2", "2"},
  });
  WaitAnyKey();
  Say("72=2^3*3^2", XI1, V(7) + 100, 5);

  TreeColumns(640);
  WaitAnyKey();
  GrowTree({
      {1, 4, 2, 2, 2, 6, "72", "6", "12"},
      {2, 2, 3, 1, 3, 3, "6", "2", "3"},
      {2, 6, 3, 5, 3, 7, "12", "3", "4"},
      {3, 7, 4, 6, 4, 8, "4", "2", "2"},
  });
  WaitAnyKey();
  Say("72=2^3*3^2", U(1), V(7) + 80, 3);

  YI1 = V(18);
  WaitAnyKey();
  Say("自然数を素数の積として表すことを", XI0, YI1 + 120, 0);
  Continue("素因数分解", 5);
  Continue("するという。", 0);
  WaitAnyKey();
  Say("どんな順序で行っても同じ結果になる。", XI0, YI1 + 60, 0);
}

}  // namespace quorrel
