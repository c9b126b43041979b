// Every program driven through the player: the menu, every topic's goal
// page and submenu, the way back, and the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "goal_page_check.h"
#include "headless_fixture.h"
#include "page_reader.h"
#include "program_cases.h"
#include "program_items.h"
#include "submenu_lines.h"

namespace {

struct ProgramCase {
  const char* name;
  const char* title;
  std::vector<const char*> items;
  int empty_item;  // 0: none
  // Every topic, in menu order: its goal page and its submenu.
  std::vector<GoalPageCase> topics;
};

const ProgramCase kPrograms[] = {
    {"almeno",
     "Almeno",
     {"1　0より小さい数", "2　正の数・負の数で量を表すこと", "3　数の大小", "4　数直線を使って",
      "5　練習問題", "6　", "7　終了"},
     6,
     {
         {.name = "BelowZero",
          .topic = 1,
          .goal = {"44 240 3 <めあて>",
                   "84 305 0 1 -のついた数は、どんなことを表しているか考えよう。",
                   "84 370 0 2 負の数をふくめた数直線に数を表そう。"}},
         {.name = "SignedQuantities",
          .topic = 2,
          .goal = {"44 240 3 <めあて>", "76 305 0 次の①,②を正の数、負の数を使って表そう。",
                   "76 365 0 ① 反対の性質をもつ量", "76 425 0 ② 基準からの増減や過不足"},
          .clears = true},
         {.name = "OrderAbsoluteValue",
          .topic = 3,
          .goal = {"44 240 3 <めあて>", "76 305 0 1 絶対値の意味を理解しよう。",
                   "76 370 0 2 数直線を使って、数の大小関係を調べよう。"},
          .clears = true},
         {.name = "NumberLineSteps",
          .topic = 4,
          .goal = {"44 240 3 <めあて>",
                   "76 305 0 数直線を使って、ある数より大きい数や小さい数を求めよう。"}},
         {.name = "OrderingPracticeAnswers", .topic = 5},
     }},
    {"torvane",
     "Torvane",
     {"1　加法", "2　小数、分数", "3　減法", "4　正の数に符号をつけない計算、項",
      "5　工夫した計算、計算法則", "6　加減混合", "7　練習問題", "8　終了"},
     0,
     {
         {.name = "Addition",
          .topic = 1,
          .goal = {"44 240 3 <めあて>", "76 305 0 数直線を使って、正負の数の加法を調べよう。",
                   "76 370 0 ※加法…たし算のこと"},
          .clears = true},
         // 6/3 is item 2, the fractions' page of eleven keys.
         {.name = "DecimalsFractions",
          .topic = 2,
          .goal = {"44 240 3 <めあて>", "76 305 0 小数や分数の加法を考えよう。"},
          .clears = true,
          .by_value = "6 / 3 Enter " + Repeat("a", 11),
          .by_value_waits = 11},
         {.name = "Subtraction",
          .topic = 3,
          .goal = {"44 240 3 <めあて>", "76 305 0 正負の数の減法の計算のしかたを考えよう。",
                   "76 370 0 ※減法…ひき算のこと"},
          .clears = true},
         {.name = "Terms",
          .topic = 4,
          .goal = {"44 240 3 <めあて>", "76 305 0 ①正の符号をつけずに表した式の計算をしよう。",
                   "76 370 0 ②項、正の項、負の項がいえるようになろう。"}},
         {.name = "AdditionLaws",
          .topic = 5,
          .goal = {"44 240 3 <めあて>", "76 305 0 ①加法の計算法則を考えよう。",
                   "76 370 0 ②3つ以上の数の加法を工夫して計算しよう。"}},
         {.name = "MixedAddSub",
          .topic = 6,
          .goal = {"44 240 3 <めあて>",
                   "76 305 0 ①加法と減法の混じった式の計算ができるようになろう。",
                   "76 370 0 ②かっこのない式の計算を考えよう。"}},
         {.name = "AddSubPracticeAnswers", .topic = 7},
     }},
    {"pellith",
     "Pellith",
     {"1　乗法", "2　除法", "3　逆数と除法、分数の乗除", "4　交換、結合、乗除混合", "5　練習問題",
      "6　", "7　終了"},
     6,
     {
         {.name = "Multiplication",
          .topic = 1,
          .goal = {"44 240 3 <めあて>", "76 305 0 正の数・負の数の乗法の計算のしかたを考えよう。",
                   "76 370 7 ※乗法…かけ算"}},
         {.name = "Division",
          .topic = 2,
          .goal = {"44 240 3 <めあて>", "76 305 0 1 正の数・負の数の除法の計算のしかたを考えよう。",
                   "76 370 7    ※除法…わり算",
                   "76 435 0 2 正の数・負の数の乗法、除法の計算問題を解こう。"}},
         {.name = "ReciprocalFraction",
          .topic = 3,
          .goal = {"44 240 3 <めあて>", "76 305 0 1　分数をふくむ乗法の計算をしよう。",
                   "76 370 0 2　逆数を使って、除法の計算をしよう。"}},
         {.name = "LawsMixed",
          .topic = 4,
          .goal = {"44 240 3 <めあて>", "76 305 0 1　乗法の交換法則、結合法則を使って計算しよう。",
                   "76 370 0 2　3つ以上の数の乗法、除法の計算をしよう。"}},
         {.name = "MulDivPracticeAnswers", .topic = 5},
     }},
    {"vindrel",
     "Vindrel",
     {"1　同じ数の積", "2　四則をふくむ式の計算", "3　練習問題", "4　数の世界のひろがり", "5　",
      "6　終了"},
     5,
     {
         // 4/2 is worth 2 and opens ②例１, whose eight keys lead back.
         {.name = "Powers",
          .topic = 1,
          .goal = {"44 240 3 <めあて>", "76 305 0 指数の意味を知り、指数をふくむ計算をしよう。"},
          .by_value = "4 / 2 Enter " + Repeat("a", 8),
          .by_value_waits = 8},
         {.name = "OrderOfOperations",
          .topic = 2,
          .goal = {"44 240 3 <めあて>", "76 305 0 1　四則(加減乗除)の混じった計算をしよう。",
                   "76 370 0 2　分配法則を利用した計算をしよう。"}},
         {.name = "MixedPracticeAnswers", .topic = 3},
         {.name = "NumberSets",
          .topic = 4,
          .goal = {"44 240 3 <めあて>", "76 305 0 自然数、整数、数全体数の範囲で、",
                   "76 355 0     いつでもできる加減乗除を調べよう。"}},
     }},
    {"quorrel",
     "Quorrel",
     {"1　素因数分解", "2　素因数分解と約数・倍数", "3　練習問題", "4　正の数・負の数の利用",
      "5　学びをたしかめよう", "6　学びを身につけよう", "7　", "8　終了"},
     7,
     {
         {.name = "PrimeFactorisation",
          .topic = 1,
          .goal = {"44 240 3 <めあて>", "76 305 0 素因数分解できるようになろう。"}},
         {.name = "DivisorsMultiples",
          .topic = 2,
          .goal = {"44 240 3 <めあて>", "76 305 0 素因数分解を利用して約数や倍数を求めよう。"}},
         {.name = "FactorPracticeAnswers", .topic = 3},
         {.name = "SignedNumbersUse",
          .topic = 4,
          .goal = {"44 240 3 <めあて>", "76 305 0 1 平均をくふうして求めよう。",
                   "76 370 0 2 身の回りの問題を正負の数を利用して解決しよう。"}},
         {.name = "ReviewCheck", .topic = 5},
         {.name = "ReviewMaster", .topic = 6},
     }},
};

const char* const kEnded = "program ended (status 0)";
const char* const kUsedUp = "script used up";

// "print", routine, X, Y, colour, text: one line of the log.
std::string PrintLine(const char* routine, int x, int y, int colour, const std::string& sjis) {
  std::ostringstream s;
  s << "print\t" << routine << '\t' << x << '\t' << y << '\t' << colour << '\t' << Utf8(sjis);
  return s.str();
}

std::string TitleLine(const ProgramCase& p) {
  return PrintLine("PrintTitle", 264, 30, 15, std::string("＜") + p.title + "　メニュー＞");
}

std::string SubmenuLine(const char* submenu) {
  return PrintLine("DrawPlainText", 16, 666, 0, submenu);
}

bool IsSubmenuLine(const std::string& line) {
  return line.rfind("print\tDrawPlainText\t16\t666\t", 0) == 0;
}

// The screens a run went through: the menu title and every submenu line.
std::vector<std::string> Screens(const PlayerRun& run, const ProgramCase& p) {
  std::vector<std::string> out;
  for (const std::string& line : run.log) {
    if (line == TitleLine(p) || IsSubmenuLine(line)) out.push_back(line);
  }
  return out;
}

// A number typed key by key, then Enter, and a blank for the keys after it.
std::string Number(int n) {
  return NumberKeys(n) + " ";
}

// Every program of the list, read against its row above: one without a row
// fails.
class MainMenuTest : public ::testing::TestWithParam<ProgramEntry> {
 protected:
  void SetUp() override {
    const ProgramCase* found = CaseFor(kPrograms, GetParam());
    ASSERT_NE(found, nullptr) << "no menu written for " << GetParam().name;
    case_ = found;
  }
  const ProgramCase& Case() const { return *case_; }

