// The pieces every lesson page is written with: the layout cursor, the goal
// page, explanation pages, answer boxes, random example loops, textbook task
// lines, answer pages and the key of a number-line exercise.
//
// A page prints its pieces one after another. After each piece the layout
// cursor stands after it: `XI2` = the pen X after the text, `YI1` = its line.
// The next piece either continues the line (`Continue`) or starts a new one
// at a margin and a line step below (`Say(text, XI1, YI1 + 65, colour)`).
// Everything works on the shared globals; nothing here keeps state.
#pragma once

#include <initializer_list>
#include <string>

#include "construct_globals.h"
#include "program.h"
#include "topic_submenu.h"

// ---- the layout cursor --------------------------------------------------------

// Markup `text` with its top left at (x, y) in `colour`; `X` ends after it.
// The layout cursor is left alone (figure labels).
void PrintAt(const std::string& text, float x, float y, float colour);
// The same, and the layout cursor moves after the text.
void Say(const std::string& text, float x, float y, float colour);
// Continues the current line right after the last piece (at `XI2`, `YI1`).
void Continue(const std::string& text, float colour);
// The layout cursor moves to the pen (`XI2` = `X`, `YI1` = `Y`): after a
// piece drawn by another routine, such as a table cell.
void KeepCursor();

// ---- the goal page ----------------------------------------------------------------

// One aim of a goal page: its line step below the line before and its colour.
struct GoalAim {
  std::string text;
  float step = 65;
  float colour = 0;
};
// "<めあて>" at (44, 240) in colour 3, then each aim on its own line, `indent`
// right of the margin 44. Returns at once: the submenu prompt comes below.
void GoalPage(float indent, std::initializer_list<GoalAim> aims);

// ---- explanation pages ------------------------------------------------------------

// A white box from (0, 0) of the given size; what lies outside it stays.
void BlankPage(float width, float height);
// An explanation page begins: blanked to the given size, the margin `XI1` =
// `left` and the line `YI1` = `top`.
void ExplanationPage(float width, float height, float left, float top);
// A white box from (0, `top`), `width` x `height`: the band of one example,
// or of a second example loop below the last example of the first, which
// stays on the page above it.
void BlankBand(float top, float width, float height);

// ---- answer boxes -----------------------------------------------------------------

// The width of the answer box in the sign drills, the absolute-value drills
// and the drill that rewrites a subtraction as an addition.
inline constexpr float kSignBox = 44, kAbsoluteValueBox = 88, kRewriteBox = 132;
// An empty answer box 46 high right after the last piece (fill colour 13,
// border `border`); its corner is kept in `X11`, `Y11` and the cursor moves
// after it, so the question may go on beside it.
void EmptyAnswerBox(float width, float border = 3);
// The same empty box with its corner at (x, y), kept in `X11`, `Y11`.
void EmptyAnswerBoxAt(float x, float y, float width, float border = 3);
// The same box again at `X11`, `Y11`, now with `answer` in colour 5.
void FillAnswerBox(float width, const std::string& answer, float border = 3);
// The whole reveal: the empty box, a key, the box with the answer.
void RevealAnswerBox(float width, const std::string& answer);

// Without a box: the pen after the last piece is kept as the place of answer
// `slot` (1 to 4: `X11`, `Y11` to `X14`, `Y14`) ...
void KeepAnswerPlace(int slot);
// ... and the answer is printed there later in colour 5.
void ShowAnswerAt(int slot, const std::string& answer);

// ---- random example loops ------------------------------------------------------------

// How a loop begins. Entered from a submenu, the `AINP` = 10 the submenu left
// shows the first example; a loop that follows another part of the same page
// sets `AINP` = 3 first.
enum class LoopEntry { kAsSubmenuLeft, kFreshStart };
// Examples until the learner types exactly 1 at the next-step prompt: each
// pass calls `generate` (random numbers into `T()`, `F()` and their texts; may
// be null) and `show` (blank, draw and reveal the example), then asks
// `AskNextStep`. `NO` counts the finished examples, from 0 on every entry.
void RandomExampleLoop(Routine generate, Routine show, LoopEntry entry = LoopEntry::kAsSubmenuLeft);

// ---- signed expression texts -----------------------------------------------------

// After `TablesToTextAndKeyChoice`: the texts `T$(first)` to `T$(last)` of
// positive numbers get a "+" in front, so that texts set side by side read
// as one signed expression ("3" "+5" "-2"). Zero and negative texts stay.
void PlusSignTexts(int first, int last);

// ---- textbook lines and answer pages -----------------------------------------------

// The line in colour 7 that names the textbook question to do now.
void TextbookTaskLine(const std::string& text, float x, float y);
// An answer page of textbook questions begins: blanked (1760 x 1300 unless
// given), margin and line at the heading, and the heading in `colour`.
void TextbookAnswersPage(const std::string& heading, float x, float y, float colour = 3,
                         float width = 1760, float height = 1300);

// ---- practice answers ------------------------------------------------------------

// How a program's practice-answer pages are laid out.
struct PracticeAnswersLayout {
  float width, height;              // the blanking box
  bool uses_xi0;                    // whether `XI0` is set
  float xi0, xi1;                   // outer and text margin
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
inline constexpr PracticeAnswersLayout kPellithQuorrelAnswers{1760, 1300, true, 40,
                                                              94,   240,  46,   44};
inline constexpr PracticeAnswersLayout kVindrelAnswers{1760, 1800, true, 40, 94, 484, 46, 30};
inline constexpr PracticeAnswersLayout kTorvaneAnswers{1760, 1800, true, 30, 84, 396, 48, 44};
// Almeno's number cells stand below the title (the pages place them).
inline constexpr PracticeAnswersLayout kAlmenoBelowZeroAnswers{1760, 1800, true, 40,
                                                               90,   484,  48,   0};
inline constexpr PracticeAnswersLayout kAlmenoOrderingAnswers{1760, 1800, false, 0, 38, 484, 44, 0};

// A practice-answers topic has no goal page: its entry is its submenu.
void PracticeAnswersTopic(const std::string& items, std::initializer_list<Routine> pages);
// A practice-answers page begins: blanked, margins set, `YI1` = 30 and the
// title cell at (`XI1`, 30); the cursor stands after the title cell.
void PracticeAnswersPage(const PracticeAnswersLayout& layout, const std::string& title);
// The 44 x 44 cell with a problem's number at (x, y); the cursor moves to
// its line, after it.
void ProblemNumberCell(const std::string& number, float x, float y);
// The same cell on the title's line, the layout's gap right of the title.
void ProblemNumberCellBesideTitle(const PracticeAnswersLayout& layout, const std::string& number);

// ---- number-line key exercises ------------------------------------------------------

enum class MarkerKey { kOther, kRight, kLeft, kEnter };
// One key of a number-line exercise: `notice` in the notice box at the
// bottom (text colour 0), then which key the learner pressed (left in `I_s`).
MarkerKey ReadMarkerKey(const std::string& notice);
