#include "addition_topics.h"
#include "programs.h"

namespace torvane {

const ProgramDescription& Program() {
  static const ProgramDescription program{
      .title = "Torvane",
      .items = {"1　加法", "2　小数、分数", "3　減法", "4　正の数に符号をつけない計算、項",
                "5　工夫した計算、計算法則", "6　加減混合", "7　練習問題", "8　終了"},
      .dispatch = {AdditionTopic, DecimalsFractionsTopic, SubtractionTopic, TermsTopic,
                   AdditionLawsTopic, MixedAddSubTopic, AddSubPracticeAnswers},
      // The first topic's entry follows the table.
      .after_table = AdditionTopic,
  };
  return program;
}

}  // namespace torvane
