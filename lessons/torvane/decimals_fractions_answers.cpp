// The worked answers of question 4 of the textbook: two decimal sums and four
// fraction sums in two columns, all at once.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

struct PlacedLine {
  const char* text;
  float x, y;  // where the line starts; an answer (y 0) continues the line before
  float colour;
  bool tall_brackets = false;  // a bracketed sum of fractions
};

// The left column's working at x 114, its questions 76 further left; the
// right column's at 680 and 604.
const PlacedLine kLines[] = {
    {"教科書　問4の答", 74, 30, 3},
    {"(1) (-0.4)+(-0.3)", 38, 100, 0},
    {"=-(0.4+0.3)", 114, 150, 0},
    {"=-0.7", 0, 0, 5},
    {"(2) (+5.3)+(-2.3)", 38, 220, 0},
    {"=+(5.3-2.3)", 114, 270, 0},
    {"=+3", 0, 0, 5},
    {"(3) ", 38, 350, 0},
    {"(-ﾀ3/7ﾀ)+(+ﾀ2/7ﾀ)", 0, 0, 0},
    {"=-(ﾀ3/7ﾀ-ﾀ2/7ﾀ)", 114, 420, 0, true},
    {"=-ﾀ1/7ﾀ", 0, 0, 5},
    {"(4) (-ﾀ4/5ﾀ)+(-ﾀ1/5ﾀ)", 38, 500, 0},
    {"=-(ﾀ4/5ﾀ+ﾀ1/5ﾀ)", 114, 570, 0, true},
    {"=-ﾀ5/5ﾀ=-1", 0, 0, 5},
    {"(5) (-ﾀ1/3ﾀ)+(-ﾀ1/4ﾀ)", 604, 130, 0},
    {"=(-ﾀ4/12ﾀ)+(-ﾀ3/12ﾀ)", 680, 200, 0},
    {"=-(ﾀ4/12ﾀ+ﾀ3/12ﾀ)", 680, 270, 0, true},
    {"=-ﾀ7/12ﾀ", 0, 0, 5},
    {"(6) (+ﾀ1/6ﾀ)+(-ﾀ3/10ﾀ)", 604, 370, 0},
    {"=(+ﾀ5/30ﾀ)+(-ﾀ9/30ﾀ)", 680, 440, 0},
    {"=-(ﾀ9/30ﾀ-ﾀ5/30ﾀ)", 680, 510, 0, true},
    {"=-ﾀ4/30ﾀ=-ﾀ2/15ﾀ", 0, 0, 5},
};

}  // namespace

void DecimalsFractionsAnswersPage() {
  BlankPage(1760, 1300);
  for (const PlacedLine& line : kLines) {
    // The printer draws one bracketed group tall, then clears KAKKO itself.
    if (line.tall_brackets) KAKKO = 1;
    if (line.y == 0) {
      Continue(line.text, line.colour);
    } else {
      Say(line.text, line.x, line.y, line.colour);
    }
  }
}

}  // namespace torvane
