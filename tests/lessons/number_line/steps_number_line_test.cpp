// The steps number line, the arrow of a move with its distance, the arrow-key
// exercise and one step task against the operation log; then the topic's
// pages driven through the player from the main menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "almeno_steps_line.h"
#include "construct_globals.h"
#include "figures.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "pellith_steps_line.h"
#include "shell.h"
#include "submenu_lines.h"
#include "torvane_steps_line.h"

namespace {

class StepsTest : public StartedPageTest {
 protected:
  // The line at y, then a clean log.
  void LineAt(float y) {
    Y_a(31) = y;
    almeno::StepsNumberLine();
    ClearLog();
  }
  // The texts of the notice box (the exercise's prompt), in order.
  std::vector<std::string> NoticeTexts() {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops("print")) {
      if (op.nums[0] == 48 && op.nums[1] == 666) out.push_back(op.text);
    }
    return out;
  }
  // How often the figure area of a line at 590 was wiped: one per redraw.
  int FigureWipes() {
    return static_cast<int>(std::count_if(Log().begin(), Log().end(), [](const LoggedOp& op) {
      return op.name == "box" && op.nums[0] == 20 && op.nums[1] == 470 && op.nums[2] == 1100 &&
             op.nums[3] == 680;
    }));
  }
  int Notices() {
    int n = 0;
    for (const LoggedOp& op : Ops("print")) n += op.nums[0] == 48 && op.nums[1] == 666;
    return n;
  }
};

std::vector<double> Nums(std::initializer_list<double> v) {
  return v;
}

// ---- the line -----------------------------------------------------------------------

TEST_F(StepsTest, TheLineAtAGivenLevelHasItsTicksAndLabelsAndErasesNothing) {
  FE_SETDRAWWIDTH(9);
  Y_a(31) = 590;
  almeno::StepsNumberLine();

  // The axis and 25 ticks; the lines after them draw the labels' minus signs.
  auto lines = Ops("line");
  ASSERT_GE(lines.size(), 26u);
  EXPECT_EQ(lines[0].nums, Nums({60, 590, 1060, 590, 0, 5}));  // no arrowhead
  for (int i = 1; i <= 25; ++i) {
    const double x = 80 + 40 * (i - 1);
    const bool long_tick = i % 5 == 3;  // -10, -5, 0, 5, 10
    EXPECT_EQ(lines[i].nums, Nums({x, long_tick ? 560.0 : 570.0, x, 590, long_tick ? 7.0 : 0.0, 5}))
        << "tick " << i;
  }
  EXPECT_EQ(MarkupPrints(), (std::vector<std::string>{"546 599 0 0", "746 599 0 5", "933 599 0 10",
                                                      "333 599 0 -5", "119 599 0 -10"}));

  EXPECT_EQ(X_a(31), 80);
  EXPECT_EQ(X_a(32), 560);
  EXPECT_EQ(X_a(33), 1040);
  EXPECT_EQ(Y_a(31), 590);
  EXPECT_EQ(Y_a(32), 570);
  EXPECT_EQ(Y_a(33), 560);
  EXPECT_EQ(Y_a(34), 540);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  EXPECT_EQ(II, 26);
  EXPECT_EQ(N, 32);
  EXPECT_EQ(IRO, 0);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(Y, 599);
  EXPECT_EQ(X, 119 + 3 * 27);  // after "-10"
  EXPECT_EQ(AA_s, "");
  EXPECT_TRUE(Ops("box").empty());  // it erases nothing
}

TEST_F(StepsTest, LevelZeroSelects240) {
  Y_a(31) = 0;
  almeno::StepsNumberLine();
  EXPECT_EQ(Y_a(31), 240);
  EXPECT_EQ(Ops("line")[0].nums, Nums({60, 240, 1060, 240, 0, 5}));
  EXPECT_EQ(Y_a(34), 190);
}

