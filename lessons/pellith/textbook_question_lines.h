// A textbook question and its answer on one line of a page: the label in
// colour 3, the question in colour 0, a key, the answer in colour 5 right
// after the question.
#pragma once

#include <string>

namespace pellith {

// The label at (x, y); the layout cursor ends after the answer.
void QuestionThenAnswer(const std::string& label, const std::string& question,
                        const std::string& answer, float x, float y);

}  // namespace pellith
