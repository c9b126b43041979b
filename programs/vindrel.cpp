#include "powers_sets_topics.h"
#include "programs.h"

namespace vindrel {

const ProgramDescription& Program() {
  static const ProgramDescription program{
      .title = "Vindrel",
      .items = {"1　同じ数の積", "2　四則をふくむ式の計算", "3　練習問題", "4　数の世界のひろがり",
                "5　", "6　終了"},
      .dispatch = {PowersTopic, OrderOfOperationsTopic, MixedPracticeAnswers, NumberSetsTopic,
                   nullptr},
  };
  return program;
}

}  // namespace vindrel
