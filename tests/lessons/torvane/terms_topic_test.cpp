// Torvane's topic on sums written without plus signs and on terms, driven
// from the main menu: every item through its keys back to the submenu, the
// fixed pages line by line, the generated examples checked for their
// arithmetic and their texts under several clocks.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "submenu_lines.h"
#include "topic_pages.h"

namespace {

using namespace topic_pages;

const char* const kSubmenu = SubmenuOf("torvane", 4);

ItemRun RunTerms(const std::string& keys, const std::string& clock = "12:00:00") {
  return RunItem("torvane", "4 Enter " + keys, kSubmenu, clock);
}

std::vector<Want> Rows(std::initializer_list<Want> rows) {
  return rows;
}

class TermsItems : public ::testing::TestWithParam<FixedItem> {};

TEST_P(TermsItems, ShowsItsPageKeyByKeyAndComesBackToTheSubmenu) {
  ExpectFixedItem("4", kSubmenu, GetParam());
}

std::vector<Want> NoPlusSignPage() {
  std::vector<Want> page = {
      Menu(), {30, 20, 3, "Q1 "}, {kAfter, 0, 0, "次の式を、正の符号+をつけずに表しなさい。"}};
  const char* const labels[] = {"① ", "② ", "③ ", "④ ", "⑤ ", "⑥ ", "⑦ ", "⑧ "};
  const char* const questions[] = {"(+3)+(+4)=", "(+3)+(-4)=", "(-3)+(+4)=", "(-3)+(-4)=",
                                   "(+3)-(+4)=", "(+3)-(-4)=", "(-3)-(+4)=", "(-3)-(-4)="};
  const char* const rewritten[] = {"3+4", "3+(-4)", "-3+4", "-3+(-4)",
                                   "3-4", "3-(-4)", "-3-4", "-3-(-4)"};
  for (int row = 0; row < 8; ++row) {
    page.push_back({30, 80.0 + 60 * row, 3, labels[row]});
    page.push_back({kAfter, 0, 0, questions[row]});
  }
  for (int row = 0; row < 8; ++row) {
    page.push_back(Key());
    page.push_back({kAfter, 80.0 + 60 * row, 0, rewritten[row]});
  }
  for (const Want& w : Rows({Key(),
                             {30, 560, 3, "Q2 "},
                             {kAfter, 0, 7, "表した式を計算しなさい。"},
                             Key(),
                             {kAfter, 80, 3, "=7"},
                             Key(),
                             {kAfter, 140, 3, "=-1"},
                             Key(),
                             {kAfter, 200, 3, "=1"},
                             Key(),
                             {kAfter, 260, 3, "=-7"},
                             Key(),
                             {kAfter, 320, 3, "=-1"},
                             Key(),
                             {kAfter, 380, 0, "=3+4"},
                             Key(),
                             {kAfter, 380, 3, "=7"},
                             Key(),
                             {kAfter, 440, 3, "=-7"},
                             Key(),
                             {kAfter, 500, 0, "=-3+4"},
                             Key(),
                             {kAfter, 500, 3, "=1"},
                             // The closing forms of rows 2 and 4, 30 right of the result.
                             Key(),
                             {kAfter, 140, 7, "=3-4", 30},
                             Key(),
                             {kAfter, 260, 7, "=-3-4", 30},
                             Menu()})) {
    page.push_back(w);
  }
  return page;
}

INSTANTIATE_TEST_SUITE_P(EveryFixedItem, TermsItems,
                         ::testing::Values(FixedItem{"NoPlusSigns", "1 Enter " + Repeat("a", 21),
                                                     NoPlusSignPage()},
                                           FixedItem{"Answers7And8",
                                                     "4 Enter " + Repeat("Space", 6),
                                                     {Menu(),
                                                      {84, 30, 3, "問7の解答"},
                                                      Key(),
                                                      {30, 90, 3, "(1)"},
                                                      {84, 90, 0, " 7+(-9)"},
                                                      {84, 140, 0, "=-(9-7)"},
                                                      {84, 190, 5, "=-2"},
                                                      Key(),
                                                      {30, 250, 3, "(2)"},
                                                      {84, 250, 0, " -2+6"},
                                                      {84, 300, 0, "=(6-2)"},
                                                      {84, 350, 5, "=4"},
                                                      Key(),
                                                      {30, 410, 3, "(3)"},
                                                      {84, 410, 0, " -8+8"},
                                                      {84, 460, 0, "=(8-8)"},
                                                      {84, 510, 5, "=0"},
                                                      {654, 30, 3, "問8の解答"},
                                                      Key(),
                                                      {600, 90, 3, "(1)"},
                                                      {654, 90, 0, " 6-9"},
                                                      {654, 140, 0, "=-(9-6)"},
                                                      {654, 190, 5, "=-3"},
                                                      Key(),
                                                      {600, 250, 3, "(2)"},
                                                      {654, 250, 0, " 8-(-4)"},
                                                      {654, 300, 0, "=8+4"},
                                                      {654, 350, 5, "=12"},
                                                      Key(),
                                                      {600, 410, 3, "(3)"},
                                                      {654, 410, 0, " -15-8"},
                                                      {654, 460, 0, "=-(15+8)"},
                                                      {654, 510, 5, "=-23"},
                                                      Menu()}},
                                           FixedItem{"Terms",
                                                     "5 Enter Enter x 1 a a",
                                                     {Menu(),
                                                      {40, 30, 0, "次の計算をしなさい。"},
                                                      {40, 90, 0, " 12-15+8"},
                                                      Key(),
                                                      {40, 140, 0, "=12"},
                                                      {kAfter, 0, 3, "+(-15)"},
                                                      {kAfter, 0, 0, "+8"},
                                                      Key(),
                                                      {40, 190, 3, "=-3"},
                                                      {kAfter, 0, 0, "+8"},
                                                      Key(),
                                                      {40, 240, 5, "=5"},
                                                      Key(),
                                                      {40, 310, 7, "加法だけの式"},
                                                      {kAfter, 0, 0, "になおすことが"},
                                                      {40, 360, 0, "できるので、"},
                                                      {kAfter, 0, 3, "12,-15,8の"},
                                                      {40, 410, 3, "和を求める計算"},
                                                      {kAfter, 0, 0, "になるから、"},
                                                      {40, 460, 7, "左から順に計算できる。"},
                                                      Key(),
                                                      {600, 60, 3, "※加法だけの式になおしたとき"},
                                                      {634, 120, 5, "12,-15,8"},
                                                      {kAfter, 0, 0, "をその式の"},
                                                      {kAfter, 0, 5, "項"},
                                                      {kAfter, 0, 0, "という。"},
                                                      {600, 190, 3, "正の項"},
                                                      {kAfter, 0, 0, "…12,8"},
                                                      {600, 240, 3, "負の項"},
                                                      {kAfter, 0, 0, "…-15"},
                                                      Menu()}}),
                         [](const auto& test) { return test.param.name; });

// The whole numbers of an expression text such as "-5+3-7": "-5", "+3", "-7".
std::vector<int> Terms(const std::string& expression) {
  std::vector<int> terms;
  static const std::regex term(R"([+-]?\d+)");
  for (auto it = std::sregex_iterator(expression.begin(), expression.end(), term);
       it != std::sregex_iterator(); ++it) {
    terms.push_back(std::stoi(it->str()));
  }
  return terms;
}

// The texts of each example, from its heading on.
std::vector<std::vector<Shown>> ExampleTexts(const std::vector<Shown>& shown, const char* heading) {
  std::vector<std::vector<Shown>> out;
  for (const auto& e : Examples(shown, heading)) out.push_back(WithoutPrompts(e));
  return out;
}

TEST(TermsTopic, BracketedSumsAreRewrittenAndComputed) {
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    // Four examples (any other number, even an empty entry, asks for a new one).
    const ItemRun r =
        RunTerms("2 Enter a a a 2 Enter a a a Enter a a a 0 Enter a a a 1 Enter", clock);
    EXPECT_EQ(r.next_steps, 4);
    EXPECT_EQ(r.key_waits, 8);
    EXPECT_EQ(r.submenus, 2);
    const auto examples = ExampleTexts(r.shown, "Q1　次の計算をしなさい。");
    ASSERT_EQ(examples.size(), 4u);
    static const std::regex question(R"((-?\d+)([+-])\(([+-]\d+)\))");
    static const std::regex rewritten(R"(=(-?\d+)([+-]\d+))");
    for (const auto& e : examples) {
      ASSERT_EQ(e.size(), 4u);
      EXPECT_EQ((std::vector<double>{e[0].x, e[0].y, e[1].x, e[1].y, e[2].x, e[2].y, e[3].x, e[3].y,
                                     e[3].colour}),
                (std::vector<double>{80, 150, 161, 230, 134, 290, 134, 350, 5}));
      std::smatch q, w;
      ASSERT_TRUE(std::regex_match(e[1].text, q, question)) << e[1].text;
      ASSERT_TRUE(std::regex_match(e[2].text, w, rewritten)) << e[2].text;
      const int first = std::stoi(q[1]), bracketed = std::stoi(q[3]);
      const int second = std::stoi(w[2]);
      EXPECT_EQ(std::stoi(w[1]), first);
      // The rewritten second term is the bracketed number after "+", its
      // opposite after "-"; both lie in 1 to 12 in size.
      EXPECT_EQ(second, q[2] == "+" ? bracketed : -bracketed);
      EXPECT_TRUE(std::abs(first) >= 1 && std::abs(first) <= 12) << first;
      EXPECT_TRUE(std::abs(second) >= 1 && std::abs(second) <= 12) << second;
      EXPECT_EQ(e[3].text, "=" + std::to_string(first + second));
    }
  }
  // The band of the examples is blanked for each one.
  const ItemRun r = RunTerms("2 Enter a a 2 Enter a a 1 Enter");
  EXPECT_EQ(CountStarting(r.run, "box\t0\t150\t1320\t390\t15\t15\t"), 2);
}