 private:
  const ProgramCase* case_ = nullptr;
};

TEST_P(MainMenuTest, DrawsTheMenuAndPrompt) {
  const ProgramCase& p = Case();
  PlayerRun run = RunPlayer(p.name, "");
  EXPECT_EQ(run.ending, kUsedUp);
  std::vector<std::string> expected = {TitleLine(p)};
  for (size_t k = 1; k <= p.items.size(); ++k) {
    expected.push_back(
        PrintLine("PrintMarkup", 44, 120 + 60 * (k - 1), k % 2 == 1 ? 13 : 15, p.items[k - 1]));
  }
  expected.push_back(PrintLine("DrawPlainText", 816, 648, 0, "番号を入力して下さい。"));
  std::vector<std::string> prints;
  for (const std::string& line : run.log) {
    if (line.rfind("print\t", 0) == 0) prints.push_back(line);
  }
  ASSERT_GE(prints.size(), expected.size());
  prints.resize(expected.size());
  EXPECT_EQ(prints, expected);
  // The panel: a colour-10 box under the title and items.
  EXPECT_NE(std::find(run.log.begin(), run.log.end(), "box\t22\t10\t1342\t610\t15\t10\t15\t3"),
            run.log.end());
}

// The title in the markup's glyphs, the program's name as it is written:
// every letter upright in the title's face, size, colour and line, no script
// "ℓ", no italic serif letter.
TEST_P(MainMenuTest, TheTitleShowsTheNameAsWritten) {
  const ProgramCase& p = Case();
  PlayerRun run = RunPlayer(p.name, "");
  auto glyph = [](double x, int hmag, const std::string& utf8) {
    std::ostringstream s;
    s << "text\t" << x << "\t30\t" << hmag << "\t3\t15\t16\t1\t0\t" << Utf8("ゴシック") << '\t'
      << utf8;
    return s.str();
  };
  std::vector<std::string> expected = {glyph(264, 2, Utf8("＜"))};
  double x = 298;
  for (char letter : std::string(p.title)) {
    expected.push_back(glyph(x, 3, std::string(1, letter)));
    x += 27;
  }
  for (const char* kana : {"　", "メ", "ニ", "ュ", "ー", "＞"}) {
    expected.push_back(glyph(x, 2, Utf8(kana)));
    x += 34;
  }
  std::vector<std::string> title;
  for (const std::string& line : run.log) {
    if (line.rfind("text\t", 0) == 0 && line.find("\t30\t") != std::string::npos)
      title.push_back(line);
  }
  EXPECT_EQ(title, expected);
}

TEST_P(MainMenuTest, EveryTopicShowsItsSubmenuAndItsLastItemLeadsBack) {
  const ProgramCase& p = Case();
  std::string keys;
  std::vector<std::string> expected = {TitleLine(p)};
  for (const GoalPageCase& t : p.topics) {
    // Numbers outside the items: the submenu each time, until its last item.
    const char* submenu = SubmenuOf(p.name, t.topic);
    const int items = CountChoices(Utf8(submenu));
    keys += Number(t.topic) + Number(0) + Number(items + 1) + "3 / 0 Enter " + Number(items);
    for (int i = 0; i < 4; ++i) expected.push_back(SubmenuLine(submenu));
    expected.push_back(TitleLine(p));
  }
  keys += Number(p.items.size());
  PlayerRun run = RunPlayer(p.name, keys);
  EXPECT_EQ(run.ending, kEnded);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(Screens(run, p), expected);
}

TEST_P(MainMenuTest, EveryTopicOpensOnItsGoalPageThenItsSubmenu) {
  const ProgramCase& p = Case();
  std::vector<int> topics;
  for (const GoalPageCase& t : p.topics) {
    SCOPED_TRACE(t.name);
    topics.push_back(t.topic);
    ExpectGoalPage(p.name, t);
  }
  EXPECT_EQ(topics, TopicNumbers(GetParam().program()));
}

TEST_P(MainMenuTest, NumbersOutsideTheMenuAndTheEmptyItemDrawItAgain) {
  const ProgramCase& p = Case();
  const int end = p.items.size();
  std::string keys = Number(0) + Number(end + 1) + "- 1 Enter Enter . 5 Enter " +
                     "3 / 0 Enter 3 / Enter / Enter 0 / 0 Enter ";
  int menus = 10;
  if (p.empty_item) {
    keys += Number(p.empty_item);
    ++menus;
  }
  PlayerRun run = RunPlayer(p.name, keys);
  EXPECT_EQ(run.ending, kUsedUp);
  EXPECT_EQ(Screens(run, p), std::vector<std::string>(menus, TitleLine(p)));
}

INSTANTIATE_TEST_SUITE_P(Programs, MainMenuTest, ::testing::ValuesIn(AllPrograms()),
                         ProgramEntryName);

struct ChoiceCase {
  const char* program;
  const char* keys;
  int topic;  // the topic whose submenu it opens; 0: none
  const char* ending;
};

TEST(MainMenuChoices, CountByValueAndFallThroughWhereTheTableEnds) {
  const ChoiceCase cases[] = {
      {"quorrel", "1 6 / 2 Enter", 0, kEnded},
      {"quorrel", "6 / 2 Enter", 3, kUsedUp},
      {"torvane", "7 Enter", 7, kUsedUp},
      // Torvane and Almeno go on into their first topic past the table.
      {"torvane", "7 . 5 Enter", 1, kUsedUp},
      {"almeno", "6 . 5 Enter", 1, kUsedUp},
      {"pellith", "6 . 5 Enter", 0, kUsedUp},
      {"vindrel", "1 2 / 2 Enter", 0, kEnded},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(std::string(c.program) + ": " + c.keys);
    PlayerRun run = RunPlayer(c.program, c.keys);
    EXPECT_EQ(run.ending, c.ending);
    std::vector<std::string> submenus;
    for (const std::string& line : run.log) {
      if (IsSubmenuLine(line)) submenus.push_back(line);
    }
    if (c.topic) {
      EXPECT_EQ(submenus, std::vector<std::string>{SubmenuLine(SubmenuOf(c.program, c.topic))});
    } else {
      EXPECT_TRUE(submenus.empty());
    }
  }
}

TEST(MainMenuChoices, AnAcceptedChoiceWhitesOutThePageBeforeItsJump) {
  // After the prompt strip is erased: a choice in range (a topic, the empty
  // item, one past the table) whites out the whole page before it goes on; a
  // number outside the items goes straight back to drawing the menu.
  const std::string prompt_cleared = "box\t416\t640\t1472\t690\t15\t15\t15\t3";
  const std::string white_out = "box\t0\t0\t1760\t1800\t15\t15\t15\t3";
  const std::string content_cleared = "box\t0\t54\t1440\t900\t15\t15\t15\t3";
  struct Case {
    const char* program;
    const char* keys;
    bool whites_out;
  };
  const Case cases[] = {
      {"pellith", "1 Enter", true},     {"pellith", "6 Enter", true}, {"quorrel", "7 Enter", true},
      {"torvane", "7 . 5 Enter", true}, {"vindrel", "4 Enter", true}, {"pellith", "9 Enter", false},
      {"almeno", "0 Enter", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + ": " + c.keys);
    PlayerRun run = RunPlayer(c.program, c.keys);
    auto cleared = std::find(run.log.begin(), run.log.end(), prompt_cleared);
    ASSERT_NE(cleared, run.log.end());
    ASSERT_NE(cleared + 1, run.log.end());
    EXPECT_EQ(*(cleared + 1), c.whites_out ? white_out : content_cleared);
  }
}

}  // namespace
