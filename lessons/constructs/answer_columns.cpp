// Worked answers in columns.
#include "answer_columns.h"

#include "construct_globals.h"
#include "layout_cursor.h"

void AnswerColumn(float left, float indent, float top) {
  SetMargins({.left = left, .indent = indent, .top = top});
}

namespace {

void ShowWorkedAnswer(const WorkedAnswer& answer) {
  Say(answer.label, XI0, YI1 + answer.gap, answer.label_colour);
  for (const AnswerLine& line : answer.lines) {
    if (line.tall_brackets) KAKKO = 1;
    if (line.beside) {
      Say(line.text, XI2 + line.shift, YI1, line.colour);
    } else {
      Say(line.text, XI1 + line.shift, YI1 + line.step, line.colour);
    }
  }
}

}  // namespace

void WorkedAnswers(std::initializer_list<WorkedAnswer> answers) {
  for (const WorkedAnswer& answer : answers) ShowWorkedAnswer(answer);
}

void AnswerColumns(std::initializer_list<AnswerColumnOf> columns, float indent, float top) {
  for (const AnswerColumnOf& column : columns) {
    AnswerColumn(column.left, indent, top);
    for (const WorkedAnswer& answer : column.answers) ShowWorkedAnswer(answer);
  }
}
