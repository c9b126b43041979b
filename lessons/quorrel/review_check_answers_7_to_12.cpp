// Items ② to ⑥ of "学びをたしかめよう": the worked answers of questions 7 to
// 12 under the title, in two columns. The number cell of questions 7 to 10
// stands beside the title; that of 11 under the title at the left margin,
// and after a key that of 12 under the right column, its answer below it.
#include "construct_globals.h"
#include "layout_cursor.h"
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

namespace {

constexpr float kLeft = 40, kRight = 600;

void QuestionPage(const char* number) {
  ReviewAnswersPage("学びをたしかめよう");
  ReviewNumberCellBesideTitle(number);
}

}  // namespace

void ReviewCheckAnswers7() {
  QuestionPage("7");
  AnswerColumns({
      {kLeft,
       {
           Worked("(1)", 60, "(-3)+(-7)", {{50, "=-(3+7)"}}, "=-10"),
           Worked("(2)", 60, "(-1.7)+(+0.3)", {{50, "=-(1.7-0.3)"}}, "=-1.4"),
           Worked("(3)", 70, "(-ﾀ1/2ﾀ)+(-ﾀ1/7ﾀ)",
                  {{70, "=-(ﾀ1/2ﾀ+ﾀ1/7ﾀ)"}, {70, "=-(ﾀ7/14ﾀ+ﾀ2/14ﾀ)"}}, "=-ﾀ9/14ﾀ"),
       }},
      {kRight,
       {
           Worked("(4)", 0, "(+5)-(+9)", {{50, "=(+5)+(-9)"}, {50, "=-(9-5)"}}, "=-4"),
           Worked("(5)", 60, "(-2.2)-(-3.1)", {{50, "=(-2.2)+(+3.1)"}, {50, "=+(3.1-2.2)"}},
                  "=0.9"),
           Worked("(6)", 70, "(+ﾀ2/3ﾀ)-(-ﾀ3/4ﾀ)",
                  {{70, "=(+ﾀ2/3ﾀ)+(+ﾀ3/4ﾀ)"}, {70, "=ﾀ2/3ﾀ+ﾀ3/4ﾀ"}, {70, "=ﾀ8/12ﾀ+ﾀ9/12ﾀ"}},
                  "=ﾀ17/12ﾀ"),
       }},
  });
}

void ReviewCheckAnswers8() {
  QuestionPage("8");
  // Each result stands on a line of its own.
  AnswerColumns({
      {kLeft,
       {
           {"(1)", 60, {Beside("-5+2", 0), Below("=-3", 50, 5)}},
           {"(2)", 60, {Beside("-7-2", 0), Below("=-9", 50, 5)}},
           {"(3)", 60, {Beside("-9-6+2", 0), Below("=-15+2", 50), Below("=-13", 50, 5)}},
       }},
      {kRight,
       {
           {"(4)", 0, {Beside("27+25+(-27)+(-24)", 0), Below("=52+(-51)", 50), Below("=1", 50, 5)}},
       }},
  });
}

void ReviewCheckAnswers9() {
  QuestionPage("9");
  AnswerColumns({
      {kLeft,
       {
           Worked("(1)", 60, "3*(-2)", {{50, "=-(3*2)"}}, "=-6"),
           Worked("(2)", 60, "(-8)/(-2)", {{50, "=+(8/2)"}}, "=4"),
           Worked("(3)", 60, "(-1.6)*(-0.2)", {{50, "=+(1.6*0.2)"}}, "=0.32"),
           Worked("(4)", 60, "4.5/(-0.3)", {{50, "=-(45/3)"}}, "=-15"),
       }},
      {kRight,
       {
           Worked("(5)", 20, "(-ﾀ21/10ﾀ)*ﾀ5/7ﾀ",
                  {{70, "=-(ﾀ21/10ﾀ*ﾀ5/7ﾀ)"}, {70, "=-(ﾀ3/2ﾀ*ﾀ1/1ﾀ)"}}, "=-ﾀ3/2ﾀ"),
           Worked("(6)", 80, "(-ﾀ4/9ﾀ)/(-ﾀ4/3ﾀ)",
                  {{80, "=(-ﾀ4/9ﾀ)*(-ﾀ3/4ﾀ)"}, {80, "=+(ﾀ4/9ﾀ*ﾀ3/4ﾀ)"}, {80, "=+(ﾀ1/3ﾀ*ﾀ1/1ﾀ)"}},
                  "=ﾀ1/3ﾀ"),
       }},
  });
}

void ReviewCheckAnswers10() {
  QuestionPage("10");
  AnswerColumns({
      {kLeft,
       {
           Worked("(1)", 60, "(-2)*6*5", {{50, "=-10*6"}}, "=-60"),
           Worked("(2)", 80, "(-ﾀ1/2ﾀ)*16*(-ﾀ3/4ﾀ)",
                  {{70, "=+(ﾀ1/2ﾀ*16*ﾀ3/4ﾀ)"}, {70, "=+(ﾀ1/1ﾀ*2*ﾀ3/1ﾀ)"}}, "=6"),
           Worked("(3)", 80, "(-48)/6*4", {{50, "=-8*4"}}, "=-32"),
       }},
      {kRight,
       {
           Worked("(4)", 40, "(-ﾀ1/6ﾀ)/(-ﾀ7/24ﾀ)/(-ﾀ4/7ﾀ)",
                  {{70, "=(-ﾀ1/6ﾀ)*(-ﾀ24/7ﾀ)*(-ﾀ7/4ﾀ)"},
                   {70, "=-(ﾀ1/6ﾀ*ﾀ24/7ﾀ*ﾀ7/4ﾀ)"},
                   {70, "=-(ﾀ1/1ﾀ*ﾀ1/1ﾀ*ﾀ1/1ﾀ)"}},
                  "=-1"),
       }},
  });
}

void ReviewCheckAnswers11to12() {
  ReviewAnswersPage("学びをたしかめよう");
  ReviewNumberCell("11", XI0, YI1 + 60);
  AnswerColumns(
      {
          {kLeft,
           {
               Worked("(1)", 50, "3^4", {{50, "=3*3*3*3"}}, "=81"),
               Worked("(2)", 60, "(-6)^2", {{50, "=(-6)*(-6)"}}, "=36"),
               Worked("(3)", 60, "-3^4", {{50, "=-(3*3*3*3)"}}, "=-81"),
               Worked("(4)", 60, "(-2)^3*5", {{50, "=-(2*2*2*5)"}}, "=-40"),
           }},
      },
      54, YI1);
  AnswerColumns({
      {kRight,
       {
           Worked("(5)", 0, "6-12/(-3)", {{50, "=6+4"}}, "=10"),
           Worked("(6)", 60, "6-3*(7-4)", {{50, "=6-3*3"}, {50, "=6-9"}}, "=-3"),
       }},
  });
  WaitAnyKey();
  ReviewNumberCell("12", XI0, YI1 + 60);
  Say("(ｲ)31 , (ｳ)41", XI0, YI1 + 60, 5);
}

}  // namespace quorrel
