// The layout of Quorrel's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace quorrel {

inline constexpr PracticeAnswersLayout kPracticeAnswers{1760, 1300, true, 40, 94, 240, 46, 44};

}  // namespace quorrel
