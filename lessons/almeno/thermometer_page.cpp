// Item ①: temperatures above and below zero on the thermometer, written with
// "+" and "-"; then textbook questions 1 and 2 with their answers.
#include <cmath>

#include "below_zero_pages.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// A temperature of 1 to 17 degrees; the first of every visit is above zero,
// later ones above or below with equal chance.
void NewTemperature() {
  T(1) = PnFInt(PaRnd() * 17 + 1);
  T(2) = PnFInt(PaRnd() * 2);
  T(2) = (NO == 0 || T(2) == 0) ? 1 : -1;
  T(3) = T(1) * T(2);
  T(4) = std::abs(T(3));
  TablesToTextAndKeyChoice();
  T_s(13) = T(3) > 0 ? "+" + T_s(3) : T_s(3);
}

void ShowTemperature() {
  OpenPage({.width = 1320, .height = 1300, .margin = 44, .top = 30});
  ThermometerFigure();
  Say("+(プラス)と－(マイナス）", XI1, YI1, 3);
  Say("を使って、温度を表そう。", XI1, YI1 + 60, 0);
  MercuryLevel();
  WaitAnyKey();
  Say(T_s(13) + "℃", XI1 + 132, YI1 + 60, 5);
  WaitAnyKey();
  T_s(2) = T(3) > 0 ? "高い" : "低い";
  Say("0℃より" + T_s(4) + "℃" + T_s(2) + "温度", XI1, YI1 + 60, 3);
}

}  // namespace

void ThermometerPage() {
  RandomExampleLoop(NewTemperature, ShowTemperature);

  TextbookTaskLine("教科書 問1 をしなさい。", 40, YI1 + 100);
  WaitAnyKey();
  Say("(1)", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("-3℃ ", 5);
  Continue("(2)", 0);
  WaitAnyKey();
  Continue("-2.5℃", 5);
  WaitAnyKey();

  TextbookTaskLine("教科書 問2 をしなさい。", 40, YI1 + 100);
  WaitAnyKey();
  Say("旭川", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("-4.8℃ ", 5);
  Continue("札幌", 0);
  WaitAnyKey();
  Continue("-4.3℃", 5);
  WaitAnyKey();
  Say("釧路", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("-4℃ ", 5);
  Continue("青森", 0);
  WaitAnyKey();
  Continue("-1℃ ", 5);
}

}  // namespace almeno
