// Torvane's topic on mixed addition and subtraction, driven from the main
// menu: the answers of question 10 line by line, and the generated
// examples of the other items under several clocks, each line at its place
// and key, each text worked out again from the numbers of its question.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "submenu_lines.h"
#include "topic_pages.h"

namespace {

using namespace topic_pages;

const char* const kSubmenu = SubmenuOf("torvane", 6);

ItemRun RunMixed(const std::string& keys, const std::string& clock = "12:00:00") {
  return RunItem("torvane", "6 Enter " + keys, kSubmenu, clock);
}

class MixedAddSubItems : public ::testing::TestWithParam<FixedItem> {};

TEST_P(MixedAddSubItems, ShowsItsPageKeyByKeyAndComesBackToTheSubmenu) {
  ExpectFixedItem("6", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryFixedItem, MixedAddSubItems,
                         ::testing::Values(FixedItem{"Question10",
                                                     "4 Enter " + Repeat("a", 6),
                                                     {Menu(),
                                                      {84, 30, 3, "問10の解答"},
                                                      {30, 90, 3, "(1)"},
                                                      {kAfter, 0, 0, "3-9-6"},
                                                      Key(),
                                                      {84, 140, 0, "=3-15"},
                                                      {kAfter, 0, 5, "=-12"},
                                                      {30, 200, 3, "(2)"},
                                                      {84, 200, 0, " -12+8-(-14)"},
                                                      Key(),
                                                      {84, 250, 0, "=-12+8+14"},
                                                      {84, 300, 0, "=-12+22"},
                                                      {kAfter, 0, 5, "=10"},
                                                      {30, 360, 3, "(3)"},
                                                      {84, 360, 0, " 6-10+(-15)"},
                                                      Key(),
                                                      {84, 410, 0, "=6-10-15"},
                                                      {84, 460, 0, "=6-25"},
                                                      {kAfter, 0, 5, "=-19"},
                                                      {573, 30, 3, "(4)"},
                                                      {640, 30, 0, " 1-2+3-4"},
                                                      Key(),
                                                      {640, 80, 0, "=1+3-2-4"},
                                                      {640, 130, 0, "=4-6"},
                                                      {kAfter, 0, 5, "=-2"},
                                                      {573, 190, 3, "(5)"},
                                                      {640, 190, 0, " -8-4+(-1)-(-7)"},
                                                      Key(),
                                                      {640, 240, 0, "=-8-4-1+7"},
                                                      {640, 290, 0, "=-13+7"},
                                                      {kAfter, 0, 5, "=-6"},
                                                      {573, 350, 3, "(6)"},
                                                      {640, 350, 0, " -24-(-15)+(-35)+24"},
                                                      Key(),
                                                      {640, 400, 0, "=-24+15-35+24"},
                                                      {640, 450, 0, "=-24+24+15-35"},
                                                      {640, 500, 0, "=15-35"},
                                                      {kAfter, 0, 5, "=-20"},
                                                      Menu()}}),
                         [](const auto& test) { return std::string(test.param.name); });

// Expected lines built at run time, their texts in UTF-8 and kept here
// (Want holds pointers).
struct Lines {
  std::vector<std::string> texts;
  std::vector<Want> want;
  void Add(double x, double y, double colour, const std::string& utf8) {
    texts.push_back(utf8);
    want.push_back({x, y, colour, nullptr, 0, true});
  }
  void Add(const Want& w) {
    texts.emplace_back();
    want.push_back(w);
  }
  std::vector<Want> Get() {
    for (size_t i = 0; i < want.size(); ++i) {
      if (!want[i].text) want[i].text = texts[i].c_str();
    }
    return want;
  }
};

TEST(MixedAddSubTopic, RewritingWithoutBracketsTwoLoopsThenTheRules) {
  // The circled digits in UTF-8, as the log has them.
  static const std::regex three(Utf8(R"(① \(([+-]\d)\)\+\(([+-]\d)\)\+\(([+-]\d)\))"));
  static const std::regex four(Utf8(R"(② (-?\d)([+-])\(([+-]\d)\)([+-]\d)([+-])\(([+-]\d)\))"));
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    const ItemRun r = RunMixed(
        "1 Enter a 2 Enter a Enter a 1 Enter a a 0 Enter a a - 1 Enter a a 1 Enter a a", clock);
    EXPECT_EQ(r.submenus, 2);
    const auto threes = Examples(r.shown, "例　");
    const auto fours = Examples(r.shown, "② ");
    ASSERT_EQ(threes.size(), 3u);
    ASSERT_EQ(fours.size(), 3u);
    for (const auto& e : threes) {
      ASSERT_GE(e.size(), 2u);
      std::smatch m;
      const std::string question = e[1].text;
      ASSERT_TRUE(std::regex_match(question, m, three)) << question;
      const int t1 = std::stoi(m[1]), t2 = std::stoi(m[2]), t3 = std::stoi(m[3]);
      Lines lines;
      lines.Add(88, 18, 0, Utf8("例　次の式をかっこのない式で表しなさい。"));
      lines.Add(132, 98, 0, question);
      lines.Add(Key());
      lines.Add(176, 178, 3, "=" + std::to_string(t1) + Signed(t2) + Signed(t3));
      lines.Add(Next());
      ExpectShown(e, lines.Get());
    }
    for (const auto& e : fours) {
      ASSERT_GE(e.size(), 1u);
      std::smatch m;
      const std::string question = e[0].text;
      ASSERT_TRUE(std::regex_match(question, m, four)) << question;
      EXPECT_NE(m[2], m[5]);  // one bracket added, one subtracted
      const int t1 = std::stoi(m[1]), t3 = std::stoi(m[4]);
      const int t6 = (m[2] == "+" ? 1 : -1) * std::stoi(m[3]);
      const int t8 = (m[5] == "+" ? 1 : -1) * std::stoi(m[6]);
      const std::string first = std::to_string(t1);
      Lines lines;
      lines.Add(132, 258, 0, question);
      lines.Add(Key());
      lines.Add(176, 338, 0,
                "=" + first + "+(" + Signed(t6) + ")" + Signed(t3) + "+(" + Signed(t8) + ")");
      lines.Add(Key());
      lines.Add(176, 418, 3, "=" + first + Signed(t6) + Signed(t3) + Signed(t8));
      lines.Add(Next());
      ExpectShown(e, lines.Get());
    }
    // The second loop blanks only its band, below the first loop's last
    // example; then the rules on the right, and the submenu at once.
    EXPECT_EQ(CountStarting(r.run, "box\t0\t0\t1320\t2000\t15\t15\t"), 3);
    EXPECT_EQ(CountStarting(r.run, "box\t0\t258\t1320\t2258\t15\t15\t"), 3);
    const std::vector<Shown> rules(r.shown.end() - 11, r.shown.end());
    ExpectShown(rules, {Next(),
                        {792, 120, 5, "   <表し方>"},
                        Key(),
                        {792, 195, 5, "①減法は、加法になおす。"},
                        {792, 255, 3, " -(+)→+(-)"},
                        {792, 315, 3, " -(-)→+(+)"},
                        Key(),
                        {792, 390, 5, "②最初の項の"},
                        {kAfter, 0, 3, "+"},
                        {836, 450, 5, "は、書かない。"},
                        Menu()});
  }
}

// The lines of a four-term calculation after its question: the terms
// regrouped by sign, the two sums and the result, at Y `top`, +80, +160.
void AddCalculation(Lines& lines, int t1, int t5, int t3, int t6, double top) {
  // Two of each sign: the second addend opposes the first, the fourth the third.
  EXPECT_LT(t1 * t5, 0);
  EXPECT_LT(t3 * t6, 0);
  for (int t : {t1, t5, t3, t6}) EXPECT_TRUE(t != 0 && std::abs(t) <= 9) << t;
  const int t7 = t1 * t3 > 0 ? t3 : t6, t8 = t1 * t3 > 0 ? t6 : t3;
  lines.Add(Key());
  lines.Add(132, top, 0, "=" + std::to_string(t1) + Signed(t7) + Signed(t5) + Signed(t8));
  lines.Add(Key());
  lines.Add(132, top + 80, 0, "=" + std::to_string(t1 + t7) + Signed(t5 + t8));
  lines.Add(Key());
  lines.Add(132, top + 160, 3, "=" + std::to_string(t1 + t7 + t5 + t8));
  lines.Add(Next());
}

void AddRegroupingNote(Lines& lines, double top, const char* first) {
  lines.Add(792, top, 3, Utf8(first));
  lines.Add(836, top + 60, 3, Utf8("負の項どうしを"));
  lines.Add(836, top + 120, 3, Utf8("先に計算する"));
}

TEST(MixedAddSubTopic, CalculationDrillRegroupsTheTermsBySign) {
  static const std::regex terms(R"((-?\d)([+-]\d)([+-]\d)([+-]\d))");
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    const std::string example = "a a a a a ";
    const ItemRun r = RunMixed(
        "2 Enter " + example + "2 Enter " + example + "Enter " + example + "1 Enter", clock);
    const auto examples = Examples(r.shown, "問　次の計算をしなさい。");
    ASSERT_EQ(examples.size(), 3u);
    for (const auto& e : examples) {
      ASSERT_GE(e.size(), 2u);
      std::smatch m;
      const std::string question = e[1].text;
      ASSERT_TRUE(std::regex_match(question, m, terms)) << question;
      Lines lines;
      lines.Add(44, 18, 0, Utf8("問　次の計算をしなさい。"));
      lines.Add(176, 98, 0, question);
      lines.Add(Key());
      AddRegroupingNote(lines, 98, "①正の項どうし、");
      AddCalculation(lines, std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]),
                     178);
      ExpectShown(e, lines.Get());
    }
    // Only after the last example: the note on the "+" of an answer.
    const std::vector<Shown> note(r.shown.end() - 5, r.shown.end());
    ExpectShown(note, {Next(),
                       {132, 418, 5, "答の"},
                       {kAfter, 0, 3, "+"},
                       {kAfter, 0, 5, "は、省略できる。"},
                       Menu()});
  }
}

