// The fixed pages of Torvane's first three topics, line by line and key by
// key: every text at its place in its colour, the key waits between them and
// the submenu after the last, from the submenu that opened the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "submenu_lines.h"
#include "topic_pages.h"

namespace {

using namespace topic_pages;

// A text continuing the line of the text before it.
Want After(float colour, const char* text) {
  return {kAfter, 0, colour, text};
}

// Three answers of a column: the label at `label_x`, the problem at `x` on
// the same line, then its lines 50 below one another, the last in colour 5;
// each label 60 below the result before it.
struct SubtractionAnswer {
  const char* label;
  const char* problem;
  std::vector<const char*> lines;
  float step = 50;
};
void AddAnswers(std::vector<Want>& page, float label_x, float x, float first_y,
                const std::vector<SubtractionAnswer>& answers) {
  float y = first_y;
  for (const SubtractionAnswer& a : answers) {
    page.push_back({label_x, y, 0, a.label});
    page.push_back({x, y, 0, a.problem});
    for (size_t i = 0; i < a.lines.size(); ++i) {
      y += a.step;
      page.push_back({x, y, i + 1 == a.lines.size() ? 5.0 : 0.0, a.lines[i]});
    }
    y += 60;
  }
}

std::vector<Want> SubtractionAnswersPage(const char* heading, float second_x,
                                         const std::vector<SubtractionAnswer>& first,
                                         const std::vector<SubtractionAnswer>& second) {
  std::vector<Want> page = {Menu(), {40, 30, 3, heading}};
  AddAnswers(page, 40, 108, 90, first);
  // The second column begins level with the heading.
  AddAnswers(page, second_x - 67, second_x, 30, second);
  page.push_back(Menu());
  return page;
}

// A worked sum of question 1 or 2: label, sum, working under it, result.
void AddWorkedSum(std::vector<Want>& page, float x, float y, const char* label, const char* sum,
                  const char* working, const char* result) {
  page.insert(page.end(),
              {{x, y, 3, label}, After(0, sum), {x + 54, y + 50, 0, working}, After(5, result)});
}

std::vector<Want> AdditionAnswersQ12() {
  std::vector<Want> page = {Menu(), {40, 30, 3, "教科書　問1の答"}};
  AddWorkedSum(page, 40, 90, "(1)", "(-8)+(-3)", "=-(8+3)", "=-11");
  AddWorkedSum(page, 40, 200, "(2)", "(-6)+(-10)", "=-(6+10)", "=-16");
  AddWorkedSum(page, 40, 310, "(3)", "(-27)+(-34)", "=-(27+34)", "=-61");
  // The last result on a line of its own.
  page.insert(page.end(), {{40, 420, 3, "(4)"},
                           After(0, "(-12)+(-12)"),
                           {94, 470, 0, "=-(12+12)"},
                           {94, 520, 5, "=-24"},
                           Key(),
                           {454, 30, 3, "教科書　問2の答"}});
  AddWorkedSum(page, 440, 90, "(1)", "(-7)+(+18)", "=+(18-7)", "=+11");
  AddWorkedSum(page, 440, 200, "(2)", "(+5)+(-9)", "=-(9-5)", "=-4");
  AddWorkedSum(page, 440, 310, "(3)", "(+21)+(-26)", "=-(26-21)", "=-5");
  AddWorkedSum(page, 440, 420, "(4)", "(-38)+(+35)", "=-(38-35)", "=-3");
  // Opposite numbers and a sum with 0: no working, the result under the sum.
  page.insert(page.end(), {{840, 90, 3, "(5)"},
                           After(0, "(-49)+(+49)"),
                           {894, 140, 5, "=0"},
                           {840, 200, 3, "(6)"},
                           After(0, "0+(-37)"),
                           {894, 250, 5, "=-37"},
                           Key(),
                           {40, 570, 7, "教科書 問3　をしなさい。"},
                           Menu()});
  return page;
}

std::vector<Want> AdditionAnswersQ3() {
  std::vector<Want> page = {Menu(), {74, 30, 3, "教科書　問3の答"}};
  struct Item {
    float x, y;
    const char* sum;
    const char* working;
    const char* result;
  };
  const Item items[] = {
      {38, 100, "(1) (+8)+(-4)", "=+(8-4)", "=+4"},
      {38, 220, "(2) (-4)+(-6)", "=-(4+6)", "=-10"},
      {38, 340, "(3) (-5)+(-5)", "=-(5+5)", "=-10"},
      {38, 460, "(4) (-9)+(+9)", "", "=0"},
      {604, 100, "(5) (-7)+(+9)", "=+(9-7)", "=+2"},
      {604, 220, "(6) (+4)+(-10)", "=-(10-4)", "=-6"},
  };
  for (const Item& item : items) {
    page.push_back({item.x, item.y, 0, item.sum});
    page.push_back({item.x + 76, item.y + 50, 0, item.working});
    // After an empty working text the result starts where it would have.
    if (*item.working) {
      page.push_back(After(5, item.result));
    } else {
      page.push_back({item.x + 76, item.y + 50, 5, item.result});
    }
  }
  page.push_back(Menu());
  return page;
}

// An empty rule cell, its empty text centred 8 below the cell's top.
Want EmptyCell(float x, float y, float width) {
  return {x + width / 2, y + 8, 5, ""};
}

std::vector<Want> AdditionRuleTable() {
  std::vector<Want> page = {Menu(), {44, 30, 0, "問　表にまとめなさい。"}};
  const char* const sums[4][4] = {
      {"①(+3)+(+4)=", "+7", "②(+6)+(+2)=", "+8"},
      {"③(-3)+(-4)=", "-7", "④(-6)+(-2)=", "-8"},
      {"⑤(+3)+(-4)=", "-1", "⑥(+6)+(-2)=", "+4"},
      {"⑦(-3)+(+4)=", "+1", "⑧(-6)+(+2)=", "-4"},
  };
  // The right sum 132 right of the left sum's "=", room for its result.
  for (int line = 0; line < 4; ++line) {
    const float y = 105 + 75 * line;
    page.insert(page.end(), {{44, y, 0, sums[line][0]},
                             After(5, sums[line][1]),
                             {44 + Advance(Utf8(sums[line][0])) + 132, y, 0, sums[line][2]},
                             After(5, sums[line][3])});
  }
  // Cell texts centred across their cells, 8 below the top.
  page.insert(page.end(), {{142, 428, 0, "加法"},
                           {504, 428, 0, "和の符号"},
                           {883, 428, 0, "和の絶対値"},
                           {91, 488, 5, "同符号の和"},
                           EmptyCell(308, 480, 528),
                           EmptyCell(836, 480, 264),
                           {91, 548, 5, "異符号の和"},
                           EmptyCell(308, 540, 528),
                           EmptyCell(836, 540, 264),
                           Key(),
                           {504, 488, 5, "同じ符号"},
                           Key(),
                           {883, 488, 5, "絶対値の和"},
                           Key(),
                           {385, 548, 5, "絶対値の大きい方の符号"},
                           Key(),
                           {883, 548, 5, "絶対値の差"},
                           Menu()});
  return page;
}

std::vector<Want> EqualDenominatorSums() {
  return {Menu(),
          {44, 18, 0, "例2　次の計算をしなさい。"},
          {132, 98, 0, "(+ﾀ3/8ﾀ)+(-ﾀ5/8ﾀ)"},
          {88, 218, 0, "="},
          {528, 78, 5, "<分母が同じ場合の計算>"},
          Key(),
          {528, 138, 7, "①　符号を決める"},
          Key(),
          {kAfter, 218, 0, "-"},
          Key(),
          {528, 198, 7, "②　絶対値を計算する"},
          Key(),
          {kAfter, 218, 0, "(ﾀ5/8ﾀ-ﾀ3/8ﾀ)"},
          Key(),
          {528, 258, 7, " 　分子どうしを計算する"},
          Key(),
          {88, 338, 0, "=-ﾀ2/8ﾀ"},
          Key(),
          {528, 318, 7, "③　約分できるときは、約分する"},
          Key(),
          // The slashes fall across the 2 and the 8 (the fraction begins
          // after "=" and "-"); 1 and 4 stand where the slashes end, 38 on.
          {140, 338, 3, "ﾀ／/／ﾀ"},
          Key(),
          {178, 378, 3, "4"},
          Key(),
          {178, 308, 3, "1"},
          Key(),
          {88, 458, 3, "=-ﾀ1/4ﾀ"},
          Menu()};
}

// Continuations after a fraction stand on the printer's fraction advances
// (32 a one-digit part, 64 a two-digit one) and after a decimal on the
// point's 8.
std::vector<Want> DecimalsFractionsAnswers() {
  return {Menu(),
          {74, 30, 3, "教科書　問4の答"},
          {38, 100, 0, "(1) (-0.4)+(-0.3)"},
          {114, 150, 0, "=-(0.4+0.3)"},
          {378, 150, 5, "=-0.7"},
          {38, 220, 0, "(2) (+5.3)+(-2.3)"},
          {114, 270, 0, "=+(5.3-2.3)"},
          {378, 270, 5, "=+3"},
          {38, 350, 0, "(3) "},
          {146, 350, 0, "(-ﾀ3/7ﾀ)+(+ﾀ2/7ﾀ)"},
          {114, 420, 0, "=-(ﾀ3/7ﾀ-ﾀ2/7ﾀ)"},
          {318, 420, 5, "=-ﾀ1/7ﾀ"},
          {38, 500, 0, "(4) (-ﾀ4/5ﾀ)+(-ﾀ1/5ﾀ)"},
          {114, 570, 0, "=-(ﾀ4/5ﾀ+ﾀ1/5ﾀ)"},
          {318, 570, 5, "=-ﾀ5/5ﾀ=-1"},
          {604, 130, 0, "(5) (-ﾀ1/3ﾀ)+(-ﾀ1/4ﾀ)"},
          {680, 200, 0, "=(-ﾀ4/12ﾀ)+(-ﾀ3/12ﾀ)"},
          {680, 270, 0, "=-(ﾀ4/12ﾀ+ﾀ3/12ﾀ)"},
          {948, 270, 5, "=-ﾀ7/12ﾀ"},
          {604, 370, 0, "(6) (+ﾀ1/6ﾀ)+(-ﾀ3/10ﾀ)"},
          {680, 440, 0, "=(+ﾀ5/30ﾀ)+(-ﾀ9/30ﾀ)"},
          {680, 510, 0, "=-(ﾀ9/30ﾀ-ﾀ5/30ﾀ)"},
          {948, 510, 5, "=-ﾀ4/30ﾀ=-ﾀ2/15ﾀ"},
          Menu()};
}

std::vector<Want> SubtractionRulePage() {
  std::vector<Want> page = {Menu(),
                            {101, 30, 7, "減法を加法になおしなさい。"},
                            {44, 90, 0, "① (+9)"},
                            After(3, "-"),
                            After(0, "("),
                            After(3, "+3"),
                            After(0, ")=(+9)"),
                            After(3, "+"),
                            After(0, "("),
                            After(3, "-3"),
                            After(0, ")")};
  struct Example {
    const char *label, *second, *first, *smaller, *larger, *addition, *opposite;
  };
  const Example examples[] = {
      {"② (-9)", "+3", "-9より", "+3小さい", "-3大きい", "=(-9)", "-3"},
      {"③ (+9)", "-3", "+9より", "-3小さい", "+3大きい", "=(+9)", "+3"},
      {"④ (-9)", "-3", "-9より", "-3小さい", "+3大きい", "=(-9)", "+3"},
  };
  float y = 150;
  for (const Example& e : examples) {
    // Both readings 132 right of where the subtraction ends.
    const float readings = 44 + Advance(Utf8(e.label)) + 5 * 27 + 132;
    page.insert(page.end(), {{44, y, 0, e.label},
                             After(3, "-"),
                             After(0, "("),
                             After(3, e.second),
                             After(0, ")"),
                             Key(),
                             {readings, y, 0, e.first},
                             After(3, e.smaller),
                             After(0, "数を求める計算"),
                             Key(),
                             {readings, y + 60, 0, e.first},
                             After(3, e.larger),
                             After(0, "数を求める計算"),
                             Key(),
                             {88, y + 60, 0, e.addition},
                             After(3, "+"),
                             After(0, "("),
                             After(3, e.opposite),
                             After(0, ")"),
                             Key()});
    y += 120;
  }
  page.insert(page.end(), {{101, 530, 5, "ひき算"},
                           After(3, "は、その数の"),
                           After(5, "符号を変えてたす"),
                           After(3, "計算"),
                           Menu()});
  return page;
}

// Each example printed in colour 3, then again in 0 with blanks in place of
// the number operated on, which so keeps its colour 3.
std::vector<Want> SubtractionZeroPage() {
  return {Menu(),
          {44, 18, 0, "問　次の計算をしなさい。"},
          {44, 78, 3, "① 0-(+6)"},
          {44, 78, 0, "① 0-(  )"},
          Key(),
          {88, 138, 0, "=0+(-6)"},
          Key(),
          {88, 198, 0, "="},
          After(3, "-6"),
          Key(),
          // 132 right of where the first example's line ends.
          {399, 78, 3, "② 0-(-6)"},
          {399, 78, 0, "② 0-(  )"},
          Key(),
          {443, 138, 0, "=0+(+6)"},
          Key(),
          {443, 198, 0, "="},
          After(3, "+6"),
          Key(),
          {88, 258, 5, "※0からある数をひくことは、その数の符号を変えること"},
          Key(),
          {44, 318, 3, "③ (-3)-0"},
          {44, 318, 0, "③ (  )-0"},
          Key(),
          {88, 378, 0, "="},
          After(3, "-3"),
          Key(),
          {88, 438, 5, "※どんな数から0をひいても、差ははじめの数になる。"},
          Key(),
          {44, 570, 3, "教科書 問5,問6　をしなさい。"},
          Menu()};
}

class AdditionFixedPages : public ::testing::TestWithParam<FixedItem> {};

TEST_P(AdditionFixedPages, ShowEveryTextInPlaceKeyByKey) {
  ExpectFixedItem("1", SubmenuOf("torvane", 1), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AdditionFixedPages,
    ::testing::Values(FixedItem{"RuleTable", "2 Enter a a a a", AdditionRuleTable()},
                      FixedItem{"AnswersQ12", "6 Enter a a", AdditionAnswersQ12()},
                      FixedItem{"AnswersQ3", "7 Enter", AdditionAnswersQ3()}));

class DecimalsFractionsFixedPages : public ::testing::TestWithParam<FixedItem> {};

TEST_P(DecimalsFractionsFixedPages, ShowEveryTextInPlaceKeyByKey) {
  ExpectFixedItem("2", SubmenuOf("torvane", 2), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DecimalsFractionsFixedPages,
    ::testing::Values(FixedItem{"EqualDenominators", "2 Enter " + Repeat("a", 11),
                                EqualDenominatorSums()},
                      FixedItem{"AnswersQ4", "5 Enter", DecimalsFractionsAnswers()}));

class SubtractionFixedPages : public ::testing::TestWithParam<FixedItem> {};

TEST_P(SubtractionFixedPages, ShowEveryTextInPlaceKeyByKey) {
  ExpectFixedItem("3", SubmenuOf("torvane", 3), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SubtractionFixedPages,
    ::testing::Values(
        FixedItem{"Rule", "2 Enter " + Repeat("a", 12), SubtractionRulePage()},
        FixedItem{"Zero", "4 Enter " + Repeat("a", 10), SubtractionZeroPage()},
        FixedItem{"AnswersQ5", "5 Enter",
                  SubtractionAnswersPage("教科書 問5 解答", 480,
                                         {{"(1)", " (+6)-(-2)", {"=(+6)+(+2)", "=+8"}},
                                          {"(2)", " (-9)-(+4)", {"=(-9)+(-4)", "=-13"}},
                                          {"(3)", " 0-(-7)", {"=0+(+7)", "=+7"}}},
                                         {{"(4)", " (-5)-(-5)", {"=(-5)+(+5)", "=0"}},
                                          {"(5)", " (-27)-(-12)", {"=(-27)+(+12)", "=-15"}},
                                          {"(6)", " (-17)-(+54)", {"=(-17)+(-54)", "=-71"}}})},
        // The fraction answers step 70 from line to line.
        FixedItem{"AnswersQ6", "6 Enter",
                  SubtractionAnswersPage(
                      "教科書 問6 解答", 560,
                      {{"(1)", " (-1.6)-(+0.6)", {"=(-1.6)+(-0.6)", "=-2.2"}},
                       {"(2)", " (+3.5)-(-2.3)", {"=(+3.5)+(+2.3)", "=+5.8"}},
                       {"(3)", " (-ﾀ1/6ﾀ)-(-ﾀ5/6ﾀ)", {"=(-ﾀ1/6ﾀ)+(+ﾀ5/6ﾀ)", "=+ﾀ4/6ﾀ=+ﾀ2/3ﾀ"}, 70}},
                      {{"(4)",
                        " (+ﾀ1/2ﾀ)-(-ﾀ1/3ﾀ)",
                        {"=(+ﾀ1/2ﾀ)+(+ﾀ1/3ﾀ)", "=(+ﾀ3/6ﾀ)+(+ﾀ2/6ﾀ)", "=+ﾀ5/6ﾀ"},
                        70}})}));

}  // namespace
