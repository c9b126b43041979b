// Items ② and ③: two clever ways with a sum of several terms, each marked
// on a worked calculation: swapping the terms so that those of one sign are
// added first, and a pair of terms that add up to 0.
#include "addition_laws_pages.h"
#include "explanation_page.h"
#include "shell.h"

namespace torvane {

namespace {

void CleverCalculationPage(const std::string& question) {
  OpenPage({.width = 1320, .height = 1300, .left = 40, .margin = 67, .top = 20});
  Say(question, XI0, YI1, 0);
}

}  // namespace

void SignGroupingPage() {
  CleverCalculationPage("問 次の計算はどんなくふうをしていますか。");
  Say(" ", XI0, YI1 + 75, 3);
  Continue(" 3-8+7-5", 0);
  Say("=3", XI1, YI1 + 60, 0);
  MarkedPiece("+7-8", 1, 2);
  Y_a(1) = YI1 + 50;
  MarkedPiece("-5", 0, 0);
  Say("=(", XI1, YI1 + 60, 0);
  MarkedPiece("3+7", 3, 4);
  Y_a(3) = YI1 + 50;
  MarkedPiece(")+(", 0, 0);
  MarkedPiece("-8-5", 5, 6);
  Y_a(5) = YI1 + 50;
  MarkedPiece(")", 0, 0);
  Say("=10-13", XI1, YI1 + 60, 0);
  Say("=-3", XI1, YI1 + 60, 0);

  WaitAnyKey();
  Stroke(X_a(1), Y_a(1), X_a(2), Y_a(1), 3, 8);
  WaitAnyKey();
  Say("①加法の交換法則を使っている。", XI1, YI1 + 90, 3);
  WaitAnyKey();
  Stroke(X_a(3), Y_a(3), X_a(4), Y_a(3), 3, 8);
  Stroke(X_a(5), Y_a(5), X_a(6), Y_a(5), 3, 8);
  WaitAnyKey();
  Say("②正の数どうし、負の数どうしを先に計算している。", XI1, YI1 + 70, 3);
}

void ZeroSumPage() {
  CleverCalculationPage("問　次の計算はどんなくふうをしていますか。");
  Say(" -3+9-5-9", XI1, YI1 + 75, 0);
  Say("=-3", XI1, YI1 + 60, 0);
  // Each term of the pair struck through from its top left down across it.
  MarkedPiece("+9", 1, 2);
  Y_a(1) = YI1;
  Stroke(X_a(1), Y_a(1), X_a(2), Y_a(1) + 43, 3, 5);
  MarkedPiece("-5", 0, 0);
  MarkedPiece("-9", 3, 4);
  Y_a(3) = YI1;
  Stroke(X_a(3), Y_a(3), X_a(4), Y_a(3) + 40, 3, 5);
  Say("=-3-5", XI1, YI1 + 60, 0);
  Say("=-8", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("① 9-9=0を使っている。", XI1, YI1 + 70, 3);
}

}  // namespace torvane
