#include "multiplication_topics.h"
#include "programs.h"

namespace pellith {

const ProgramDescription& Program() {
  static const ProgramDescription program{
      .title = "Pellith",
      .items = {"1　乗法", "2　除法", "3　逆数と除法、分数の乗除", "4　交換、結合、乗除混合",
                "5　練習問題", "6　", "7　終了"},
      .dispatch = {MultiplicationTopic, DivisionTopic, ReciprocalFractionTopic, LawsMixedTopic,
                   MulDivPracticeAnswers, nullptr},
  };
  return program;
}

}  // namespace pellith