TEST_F(StepsTest, EachProgramEndsTheLineWithItsOwnDiscsAndLabels) {
  struct Case {
    Routine line;
    std::vector<std::vector<double>> discs;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {almeno::StepsNumberLine,
       {},
       {"546 529 0 0", "746 529 0 5", "933 529 0 10", "333 529 0 -5", "119 529 0 -10"}},
      {torvane::StepsNumberLine, {{560, 520, 9, 7, 5}}, {"546 529 0 0"}},
      {pellith::StepsNumberLine, {}, {"546 529 0 0"}},
  };
  for (const Case& c : cases) {
    Y_a(31) = 520;
    ClearLog();
    c.line();
    std::vector<std::vector<double>> discs;
    for (const LoggedOp& op : Ops("disc")) discs.push_back(op.nums);
    EXPECT_EQ(discs, c.discs);
    EXPECT_EQ(MarkupPrints(), c.labels);
    EXPECT_EQ(Ops("line")[0].nums, Nums({60, 520, 1060, 520, 0, 5}));
    EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  }
}

// ---- the arrow and its distance ----------------------------------------------------

TEST_F(StepsTest, AMoveOneUnitRightDrawsItsArrowDotsAndLabel) {
  LineAt(590);
  X_a(22) = 5;
  X_a(2) = 760;
  X_a(1) = 800;
  StepArrowSecond();

  const auto& log = Log();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[0].Line(), "box\t20\t470\t1100\t680\t15\t15\t15\t3");
  EXPECT_EQ(log[1].Line(), "disc\t760\t540\t9\t7\t3");  // the start dot
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].nums, Nums({760, 540, 800, 540, 3, 12}));
  EXPECT_EQ(lines[1].nums, Nums({784, 548, 800, 540, 3, 12}));
  EXPECT_EQ(lines[2].nums, Nums({784, 532, 800, 540, 3, 12}));
  // 13 dots on the shaft, then the label centred over the middle, its pen
  // 21 above the arrow.
  EXPECT_EQ(Ops("disc").size(), 1u + 13u);
  EXPECT_EQ(MarkupPrints(), (std::vector<std::string>{"766.5 519 0 1"}));
  EXPECT_EQ(T_s(5), "1");
  EXPECT_EQ(X11, 760);
  EXPECT_EQ(X12, 800);
  EXPECT_EQ(IRO, 3);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 12);
  EXPECT_EQ(MUKI, 0);
  EXPECT_EQ(AAAY, 0);
}

TEST_F(StepsTest, TheSecondMoveIsColouredByItsDirectionAndLabelledWithItsLength) {
  struct Case {
    float start_units, start_x, marker_x;
    double colour;  // of the arrow; -1: no arrow
    const char* label;
    float left, right;
  };
  const Case cases[] = {
      {5, 760, 560, 5, "5", 560, 760},     // to the left: colour 5, label positive
      {-12, 80, 1040, 3, "24", 80, 1040},  // the whole line
      {-2, 480, 480, -1, "keep", 480, 480},
  };
  for (const Case& c : cases) {
    LineAt(590);
    T_s(5) = "keep";
    X_a(22) = c.start_units;
    X_a(2) = c.start_x;
    X_a(1) = c.marker_x;
    StepArrowSecond();
    EXPECT_EQ(T_s(5), c.label);
    EXPECT_EQ(X11, c.left);
    EXPECT_EQ(X12, c.right);
    auto lines = Ops("line");
    if (c.colour < 0) {
      // On the start: no arrow and no label, a dot over the start dot.
      EXPECT_TRUE(lines.empty());
      EXPECT_TRUE(MarkupPrints().empty());
      auto discs = Ops("disc");
      ASSERT_EQ(discs.size(), 2u);
      EXPECT_EQ(discs[0].nums, Nums({480, 540, 9, 7, 3}));
      EXPECT_EQ(discs[1].nums, Nums({480, 540, 9, 7, 3}));
      EXPECT_EQ(IRO, 5);
    } else {
      ASSERT_EQ(lines.size(), 3u);
      EXPECT_EQ(lines[0].nums, Nums({c.start_x, 540, c.marker_x, 540, c.colour, 12}));
      ASSERT_EQ(MarkupPrints().size(), 1u);
      EXPECT_EQ(MarkupPrints()[0].substr(MarkupPrints()[0].rfind(' ') + 1), c.label);
      EXPECT_EQ(IRO, c.colour);
    }
  }
}

