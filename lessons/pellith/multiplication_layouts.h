// The layouts of Pellith's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace pellith {

inline constexpr PracticeAnswersLayout kPracticeAnswers{.width = 1760,
                                                        .height = 1300,
                                                        .xi0 = 40,
                                                        .xi1 = 94,
                                                        .title_width = 240,
                                                        .title_height = 46,
                                                        .number_gap = 44};
// Pages 3 and 4: the whole screen blanked, a wider title cell, the page
// number 30 right of it; page 3's title stands at the outer margin.
inline constexpr PracticeAnswersLayout kPracticeAnswersPage3{.width = 1760,
                                                             .height = 1800,
                                                             .xi0 = 40,
                                                             .xi1 = 40,
                                                             .title_width = 484,
                                                             .title_height = 46,
                                                             .number_gap = 30};
inline constexpr PracticeAnswersLayout kPracticeAnswersPage4{.width = 1760,
                                                             .height = 1800,
                                                             .xi0 = 40,
                                                             .xi1 = 94,
                                                             .title_width = 360,
                                                             .title_height = 46,
                                                             .number_gap = 30};

}  // namespace pellith