TEST(TermsTopic, ShortSumsShowTheirResultThenTheTaskLine) {
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    const ItemRun r = RunTerms("3 Enter a a 2 Enter a a - 1 Enter a a 1 Enter", clock);
    EXPECT_EQ(r.next_steps, 3);
    EXPECT_EQ(r.key_waits, 3);
    const auto examples = ExampleTexts(r.shown, "Q2　次の計算をしなさい。");
    ASSERT_EQ(examples.size(), 3u);
    static const std::regex question(R"((-?\d+)([+-]\d+)=)");
    for (const auto& e : examples) {
      ASSERT_EQ(e.size(), 3u);
      EXPECT_EQ((std::vector<double>{e[0].x, e[0].y, e[1].x, e[1].y, e[2].y, e[2].colour}),
                (std::vector<double>{80, 150, 164, 230, 230, 5}));
      EXPECT_EQ(e[2].x, e[1].x + Advance(e[1].text));
      std::smatch q;
      ASSERT_TRUE(std::regex_match(e[1].text, q, question)) << e[1].text;
      EXPECT_EQ(e[2].text, std::to_string(std::stoi(q[1]) + std::stoi(q[2])));
    }
    // Only after the last example: the task line, and the submenu at once.
    ASSERT_GE(r.shown.size(), 2u);
    const Shown& task = r.shown[r.shown.size() - 2];
    EXPECT_EQ(task.text, Utf8("教科書 問7,問8 をしなさい。"));
    EXPECT_EQ((std::vector<double>{task.x, task.y, task.colour}),
              (std::vector<double>{44, 420, 7}));
    EXPECT_EQ(r.shown.back().text, "MENU");
  }
}

