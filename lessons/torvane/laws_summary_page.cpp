// Item ④: the two laws of addition and the two clever ways of calculating;
// then the textbook task line.
#include "addition_laws_pages.h"
#include "explanation_page.h"
#include "shell.h"
#include "textbook_answers.h"

namespace torvane {

void AdditionLawsSummaryPage() {
  OpenPage({.width = 1320, .height = 1300, .top = 18});
  Say("<加法の計算法則>", 88, YI1, 5);
  Say("① 加法の結合法則", 44, YI1 + 75, 3);
  Say("どこから計算してもよい。( )をどこにつけてもよい。", 132, YI1 + 60, 0);
  Say("② 加法の交換法則", 44, YI1 + 75, 3);
  Say(" 　順番を交換することがでる。", 44, YI1 + 60, 0);
  Say("<計算の工夫>", 88, YI1 + 90, 5);
  Say("① 正の数どうし、負の数どうしを先に計算する。", 44, YI1 + 75, 3);
  Say("② たして0になる計算を利用する。", 44, YI1 + 75, 3);
  WaitAnyKey();
  TextbookTaskLine("教科書 問9　をしなさい。", 44, YI1 + 60);
}

}  // namespace torvane