TEST(MixedAddSubTopic, WorkedExampleRewritesTheBracketsFirst) {
  static const std::regex question_form(R"((-?\d)([+-])\(([+-]\d)\)([+-]\d)([+-])\(([+-]\d)\))");
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    const std::string example = "a a a a a a a a a ";
    const ItemRun r = RunMixed("3 Enter " + example + "2 Enter " + example + "1 Enter", clock);
    const auto examples = Examples(r.shown, "例1　次の計算をしなさい。");
    ASSERT_EQ(examples.size(), 2u);
    for (const auto& e : examples) {
      ASSERT_GE(e.size(), 2u);
      std::smatch m;
      const std::string question = e[1].text;
      ASSERT_TRUE(std::regex_match(question, m, question_form)) << question;
      EXPECT_NE(m[2], m[5]);
      const int t1 = std::stoi(m[1]), t3 = std::stoi(m[4]);
      const int t5 = (m[2] == "+" ? 1 : -1) * std::stoi(m[3]);
      const int t6 = (m[5] == "+" ? 1 : -1) * std::stoi(m[6]);
      const std::string first = std::to_string(t1);
      Lines lines;
      lines.Add(44, 18, 0, Utf8("例1　次の計算をしなさい。"));
      lines.Add(176, 98, 0, question);
      lines.Add(Key());
      lines.Add(792, 98, 3, Utf8("①加法になおす"));
      lines.Add(Key());
      lines.Add(132, 178, 0,
                "=" + first + "+(" + Signed(t5) + ")" + Signed(t3) + "+(" + Signed(t6) + ")");
      lines.Add(Key());
      lines.Add(792, 178, 3, Utf8("②かっこのない式にする"));
      lines.Add(Key());
      lines.Add(132, 258, 0, "=" + first + Signed(t5) + Signed(t3) + Signed(t6));
      lines.Add(Key());
      AddRegroupingNote(lines, 258, "③正の項どうし、");
      AddCalculation(lines, t1, t5, t3, t6, 338);
      ExpectShown(e, lines.Get());
    }
    const std::vector<Shown> task(r.shown.end() - 3, r.shown.end());
    ExpectShown(task, {Next(), {44, 600, 7, "教科書 問10 をしなさい。"}, Menu()});
  }
}

}  // namespace