TEST_F(StepsTest, FirstEntryHasNoStartDotAndLeavesTheDistanceAlone) {
  LineAt(520);
  T_s(5) = "keep";
  X_a(22) = 7;  // not read
  X_a(2) = 560;
  X_a(1) = 440;
  StepArrow();
  EXPECT_EQ(Log()[0].Line(), "box\t20\t400\t1100\t610\t15\t15\t15\t3");
  EXPECT_EQ(Ops("disc").size(), 13u);  // the dots of the arc only
  EXPECT_EQ(Ops("line")[0].nums, Nums({560, 470, 440, 470, 5, 12}));
  EXPECT_EQ(MarkupPrints(), (std::vector<std::string>{"486.5 449 0 3"}));
  EXPECT_EQ(A1_s, "3");
  EXPECT_EQ(X1, 440);
  EXPECT_EQ(X2, 560);
  EXPECT_EQ(IRO1, 5);
  EXPECT_EQ(T_s(5), "keep");

  // On the start: only the dot, at the width the arrow left.
  ClearLog();
  X_a(1) = 560;
  StepArrow();
  ASSERT_EQ(Ops("disc").size(), 1u);
  EXPECT_EQ(Ops("disc")[0].nums, Nums({560, 470, 9, 7, 12}));
  EXPECT_TRUE(Ops("line").empty());
}

TEST_F(StepsTest, TheMoveAloneForAProgramsOwnRedraw) {
  LineAt(590);
  T_s(5) = "keep";
  X_a(22) = 5;  // not read
  X_a(2) = 760;
  X_a(1) = 640;
  StepArrowSecondMove();
  // Nothing erased and no start dot: the arrow, its 13 dots and the label.
  EXPECT_TRUE(Ops("box").empty());
  EXPECT_EQ(Ops("disc").size(), 13u);
  EXPECT_EQ(Ops("line")[0].nums, Nums({760, 540, 640, 540, 5, 12}));
  EXPECT_EQ(MarkupPrints(), (std::vector<std::string>{"686.5 519 0 3"}));
  EXPECT_EQ(X11, 640);
  EXPECT_EQ(X12, 760);
  EXPECT_EQ(IRO, 5);
  EXPECT_EQ(T_s(5), "keep");

  // On the start: the dot alone.
  ClearLog();
  X_a(1) = 760;
  StepArrowSecondMove();
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].nums, Nums({760, 540, 9, 7, 12}));
}

// ---- the key exercise --------------------------------------------------------------

TEST_F(StepsTest, MarkerStaysOnTheLineAndEnterCountsOnlyOnTheTarget) {
  LineAt(590);
  // At 12, target 11: right stays at 12, Enter there is refused, a letter
  // is ignored without a redraw, left reaches 11 and Enter is accepted.
  X_a(22) = 12;
  X_a(1) = X_a(2) = 1040;
  X_a(3) = 1000;
  Keys("Right Enter a Left Enter");
  StepMoveLoop("-1", StepArrowSecond, almeno::StepsNumberLine);
  EXPECT_EQ(X_a(1), 1000);
  EXPECT_EQ(I_s, "\r");
  EXPECT_EQ(Notices(), 5);
  EXPECT_EQ(FigureWipes(), 4);
  EXPECT_EQ(T_s(5), "1");
  EXPECT_EQ(NoticeTexts()[0], Utf8("←→キーで-1の移動, ENTERで次へ"));

  // At -12 the left key leaves the marker there.
  ClearLog();
  X_a(22) = -12;
  X_a(1) = X_a(2) = 80;
  X_a(3) = 120;
  Keys("Left Enter Right Right Left Enter");
  StepMoveLoop("1", StepArrowSecond, almeno::StepsNumberLine);
  EXPECT_EQ(X_a(1), 120);
  EXPECT_EQ(FigureWipes(), 6);
}

