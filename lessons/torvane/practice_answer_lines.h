// The practice-answer pages of addition and subtraction as tables of lines,
// each line placed below the one before it in its column and read by one
// routine.
#pragma once

#include <initializer_list>

namespace torvane {

struct PracticeAnswerLine {
  enum Kind {
    kScreen,       // a new screen: blanked, the header, its first column
    kColumn,       // the next column, from the top
    kKey,          // a key wait
    kProblem,      // a label "(n)" in colour 3 and its problem in colour 0
    kWorking,      // a working line in colour 0
    kAnswer,       // the answer in colour 5 on a line of its own
    kAnswerAfter,  // the answer in colour 5 behind the last working line
    kVerdict,      // whether a statement holds, in colour 3
  } kind;
  const char* text = "";     // a problem's label, or the line's text
  float step = 0;            // the Y step from the line before; a column's `XI0`
  const char* problem = "";  // kProblem: the problem's text
  float indent = 54;         // kScreen: `XI1` - `XI0` (a column keeps the one before)
};

// The lines of each kind (a line below the one before by 50 unless given).
constexpr PracticeAnswerLine Screen(float xi0, float indent = 54) {
  return {PracticeAnswerLine::kScreen, "", xi0, "", indent};
}
constexpr PracticeAnswerLine Column(float xi0) {
  return {PracticeAnswerLine::kColumn, "", xi0};
}
constexpr PracticeAnswerLine Key() {
  return {PracticeAnswerLine::kKey};
}
constexpr PracticeAnswerLine LabelledProblem(const char* label, const char* problem, float step) {
  return {PracticeAnswerLine::kProblem, label, step, problem};
}
constexpr PracticeAnswerLine Working(const char* text, float step = 50) {
  return {PracticeAnswerLine::kWorking, text, step};
}
constexpr PracticeAnswerLine Answer(const char* text, float step = 50) {
  return {PracticeAnswerLine::kAnswer, text, step};
}
constexpr PracticeAnswerLine AnswerAfter(const char* text) {
  return {PracticeAnswerLine::kAnswerAfter, text};
}
constexpr PracticeAnswerLine Verdict(const char* text) {
  return {PracticeAnswerLine::kVerdict, text, 50};
}

// Where a problem's text stands: right after its label, or 16 right of the
// column's working lines.
enum class ProblemPlace { kAfterLabel, kPastMargin };

// Draws the lines of practice-answers page `number` in order. Each screen's
// header is the title cell "練習問題" at `XI1`, 30 and the page's number
// 44 right of it; each column starts from `YI1` = 30.
void PracticeAnswerLines(const char* number, ProblemPlace place,
                         std::initializer_list<PracticeAnswerLine> lines);

}  // namespace torvane
