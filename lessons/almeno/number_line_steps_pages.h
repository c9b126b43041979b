// The pages of the topic on the number line: the goal page, the eight step
// tasks with their summary, and the answers of textbook question 6.
#pragma once

#include "construct_globals.h"

namespace almeno {

// "<めあて>" and the topic's aim; returns at once.
void NumberLineStepsGoalPage();
// Eight tasks walked on the number line with the arrow keys, then the
// summary of the four cases.
void StepTasksPage();
// Textbook question 6: eight questions, the answers one per key.
void StepAnswersPage();

}  // namespace almeno
