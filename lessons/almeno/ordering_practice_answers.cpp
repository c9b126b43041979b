// The answers to the practice problems of the signed-number introduction.
#include "introduction_topics.h"
#include "ordering_practice_pages.h"
#include "practice_answers.h"

namespace almeno {

void OrderingPracticeAnswers() {
  PracticeAnswersTopic("練習問題 ①1,2,3　②4,5　③終了",
                       {
                           OrderingAnswersProblems1To3,   // ①1,2,3
                           OrderingAnswersProblems4And5,  // ②4,5
                       });
}

}  // namespace almeno
