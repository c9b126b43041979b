// The layouts of Pellith's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace pellith {

inline constexpr PracticeAnswersLayout kPracticeAnswers{1760, 1300, true, 40, 94, 240, 46, 44};
// Pages 3 and 4: the whole screen blanked, a wider title cell, the page
// number 30 right of it; page 3's title stands at the outer margin.
inline constexpr PracticeAnswersLayout kPracticeAnswersPage3{1760, 1800, true, 40, 40, 484, 46, 30};
inline constexpr PracticeAnswersLayout kPracticeAnswersPage4{1760, 1800, true, 40, 94, 360, 46, 30};

}  // namespace pellith
