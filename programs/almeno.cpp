#include "introduction_topics.h"
#include "programs.h"

namespace almeno {

const ProgramDescription& Program() {
  static const ProgramDescription program{
      .title = "Almeno",
      .items = {"1　0より小さい数", "2　正の数・負の数で量を表すこと", "3　数の大小",
                "4　数直線を使って", "5　練習問題", "6　", "7　終了"},
      .dispatch = {BelowZeroTopic, SignedQuantitiesTopic, OrderAbsoluteValueTopic,
                   NumberLineStepsTopic, OrderingPracticeAnswers, nullptr},
      // The first topic's entry follows the table.
      .after_table = BelowZeroTopic,
  };
  return program;
}

}  // namespace almeno
