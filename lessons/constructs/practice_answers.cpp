// Practice-answer topics and their pages: a title cell, a number cell for
// each problem and the answers beside the sub-questions.
#include "practice_answers.h"

#include "explanation_page.h"
#include "shell.h"
#include "topic_submenu.h"

void PracticeAnswersTopic(const std::string& items, std::initializer_list<Routine> pages) {
  TopicSubmenu(items, pages);
}

void PracticeAnswersPage(const PracticeAnswersLayout& layout, const std::string& title) {
  BlankPage(layout.width, layout.height);
  if (layout.uses_xi0) XI0 = layout.xi0;
  XI1 = layout.xi1;
  YI1 = 30;
  X = XI1;
  Y = YI1;
  HABA = layout.title_width;
  TATE = layout.title_height;
  CCC1 = 0;
  CCC2 = 3;
  CCC3 = 13;
  A_s = title;
  DrawCellText();
  KeepCursor();
}

void ProblemNumberCell(const std::string& number, float x, float y) {
  X = x;
  Y = y;
  HABA = 44;
  TATE = 44;
  CCC1 = 13;
  CCC2 = 4;
  CCC3 = 3;
  A_s = number;
  DrawCellText();
  KeepCursor();
}

void ProblemNumberCellBesideTitle(const PracticeAnswersLayout& layout, const std::string& number) {
  ProblemNumberCell(number, XI2 + layout.number_gap, YI1);
}