TEST_F(StepsTest, TheGivenMoveIsRedrawnThenTheLineOverItAfterEachArrowOrEnter) {
  LineAt(590);
  X_a(1) = X_a(2) = 560;
  X_a(3) = 600;
  std::string calls;
  Keys("Right a Left Right Enter");
  StepMoveLoop(
      "+1", [&] { calls += "move "; }, [&] { calls += "line "; });
  // The letter brings the prompt back with no redraw; nothing but the two
  // given routines draws the figure.
  EXPECT_EQ(calls, "move line move line move line move line ");
  EXPECT_EQ(NoticeTexts(), std::vector<std::string>(5, Utf8("←→キーで+1の移動, ENTERで次へ")));
  EXPECT_EQ(FigureWipes(), 0);
}

// ---- one step task -----------------------------------------------------------------

TEST_F(StepsTest, EachTaskErasesThePreviousFigureAndTakesOnlyItsTarget) {
  // Before the first task no line has been drawn in the run: the erasing
  // box stands around x 0, on the blank page.
  const char* const kAfterATask = "box\t20\t470\t1100\t680\t15\t15\t15\t3";
  struct Case {
    float start, move;
    const char* keys;
    const char* prompt;
    const char* answer;  // "x y colour text"
    const char* distance;
    const char* start_dot;
    const char* erased;  // the figure of the line drawn last
  };
  const Case cases[] = {
      {5, 3, "Right Right Right Enter", "←→キーで3の移動, ENTERで次へ", "866 599 3 8", "3",
       "disc\t760\t540\t9\t7\t3", "box\t-60\t470\t60\t680\t15\t15\t15\t3"},
      // Enter on the start and one unit short are refused.
      {5, -7, "Enter Left Left Left Left Left Left Enter Left Enter",
       "←→キーで-7の移動, ENTERで次へ", "453 599 5 -2", "7", "disc\t760\t540\t9\t7\t3",
       kAfterATask},
      {-2, -3, "Right Left Left Left Left Enter", "←→キーで-3の移動, ENTERで次へ", "333 599 5 -5",
       "3", "disc\t480\t540\t9\t7\t3", kAfterATask},
      {3, -3, "Left Left Left Enter", "←→キーで-3の移動, ENTERで次へ", "546 599 7 0", "3",
       "disc\t680\t540\t9\t7\t3", kAfterATask},
  };
  for (const Case& c : cases) {
    Y_a(31) = 590;
    X_a(1) = c.start;
    X_a(2) = c.move;
    Keys(c.keys);
    ClearLog();
    almeno::StepTaskSetup();

    // The previous figure erased first, the start dot drawn after the line.
    EXPECT_EQ(Log()[0].Line(), c.erased);
    const auto discs = Ops("disc");
    ASSERT_FALSE(discs.empty());
    EXPECT_EQ(discs[0].Line(), c.start_dot);
    EXPECT_EQ(NoticeTexts()[0], Utf8(c.prompt));
    EXPECT_EQ(MarkupPrints().back(), c.answer);

    EXPECT_EQ(X_a(4), c.start + c.move);
    EXPECT_EQ(X_a(22), c.start);
    EXPECT_EQ(X_a(1), 560 + 40 * (c.start + c.move));
    EXPECT_EQ(X_a(3), X_a(1));
    EXPECT_EQ(X_a(2), 560 + 40 * c.start);
    EXPECT_EQ(X_sa(4), X_sa(3));
    EXPECT_EQ(X_sa(4), std::string(c.answer).substr(std::string(c.answer).rfind(' ') + 1));
    EXPECT_EQ(T_s(5), c.distance);
    EXPECT_EQ(Y, 599);
  }
}

