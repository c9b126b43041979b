// Subtraction as addition of the opposite: 9 and 3 with all four signs, each
// read as the number so much smaller, then as the number the opposite amount
// larger, then rewritten; then the rule.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

struct Rewriting {
  const char* label;     // "② (-9)": the number and its first term
  const char* second;    // the number subtracted
  const char* first;     // the first term read in words: "-9より"
  const char* smaller;   // "+3小さい"
  const char* larger;    // "-3大きい"
  const char* addition;  // "=(-9)"
  const char* opposite;  // the opposite of the number subtracted
};

const Rewriting kRewritings[] = {
    {"② (-9)", "+3", "-9より", "+3小さい", "-3大きい", "=(-9)", "-3"},
    {"③ (+9)", "-3", "+9より", "-3小さい", "+3大きい", "=(+9)", "+3"},
    {"④ (-9)", "-3", "-9より", "-3小さい", "+3大きい", "=(-9)", "+3"},
};

}  // namespace

void SubtractionRulePage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 61, .top = 30});
  Say("減法を加法になおしなさい。", XI1, YI1, 7);
  Pieces(44, 90,
         {{"① (+9)", 0},
          {"-", 3},
          {"(", 0},
          {"+3", 3},
          {")=(+9)", 0},
          {"+", 3},
          {"(", 0},
          {"-3", 3},
          {")", 0}});
  float y = 150;
  for (const Rewriting& r : kRewritings) {
    Pieces(44, y, {{r.label, 0}, {"-", 3}, {"(", 0}, {r.second, 3}, {")", 0}});
    // Both readings start 132 right of the subtraction's end.
    X11 = XI2;
    WaitAnyKey();
    Pieces(X11 + 132, y, {{r.first, 0}, {r.smaller, 3}, {"数を求める計算", 0}});
    WaitAnyKey();
    Pieces(X11 + 132, y + 60, {{r.first, 0}, {r.larger, 3}, {"数を求める計算", 0}});
    WaitAnyKey();
    Pieces(88, y + 60, {{r.addition, 0}, {"+", 3}, {"(", 0}, {r.opposite, 3}, {")", 0}});
    WaitAnyKey();
    y = y + 120;
  }
  Pieces(XI1, 450 + 80, {{"ひき算", 5}, {"は、その数の", 3}, {"符号を変えてたす", 5}, {"計算", 3}});
}

}  // namespace torvane
