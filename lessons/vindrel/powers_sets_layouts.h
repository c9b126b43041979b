// The layout of Vindrel's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace vindrel {

// Pages 2 and 3: the title cell at the text margin.
inline constexpr PracticeAnswersLayout kPracticeAnswers{.width = 1760,
                                                        .height = 1800,
                                                        .xi0 = 40,
                                                        .xi1 = 94,
                                                        .title_width = 360,
                                                        .title_height = 46,
                                                        .number_gap = 30};
// Page 1: a wider title cell at the outer margin; the page then sets the
// text margin itself.
inline constexpr PracticeAnswersLayout kFirstPracticeAnswers{.width = 1760,
                                                             .height = 1800,
                                                             .xi0 = 40,
                                                             .xi1 = 40,
                                                             .title_width = 484,
                                                             .title_height = 46,
                                                             .number_gap = 30};

}  // namespace vindrel