// ---- the topic's pages through the player ---------------------------------------

// "text colour" of the page's markup prints, in order.
std::vector<std::string> MarkupTexts(const PlayerRun& run, double below_y = 900) {
  std::vector<std::string> out;
  for (const std::string& line : run.log) {
    if (line.rfind("print\tPrintMarkup\t", 0) != 0) continue;
    const std::vector<std::string> f = Fields(line);
    if (std::stod(f[3]) >= below_y) continue;  // measuring, or below a given line
    out.push_back(f[5] + " " + f[4]);
  }
  return out;
}
// Index of the last occurrence of `text` in `texts`, -1 when absent.
int LastIndex(const std::vector<std::string>& texts, const std::string& text) {
  for (int i = static_cast<int>(texts.size()) - 1; i >= 0; --i) {
    if (texts[i] == text) return i;
  }
  return -1;
}

const char* const kSubmenu = SubmenuOf("almeno", 4);

// The keys of one task: arrows to the target, Enter, and the page's waits.
std::string Task(const std::string& walk, bool wait_before, bool wait_after) {
  std::string keys = wait_before ? "a " : "";
  keys += walk + " Enter a a";
  if (wait_after) keys += " a";
  return keys + " ";
}

// From the main menu through item 1 to the submenu again.
std::string EightTasksKeys() {
  std::string keys = "4 Enter 1 Enter ";
  keys += Task("Right Right Right", false, true);
  keys += Task("Right Right Right Right Right", false, true);
  keys += Task("Left Left Left Left Left Left Left", false, true);
  keys += Task("Left Left", false, false);
  // Task 5: right first, Enter refused twice, back to 2.
  keys += Task("Right Enter Left Left Enter Left Left", false, false);
  keys += "a a ";                                // なぜ？, the right column
  keys += Task("x Left Left Left", true, true);  // a letter is ignored
  keys += Task("Right Right Right Right", true, true);
  keys += Task("Right Right Right", true, true);
  keys += "a a a a a a a a a a";  // the summary
  return keys;
}

TEST(NumberLineStepsPages, EightTasksShowTheirAnswersAndDirectionsThenTheTaskLine) {
  // Back to the main menu, and the end.
  const PlayerRun run = RunPlayer("almeno", EightTasksKeys() + " 3 Enter 7 Enter");
  EXPECT_EQ(run.exit_code, 0) << run.ending;
  EXPECT_EQ(KeyWaits(PrintsOf(run)), 37);
  // One prompt per key of the eight walks (refused keys included).
  EXPECT_EQ(PrintsAt(run, "DrawPlainText", 48, 666).size(), 4u + 6 + 8 + 3 + 8 + 5 + 5 + 4);

  const auto texts = MarkupTexts(run);
  // The answers in colour 5 and the directions in colour 7, in task order.
  std::vector<std::string> answers, directions;
  for (const std::string& t : MarkupTexts(run, 470)) {  // above the number line
    const std::string text = t.substr(0, t.rfind(' '));
    const std::string colour = t.substr(t.rfind(' ') + 1);
    const bool number = text.find_first_not_of("-0123456789") == std::string::npos;
    if (colour == "5" && number) answers.push_back(t);
    if (colour == "7") directions.push_back(t);
  }
  EXPECT_EQ(answers,
            (std::vector<std::string>{"8 5", "1 5", "-2 5", "-6 5", "2 5", "-5 5", "9 5", "1 5"}));
  EXPECT_EQ(directions,
            (std::vector<std::string>{Utf8(" 右へ3 7"), Utf8(" 右へ5 7"), Utf8(" 左へ7 7"),
                                      Utf8(" 左へ2 7"), Utf8(" 左へ3 7"), Utf8(" 左へ3 7"),
                                      Utf8(" 右へ4 7"), Utf8(" 右へ3 7")}));
  // The page ends on the task line, and the submenu asks again below it.
  const auto task_line =
      std::find(run.log.begin(), run.log.end(),
                "print\tPrintMarkup\t44\t600\t0\t" + Utf8("教科書 問6　をしなさい。"));
  ASSERT_NE(task_line, run.log.end());
  const auto next_print = std::find_if(task_line + 1, run.log.end(), [](const std::string& l) {
    return l.rfind("print\t", 0) == 0;
  });
  ASSERT_NE(next_print, run.log.end());
  EXPECT_EQ(*next_print, "print\tDrawPlainText\t16\t666\t0\t" + Utf8(kSubmenu));
  EXPECT_NE(LastIndex(texts, Utf8("  5より 0")), -1);
  const auto menus = PrintsAt(run, "DrawPlainText", 16, 666);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[1], Utf8(kSubmenu));
  // The goal page came before the page.
  const int goal = LastIndex(texts, Utf8("<めあて> 3"));
  ASSERT_NE(goal, -1);
  EXPECT_EQ(texts[goal + 1], Utf8("数直線を使って、ある数より大きい数や小さい数を求めよう。 0"));
  EXPECT_EQ(texts[goal + 2], Utf8("課題 次の数を求めなさい。 3"));
}

