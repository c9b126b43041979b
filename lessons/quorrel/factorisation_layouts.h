// The layout of Quorrel's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace quorrel {

inline constexpr PracticeAnswersLayout kPracticeAnswers = kShortPracticeAnswers;

}  // namespace quorrel
