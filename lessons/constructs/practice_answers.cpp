// Practice-answer topics and their pages: a title cell, a number cell for
// each problem and the answers beside the sub-questions.
#include "practice_answers.h"

#include "explanation_page.h"
#include "page_faces.h"
#include "shell.h"
#include "topic_submenu.h"

void PracticeAnswersTopic(const std::string& items, std::initializer_list<Action> pages) {
  TopicSubmenu(items, pages);
}

void PracticeAnswersPage(const PracticeAnswersLayout& layout, const std::string& title) {
  OpenPage({.width = layout.width,
            .height = layout.height,
            .left = layout.xi0,
            .margin = layout.xi1,
            .top = 30});
  Cell(XI1, YI1, layout.title_width, layout.title_height, 0, 3, 13, title);
  KeepCursor();
}

void ProblemNumberCell(const std::string& number, float x, float y) {
  Cell(x, y, 44, 44, 13, 4, 3, number);
  KeepCursor();
}

void ProblemNumberCellBesideTitle(const PracticeAnswersLayout& layout, const std::string& number) {
  ProblemNumberCell(number, XI2 + layout.number_gap, YI1);
}
