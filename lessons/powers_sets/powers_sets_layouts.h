// The layout of Vindrel's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace vindrel {

inline constexpr PracticeAnswersLayout kPracticeAnswers{1760, 1800, true, 40, 94, 484, 46, 30};

}  // namespace vindrel