// What an expression of three terms is written as: the expression, its sum
// form (empty when no later term is negative), the list of the terms, and
// the positive and the negative ones.
struct TermTexts {
  std::string expression, sum_form, list, positive, negative;
};
TermTexts Expected(const std::vector<int>& t) {
  auto text = [](int n) { return std::to_string(n); };
  auto later = [&](int n) { return n > 0 ? "+" + text(n) : text(n); };
  auto addend = [&](int n) { return n < 0 ? "+(" + text(n) + ")" : later(n); };
  TermTexts out;
  out.expression = text(t[0]) + later(t[1]) + later(t[2]);
  if (t[1] < 0 || t[2] < 0) out.sum_form = "=" + text(t[0]) + addend(t[1]) + addend(t[2]);
  out.list = text(t[0]) + "," + text(t[1]) + "," + text(t[2]);
  for (int n : t) {
    std::string& list = n > 0 ? out.positive : out.negative;
    list += (list.empty() ? "" : ",") + text(n);
  }
  if (out.positive.empty()) out.positive = Utf8("なし");
  if (out.negative.empty()) out.negative = Utf8("なし");
  return out;
}

TEST(TermsTopic, TermsDrillsListAllTermsThenThePositiveAndNegativeOnesBelow) {
  bool none_positive = false, none_negative = false, no_sum_form = false;
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    // Three examples of each drill; 1 leaves the first for the second.
    const std::string three = "a a a 2 Enter a a a Enter a a a 1 Enter";
    const ItemRun r = RunTerms("6 Enter " + three + " " + three, clock);
    EXPECT_EQ(r.next_steps, 6);
    EXPECT_EQ(r.submenus, 2);
    const auto lists = ExampleTexts(r.shown, "Q1 ");
    const auto signs = ExampleTexts(r.shown, "Q2 ");
    ASSERT_EQ(lists.size(), 3u);
    ASSERT_EQ(signs.size(), 3u);
    for (const auto& e : lists) {
      ASSERT_GE(e.size(), 4u);
      const std::vector<int> t = Terms(e[2].text);
      ASSERT_EQ(t.size(), 3u) << e[2].text;
      for (int n : t) EXPECT_TRUE(n != 0 && std::abs(n) <= 9) << n;
      const TermTexts want = Expected(t);
      std::vector<std::string> texts = {Utf8("Q1 "), Utf8("次の式の項をすべていいなさい。"),
                                        want.expression};
      if (!want.sum_form.empty()) texts.push_back(want.sum_form);
      texts.push_back(want.list);
      EXPECT_EQ(Texts(e), texts);
      EXPECT_EQ((std::vector<double>{e[0].x, e[0].y, e[2].x, e[2].y, e.back().x, e.back().y,
                                     e.back().colour}),
                (std::vector<double>{88, 18, 132, 98, 220, 178, 3}));
      if (!want.sum_form.empty()) {
        EXPECT_EQ(e[3].x, e[2].x + Advance(e[2].text));
      }
      no_sum_form |= want.sum_form.empty();
    }
    for (const auto& e : signs) {
      ASSERT_GE(e.size(), 3u);
      const std::vector<int> t = Terms(e[2].text);
      ASSERT_EQ(t.size(), 3u) << e[2].text;
      const TermTexts want = Expected(t);
      std::vector<std::string> texts = {Utf8("Q2 "), Utf8("次の式の正の項と負の項をいいなさい。"),
                                        want.expression};
      if (!want.sum_form.empty()) texts.push_back(want.sum_form);
      for (const std::string& s :
           {Utf8("正の項…"), want.positive, Utf8("負の項…"), want.negative}) {
        texts.push_back(s);
      }
      EXPECT_EQ(Texts(e), texts);
      // The band from Y 268: heading, expression, answers 80 apart; "負の
      // 項…" 40 right of the positive terms.
      const Shown& positive = e[e.size() - 3];
      const Shown& label = e[e.size() - 2];
      EXPECT_EQ((std::vector<double>{e[0].x, e[0].y, e[2].x, e[2].y, e[e.size() - 4].x,
                                     e[e.size() - 4].y, label.y, label.colour, e.back().colour}),
                (std::vector<double>{88, 268, 132, 348, 132, 428, 428, 3, 5}));
      EXPECT_EQ(label.x, positive.x + Advance(positive.text) + 40);
      none_positive |= want.positive == Utf8("なし");
      none_negative |= want.negative == Utf8("なし");
    }
    // The second drill blanks only its band: the first drill's last example
    // stays above Y 268.
    EXPECT_EQ(CountStarting(r.run, "box\t0\t0\t1320\t2000\t15\t15\t"), 3);
    EXPECT_EQ(CountStarting(r.run, "box\t0\t268\t1320\t2268\t15\t15\t"), 3);
  }
  // Among these examples: all terms negative, all positive, and no sum form.
  EXPECT_TRUE(none_positive);
  EXPECT_TRUE(none_negative);
  EXPECT_TRUE(no_sum_form);
}

}  // namespace
