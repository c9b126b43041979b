// Practice-answer topics and their pages: a title cell, a number cell for
// each problem and the answers beside the sub-questions. Each program passes
// its own layout.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "layout_cursor.h"
#include "program.h"

// How a program's practice-answer pages are laid out.
struct PracticeAnswersLayout {
  float width, height;              // the blanking box
  std::optional<float> xi0;         // outer margin; unset, `XI0` stays as it was
  float xi1;                        // text margin
  float title_width, title_height;  // the title cell
  float number_gap;                 // number cell beside the title, this far right of it
  // The same pages with other margins (a page or screen whose columns
  // stand elsewhere).
  constexpr PracticeAnswersLayout WithMargins(float outer, float text) const {
    PracticeAnswersLayout moved = *this;
    moved.xi0 = outer;
    moved.xi1 = text;
    return moved;
  }
};

// The layouts several programs' answer pages share.
// A short page (1300 high), a 240-wide title cell at the text margin and the
// number cell 44 right of it.
inline constexpr PracticeAnswersLayout kShortPracticeAnswers{.width = 1760,
                                                             .height = 1300,
                                                             .xi0 = 40,
                                                             .xi1 = 94,
                                                             .title_width = 240,
                                                             .title_height = 46,
                                                             .number_gap = 44};
// The whole screen, a 360-wide title cell at the text margin, the number
// cell 30 right of it.
inline constexpr PracticeAnswersLayout kFullPracticeAnswers{.width = 1760,
                                                            .height = 1800,
                                                            .xi0 = 40,
                                                            .xi1 = 94,
                                                            .title_width = 360,
                                                            .title_height = 46,
                                                            .number_gap = 30};
// The whole screen, a 484-wide title cell at the outer margin (the page sets
// its text margin itself), the number cell 30 right of it.
inline constexpr PracticeAnswersLayout kWideTitlePracticeAnswers{.width = 1760,
                                                                 .height = 1800,
                                                                 .xi0 = 40,
                                                                 .xi1 = 40,
                                                                 .title_width = 484,
                                                                 .title_height = 46,
                                                                 .number_gap = 30};

// A practice-answers topic has no goal page: its entry is its submenu.
void PracticeAnswersTopic(const std::string& items, std::initializer_list<Action> pages);
// A practice-answers page begins: blanked, margins set, `YI1` = 30 and the
// title cell at (`XI1`, 30); the cursor stands after the title cell.
void PracticeAnswersPage(const PracticeAnswersLayout& layout, const std::string& title);
// The 44 x 44 cell with a problem's number at (x, y); the cursor moves to
// its line, after it.
void ProblemNumberCell(const std::string& number, float x, float y);
// The same cell on the title's line, the layout's gap right of the title.
void ProblemNumberCellBesideTitle(const PracticeAnswersLayout& layout, const std::string& number);