// The step tasks page as the learner sees it, from its heading on: "x y
// colour text" of every text above the line and of the answer written under
// it (its number labels and the distance labels left out), "KEY" for every
// press-a-key wait.
std::vector<std::string> StepTasksEvents(const std::vector<Shown>& shown) {
  std::vector<Shown> page;
  for (const Shown& s : shown) {
    if (page.empty() && s.text != Utf8("課題 次の数を求めなさい。")) continue;
    if (s.text == "MENU" || s.text == "NEXT" || s.y == 519) continue;
    if (s.y == 599 && s.colour == 0) continue;  // the line's own labels
    page.push_back(s);
  }
  return ShownLines(page);
}

TEST(NumberLineStepsPages, StepTasksStandInTwoColumnsAndRevealInTheirOrder) {
  const ItemRun r = RunItem("almeno", EightTasksKeys(), kSubmenu);
  // Left column: label at 40, question after it, the walk (its answer under
  // the target's tick), a key, the answer 20 after the question, a key, the
  // direction. No key between tasks (4) and (5), nor after (5)'s direction.
  // Right column: label at 616, a key, the rewording at 697 one line lower,
  // the walk, a key, the answer on the question's line 47 (task 6) or 50
  // after the end of the rewording, a key, the direction.
  const std::vector<std::vector<std::string>> tasks = {
      {"40 30 3 課題 次の数を求めなさい。"},
      {"40 90 3 (1)", "121 90 0  5より3大きい数", "866 599 3 8", "KEY", "426 90 5 8", "KEY",
       "453 90 7  右へ3", "KEY"},
      {"40 150 3 (2)", "121 150 0 -4より5大きい数", "586 599 3 1", "KEY", "426 150 5 1", "KEY",
       "453 150 7  右へ5", "KEY"},
      {"40 210 3 (3)", "121 210 0  5より7小さい数", "453 599 5 -2", "KEY", "426 210 5 -2", "KEY",
       "480 210 7  左へ7", "KEY"},
      {"40 270 3 (4)", "121 270 0 -4より2小さい数", "293 599 5 -6", "KEY", "426 270 5 -6", "KEY",
       "480 270 7  左へ2"},
      {"40 330 3 (5)", "121 330 0  5より-3大きい数", "626 599 3 2", "KEY", "453 330 5 2", "KEY",
       "480 330 7  左へ3"},
      {"94 380 3  なぜ？", "KEY", "94 380 0   5より", "243 380 3 3小さい数", "KEY"},
      {"616 30 3 (6)", "697 30 0 -2より-3大きい数", "KEY", "697 80 0 -2より", "819 80 3 3小さい数",
       "333 599 5 -5", "KEY", "1029 30 5 -5", "KEY", "1083 30 7  左へ3", "KEY"},
      {"616 140 3 (7)", "697 140 0  5より-4小さい数", "KEY", "697 190 0  5より",
       "819 190 3 4大きい数", "906 599 3 9", "KEY", "1032 140 5 9", "KEY", "1059 140 7  右へ4",
       "KEY"},
      {"616 250 3 (8)", "697 250 0 -2より-3小さい数", "KEY", "697 300 0 -2より",
       "819 300 3 3大きい数", "586 599 3 1", "KEY", "1032 250 5 1", "KEY", "1059 250 7  右へ3",
       "KEY"},
      // The summary, where the number line stood.
      {"40 440 5 <まとめ>", "KEY", "256 440 0 ① 3大きい→", "480 440 3 右へ3", "KEY",
       "635 440 0 ② 3小さい→", "859 440 3 左へ3", "KEY"},
      {"44 490 0 ③ -3大きい→", "KEY", "295 490 3 3小さい", "424 490 0 →", "KEY", "458 490 3 左へ3",
       "KEY", "613 490 0 ④ -3小さい→", "KEY", "864 490 3 3大きい", "993 490 0 →", "KEY",
       "1027 490 3 右へ3", "KEY"},
      {"44 540 5 ※負の数の場合は、正の数を使ったことばで表してから求める。", "KEY",
       "44 600 0 教科書 問6　をしなさい。"},
  };
  std::vector<std::string> want;
  for (const auto& task : tasks) {
    for (const std::string& e : task) want.push_back(Utf8(e));
  }
  EXPECT_EQ(StepTasksEvents(r.shown), want);
  // " なぜ？" is wiped by a white box before its answer takes the place.
  EXPECT_NE(std::find(r.run.log.begin(), r.run.log.end(), "box\t94\t380\t394\t430\t15\t15\t15\t3"),
            r.run.log.end());
}

