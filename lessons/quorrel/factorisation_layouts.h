// The layout of Quorrel's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace quorrel {

inline constexpr PracticeAnswersLayout kPracticeAnswers{.width = 1760,
                                                        .height = 1300,
                                                        .xi0 = 40,
                                                        .xi1 = 94,
                                                        .title_width = 240,
                                                        .title_height = 46,
                                                        .number_gap = 44};

}  // namespace quorrel
