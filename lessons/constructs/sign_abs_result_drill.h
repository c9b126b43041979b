// The drill on random calculations of two signed numbers in three parts on
// one page, each a random example loop in a band of its own below the one
// before: say the sign of the answer (its absolute value is given beside an
// empty box), say its absolute value (its sign is given), then work the
// answer out. 1 at the next-step prompt leads from one part to the next; the
// last example of every part stays on the page above the next part.
//
// A program's drill is its layout, its generators and its texts; what the
// drill does after its third part (a further band of its own, the jump to the
// submenu) follows the call.
#pragma once

#include <functional>
#include <string>

// What one example shows, made by a program's generator after it has drawn
// its numbers into the shared tables.
struct DrillExample {
  std::string question;  // the calculation, ending with "="
  std::string sign;      // the sign of the answer, "+" or "-"
  std::string absolute;  // its absolute value, digits only
  std::string result;    // the answer as the third part writes it
  // The third part writes "答の + は書かない。" 100 right of a positive answer.
  bool plus_note = false;
};
using DrillExampleMaker = std::function<DrillExample()>;

// Where the parts stand and how their answer boxes sit beside the texts.
struct SignAbsResultLayout {
  float margin;                    // `XI1` of every band
  float heading_x;                 // the part's heading, on the band's top line
  float question_dx, question_dy;  // the question, from the margin and the band's top
  float band_tops[3];              // the top of each part's band
  // The first part blanks the page left of x 1320 at each example; the
  // others blank only their band, this high.
  float band_height;
  float box_border;  // colour of the answer boxes' border
  float box_gap;     // from the "=" to the sign box
  float given_gap;   // from the sign box to the absolute value given beside it
  float sign_gap;    // from the given sign to the absolute-value box
};

// The drill's parts, each generator drawing a fresh example.
struct SignAbsResultParts {
  DrillExampleMaker sign;      // the first part's examples
  DrillExampleMaker absolute;  // the second part's
  DrillExampleMaker result;    // the third part's
};

// Runs the three parts in turn; returns when the learner leaves the third
// with 1, the page as it stands. Each part begins with `AINP` = 3 and so
// shows at least one example; the boxes are drawn with the pen width in force.
void SignAbsResultDrill(const SignAbsResultLayout& layout, const SignAbsResultParts& parts);

// The answer boxes are 46 high: 44 wide for the sign, 88 for the absolute
// value (two digits).
inline constexpr float kDrillSignBox = 44, kDrillAbsoluteBox = 88;