TEST(NumberLineStepsPages, Question6AnswersComeOneAKeyThenTheSubmenu) {
  std::string keys = "4 Enter 2 Enter";
  for (int i = 0; i < 8; ++i) keys += " a";
  // One key short: the page does not reach the submenu.
  const PlayerRun short_run = RunPlayer("almeno", keys.substr(0, keys.size() - 2));
  EXPECT_EQ(PrintsAt(short_run, "DrawPlainText", 16, 666).size(), 1u);

  const PlayerRun run = RunPlayer("almeno", keys);
  EXPECT_EQ(KeyWaits(PrintsOf(run)), 8);
  const auto texts = MarkupTexts(run);
  const std::vector<std::string> expected_end = {Utf8("-4 5"), Utf8("3小さい数 3"),
                                                 Utf8("5 5"),  Utf8("3大きい数 3"),
                                                 Utf8("4 5"),  Utf8("8大きい数 3")};
  ASSERT_GE(texts.size(), expected_end.size());
  EXPECT_EQ(std::vector<std::string>(texts.end() - expected_end.size(), texts.end()), expected_end);
  const auto menus = PrintsAt(run, "DrawPlainText", 16, 666);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[1], Utf8(kSubmenu));

  // The heading, the line at 520 and the first answer after its question.
  EXPECT_EQ(PrintsAt(run, "PrintMarkup", 74, 30),
            std::vector<std::string>{Utf8("教科書　問6の解答")});
  EXPECT_NE(std::find(run.log.begin(), run.log.end(), "line\t60\t520\t1060\t520\t0\t5"),
            run.log.end());
  EXPECT_EQ(PrintsAt(run, "PrintMarkup", 44, 80),
            std::vector<std::string>{Utf8("(1)-5より3大きい数")});
}

}  // namespace
