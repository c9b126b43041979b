// Item ④: the positive and the negative numbers whose absolute values are 2
// and 5, with arcs that measure their distance from 0, and the rules of
// order they show.
#include "explanation_page.h"
#include "figure_globals.h"
#include "figures.h"
#include "layout_cursor.h"
#include "order_absolute_value_pages.h"
#include "page_faces.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// The point of `value` and a dotted arc above the line from 0 to it, `bulge`
// sixteenths high; no label.
void PointWithDistance(float value, float colour, float bulge) {
  DiscOnLine(value, colour);
  // Right of 0 the arc lies left of its chord, left of 0 right of it: above.
  DottedArc({.x0 = X_a(32),
             .y0 = Y_a(31),
             .x1 = X_a(32) + 80 * value,
             .y1 = Y_a(31),
             .side = value > 0 ? -1.0f : 1.0f,
             .step = 1,
             .bulge = bulge,
             .colour = colour,
             .label_colour = 3,
             .label = ""});
}

// The answer in colour 3 behind "解答…", then the two rules it shows, 40
// behind it and one below the other.
void AnswerAndRules(float y, const std::string& answer, const std::string& first_rule,
                    const std::string& second_rule) {
  Say("解答…", 44, y, 0);
  Continue(answer, 3);
  U(1) = X + 40;
  V(1) = Y;
  WaitAnyKey();
  Say(first_rule, U(1), V(1), 5);
  Say(second_rule, U(1), V(1) + 50, 5);
}

}  // namespace

void AbsoluteValueOrderPage() {
  ExplanationPage(1760, 1800, 48, 18);
  Say("問　絶対値が2,5である正の数をいいなさい。", XI1, YI1, 0);
  Y_a(31) = 270;
  AbsoluteValueNumberLine();
  WaitAnyKey();
  PointWithDistance(2, 7, 1.5);
  PointWithDistance(5, 9, 3);
  WaitAnyKey();
  AnswerAndRules(YI1 + 75, "+2,+5", "①正の数は0より大きい", "②正の数は絶対値が大きいほど大きい");
  Say("問2　絶対値が2,5である負の数をいいなさい。", XI1, YI1 + 240, 0);

  WaitAnyKey();
  PointWithDistance(-2, 7, 1.5);
  PointWithDistance(-5, 9, 3);
  WaitAnyKey();
  AnswerAndRules(YI1 + 60, "-2,-5", "①負の数は0より小さい", "②負の数は絶対値が大きいほど小さい");
  WaitAnyKey();
  TextbookTaskLine("教科書 問3 をしなさい。", 44, YI1 + 60);
}

}  // namespace almeno
