// The three-part drill on the sign, the absolute value and the answer of a
// calculation of two signed numbers.
#include "sign_abs_result_drill.h"

#include "answer_reveal.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace {

// An example of `part` (0 to 2) begins: its band blanked, its heading on the
// band's top line and the question below it; the cursor stands after the "=".
void BeginExample(const SignAbsResultLayout& layout, const DrillExample& example, int part,
                  const char* heading) {
  const float top = layout.band_tops[part];
  SetMargins({.margin = layout.margin, .top = top});
  if (part == 0) {
    BlankPage(1320, 1300);
  } else {
    BlankBand(top, 1320, layout.band_height);
  }
  Say(heading, layout.heading_x, top, 0);
  Say(example.question, XI1 + layout.question_dx, top + layout.question_dy, 0);
}

// The absolute value is given beside the box; the sign is asked.
void ShowSignExample(const SignAbsResultLayout& layout, const DrillExample& example) {
  BeginExample(layout, example, 0, "問①　符号をいいなさい。");
  XI2 = XI2 + layout.box_gap;
  EmptyAnswerBox(kDrillSignBox, layout.box_border);
  Say(example.absolute, XI2 + layout.given_gap, YI1, 3);
  WaitAnyKey();
  FillAnswerBox(kDrillSignBox, example.sign, layout.box_border);
}

// The sign is given after the "="; the absolute value is asked.
void ShowAbsoluteExample(const SignAbsResultLayout& layout, const DrillExample& example) {
  BeginExample(layout, example, 1, "問②　絶対値をいいなさい。");
  Continue(example.sign, 3);
  XI2 = XI2 + layout.sign_gap;
  EmptyAnswerBox(kDrillAbsoluteBox, layout.box_border);
  WaitAnyKey();
  FillAnswerBox(kDrillAbsoluteBox, example.absolute, layout.box_border);
}

// The answer after a key, right after the "=".
void ShowResultExample(const SignAbsResultLayout& layout, const DrillExample& example) {
  BeginExample(layout, example, 2, "問③　次の計算をしなさい。");
  WaitAnyKey();
  Continue(example.result, 5);
  if (example.plus_note) Say("答の + は書かない。", XI2 + 100, YI1, 3);
}

using ExampleShow = void (*)(const SignAbsResultLayout&, const DrillExample&);

// One part: each pass of the loop draws a fresh example and shows it.
void RunPart(const SignAbsResultLayout& layout, const DrillExampleMaker& maker, ExampleShow show) {
  DrillExample example;
  RandomExampleLoop([&] { example = maker(); }, [&] { show(layout, example); },
                    LoopEntry::kFreshStart);
}

}  // namespace

void SignAbsResultDrill(const SignAbsResultLayout& layout, const SignAbsResultParts& parts) {
  RunPart(layout, parts.sign, ShowSignExample);
  RunPart(layout, parts.absolute, ShowAbsoluteExample);
  RunPart(layout, parts.result, ShowResultExample);
}
