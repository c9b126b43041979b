// How Almeno's practice-answer pages are laid out: the number cells stand
// below the title, where the pages place them.
#pragma once

#include "practice_answers.h"

namespace almeno {

inline constexpr PracticeAnswersLayout kBelowZeroAnswers{.width = 1760,
                                                         .height = 1800,
                                                         .xi0 = 40,
                                                         .xi1 = 90,
                                                         .title_width = 484,
                                                         .title_height = 48,
                                                         .number_gap = 0};
inline constexpr PracticeAnswersLayout kOrderingAnswers{.width = 1760,
                                                        .height = 1800,
                                                        .xi0 = std::nullopt,
                                                        .xi1 = 38,
                                                        .title_width = 484,
                                                        .title_height = 44,
                                                        .number_gap = 0};

}  // namespace almeno
