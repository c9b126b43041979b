// How Almeno's practice-answer pages are laid out: the number cells stand
// below the title, where the pages place them.
#pragma once

#include "practice_answers.h"

namespace almeno {

inline constexpr PracticeAnswersLayout kBelowZeroAnswers{1760, 1800, true, 40, 90, 484, 48, 0};
inline constexpr PracticeAnswersLayout kOrderingAnswers{1760, 1800, false, 0, 38, 484, 44, 0};

}  // namespace almeno
