// Worked answers in columns: the answer pages that set several problems side
// by side, each problem a label at the column's margin, the problem on the
// label's line and its working line under line, some lines going on right
// after the one before.
//
// A page draws its header (a heading or title cells) itself, then its
// columns. Every piece is a text statement: after it the layout cursor stands
// after it (`XI2`, `YI1`), and the next piece is placed from there.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// One line of a worked answer.
struct AnswerLine {
  std::string text;
  float colour = 0;
  // A new line: this far below the line before, at the working margin `XI1`
  // moved right by `shift`. Beside: on the same line, `shift` right of where
  // the text before it ended.
  float step = 0;
  float shift = 0;
  bool beside = false;
  // The first pair of brackets of the line drawn tall (round fractions).
  bool tall_brackets = false;
};

// A line under the one before.
inline AnswerLine Below(std::string text, float step, float colour = 0, float shift = 0) {
  return {std::move(text), colour, step, shift, false};
}
// A line that goes on after the text before it, `gap` further right.
inline AnswerLine Beside(std::string text, float colour, float gap = 0) {
  return {std::move(text), colour, 0, gap, true};
}
// The same line with its first pair of brackets drawn tall.
inline AnswerLine TallBrackets(AnswerLine line) {
  line.tall_brackets = true;
  return line;
}
// The problem on its label's line, 27 right of the working margin.
inline AnswerLine Problem(std::string text, float colour = 0) {
  return Below(std::move(text), 0, colour, 27);
}

// One problem: its label at the column's margin `XI0`, `gap` below the line
// before (below the column's top for the first), then its lines in order. An
// empty label prints nothing and only moves the line.
struct WorkedAnswer {
  std::string label;
  float gap = 0;
  std::vector<AnswerLine> lines;
  float label_colour = 3;
};

// A column begins: its margin `XI0` = `left`, the working margin `XI1` =
// `left` + `indent`, and the line `YI1` = `top`.
void AnswerColumn(float left, float indent = 54, float top = 30);
// Problems one under another in the current column.
void WorkedAnswers(std::initializer_list<WorkedAnswer> answers);

// One column of a page: its left edge and its problems.
struct AnswerColumnOf {
  float left;
  std::vector<WorkedAnswer> answers;
};
// Whole columns drawn left to right at once, each begun at `top`.
void AnswerColumns(std::initializer_list<AnswerColumnOf> columns, float indent = 54,
                   float top = 30);
