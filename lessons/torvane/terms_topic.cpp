// Sums written without plus signs, and terms.
#include "addition_topics.h"
#include "goal_page.h"
#include "terms_pages.h"
#include "topic_submenu.h"

namespace torvane {

void TermsGoalPage() {
  GoalPage(32, {
                   {"①正の符号をつけずに表した式の計算をしよう。"},
                   {"②項、正の項、負の項がいえるようになろう。"},
               });
}

void TermsTopic() {
  TopicEntry(TopicStart::kAsLeft, TermsGoalPage,
             "①+なし例　②練習　③練習()なし　④問7　⑤項　⑥項練習　⑦終了",
             {
                 NoPlusSignExamples,       // ①+なし例
                 PracticeWithBrackets,     // ②練習
                 PracticeWithoutBrackets,  // ③練習()なし
                 TermsAnswersPage,         // ④問7
                 TermsExplanationPage,     // ⑤項
                 TermsPractice,            // ⑥項練習
             });
}

}  // namespace torvane
