#include "factorisation_topics.h"
#include "programs.h"

namespace quorrel {

const ProgramDescription& Program() {
  static const ProgramDescription program{
      .title = "Quorrel",
      .items = {"1　素因数分解", "2　素因数分解と約数・倍数", "3　練習問題",
                "4　正の数・負の数の利用", "5　学びをたしかめよう", "6　学びを身につけよう", "7　",
                "8　終了"},
      .dispatch = {PrimeFactorisationTopic, DivisorsMultiplesTopic, FactorPracticeAnswers,
                   SignedNumbersUseTopic, ReviewCheckTopic, ReviewMasterTopic, nullptr},
  };
  return program;
}

}  // namespace quorrel
