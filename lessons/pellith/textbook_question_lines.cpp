#include "textbook_question_lines.h"

#include "layout_cursor.h"
#include "shell.h"

namespace pellith {

void QuestionThenAnswer(const std::string& label, const std::string& question,
                        const std::string& answer, float x, float y) {
  Say(label, x, y, 3);
  Continue(question, 0);
  WaitAnyKey();
  Continue(answer, 5);
}

}  // namespace pellith
