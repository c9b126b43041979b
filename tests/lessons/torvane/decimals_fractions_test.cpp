// Torvane's topic on decimals and fractions: every submenu item driven from
// the main menu back to the submenu, and the worked sums
// against the tables of their examples.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "addition_pages.h"
#include "decimal_sums.h"
#include "globals.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "number_texts.h"
#include "page_reader.h"
#include "program.h"
#include "submenu_lines.h"
#include "topic_pages.h"

namespace torvane {

namespace {

const char* const kSubmenu = SubmenuOf("torvane", 2);

class DecimalsFractionsItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(DecimalsFractionsItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("torvane", "2 Enter", kSubmenu, GetParam(), EmptyTexts::kLeftOut);
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, DecimalsFractionsItems,
    ::testing::Values(
        // Five keys on the left, five in the column figure, one before the
        // answer; two examples.
        ItemCase{.name = "DecimalSums",
                 .keys = "1 Enter " + Repeat("a", 11) + "2 Enter " + Repeat("a", 11) + "1 Enter",
                 .key_waits = 22,
                 .next_steps = 2},
        // The cancelling: slashes over the 2 and the 8, 4 below and 1 above
        // where they end, the reduced result on the next line.
        ItemCase{
            .name = "EqualDenominators",
            .keys = "2 Enter " + Repeat("a", 11),
            .key_waits = 11,
            .last_texts = {"140 338 3 ﾀ／/／ﾀ", "178 378 3 4", "178 308 3 1", "88 458 3 =-ﾀ1/4ﾀ"}},
        ItemCase{.name = "UnlikeDenominators",
                 .keys = "3 Enter " + Repeat("a", 8) + "1 Enter",
                 .key_waits = 8,
                 .next_steps = 1},
        // The task line comes on leaving, without a key.
        ItemCase{.name = "MultipleDenominators",
                 .keys = "4 Enter " + Repeat("a", 8) + "0 Enter " + Repeat("a", 8) + "1 Enter",
                 .key_waits = 16,
                 .next_steps = 2,
                 .last_texts = {"44 570 3 教科書 問4　をしなさい。"}},
        ItemCase{
            .name = "AnswersQ4",
            .keys = "5 Enter",
            .key_waits = 0,
            .last_texts = {"604 370 0 (6) (+ﾀ1/6ﾀ)+(-ﾀ3/10ﾀ)", "680 440 0 =(+ﾀ5/30ﾀ)+(-ﾀ9/30ﾀ)",
                           "680 510 0 =-(ﾀ9/30ﾀ-ﾀ5/30ﾀ)", "948 510 5 =-ﾀ4/30ﾀ=-ﾀ2/15ﾀ"}}),
    ItemCaseName);

class WorkedSums : public StartedPageTest {};

// The sign rotation value that gives the sign pattern p (1 ++, 2 -+, 3 --,
// 4 +-) to the next example.
float RotationFor(int pattern) {
  return float((pattern + 2) % 4);
}

TEST_F(WorkedSums, DecimalSumsReadAsTheirTableWithTheTenthsExact) {
  struct Case {
    int number, pattern;  // the example's number in the visit, its signs
    const char* question;
    const char* third;   // the sign and the absolute values
    const char* fourth;  // the answer
    const char* first_row;
    const char* second_row;
    const char* mark;  // the carry or the digit left above the struck ones
    const char* result_row;
  };
  const Case cases[] = {
      {1, 1, "(+4.8)+(+5.2)", "=+(4.8+5.2)", "=+10", "4.8", "+5.2", "1", "10.0"},
      // The sums of opposite signs read 0.4, as the figure does.
      {1, 2, "(-4.8)+(+5.2)", "=+(5.2-4.8)", "=+0.4", "5.2", "-4.8", "4", "0.4"},
      {1, 3, "(-4.8)+(-5.2)", "=-(4.8+5.2)", "=-10", "4.8", "+5.2", "1", "10.0"},
      {1, 4, "(+4.8)+(-5.2)", "=-(5.2-4.8)", "=-0.4", "5.2", "-4.8", "4", "0.4"},
      {3, 1, "(+0.8)+(+1.5)", "=+(0.8+1.5)", "=+2.3", "0.8", "+1.5", "1", "2.3"},
      {3, 2, "(-0.8)+(+1.5)", "=+(1.5-0.8)", "=+0.7", "1.5", "-0.8", "0", "0.7"},
      {3, 3, "(-0.8)+(-1.5)", "=-(0.8+1.5)", "=-2.3", "0.8", "+1.5", "1", "2.3"},
      {3, 4, "(+0.8)+(-1.5)", "=-(1.5-0.8)", "=-0.7", "1.5", "-0.8", "0", "0.7"},
      {5, 1, "(+4)+(+2.6)", "=+(4+2.6)", "=+6.6", "4", "+2.6", "", "6.6"},
      {5, 2, "(-4)+(+2.6)", "=-(4-2.6)", "=-1.4", "4", "-2.6", "3", "1.4"},
      {5, 3, "(-4)+(-2.6)", "=-(4+2.6)", "=-6.6", "4", "+2.6", "", "6.6"},
      {5, 4, "(+4)+(-2.6)", "=+(4-2.6)", "=+1.4", "4", "-2.6", "3", "1.4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.question);
    FMAESU = RotationFor(c.pattern);
    DecimalSumExample(c.number);
    const bool equal_signs = T(1) * T(2) > 0;
    EXPECT_EQ("(" + T_s(1) + ")+(" + T_s(2) + ")", c.question);
    EXPECT_EQ("=" + T1_s + "(" + T_s(11) + T2_s + T_s(12) + ")", c.third);
    EXPECT_EQ("=" + T_s(3), c.fourth);
    EXPECT_EQ(F_sa(1), c.first_row);
    EXPECT_EQ((equal_signs ? "+" : "-") + F_sa(2), c.second_row);
    std::string mark;
    if (equal_signs && F(12) + F(14) >= 10) mark = "1";
    if (!equal_signs && F(12) < F(14)) mark = F_sa(17);
    EXPECT_EQ(mark, c.mark);
    std::string whole = equal_signs ? F_sa(15) + F_sa(16) : F_sa(15);
    if (whole[0] == ' ') whole = whole.substr(1);  // an empty tens place
    EXPECT_EQ(whole + "." + (equal_signs ? F_sa(17) : F_sa(16)), c.result_row);
  }
}

TEST_F(WorkedSums, LeadingZerosGoOnlyBeforeAPoint) {
  EXPECT_EQ(WithLeadingZero(".4"), "0.4");
  EXPECT_EQ(WithLeadingZero("-.25"), "-0.25");
  EXPECT_EQ(WithLeadingZero("0.4"), "0.4");
  EXPECT_EQ(WithLeadingZero("10"), "10");
  EXPECT_EQ(WithLeadingZero("-1.4"), "-1.4");
}

TEST_F(WorkedSums, DecimalPairsCycleAndSignsRotate) {
  FMAESU = RotationFor(1);
  std::vector<std::string> seen;
  for (int n = 1; n <= 7; ++n) {
    DecimalSumExample(n);
    seen.push_back(T_s(11) + T_s(12) + std::to_string(int(P)));
  }
  // 4.8 and 5.2 twice, 0.8 and 1.5 twice, 4 and 2.6 once, then 4.8 and 5.2
  // again; the sign patterns 1, 2, 3, 4, 1, ... (the larger first when the
  // signs differ).
  const std::vector<std::string> want = {"4.85.21", "5.24.82", "0.81.53", "1.50.84",
                                         "42.61",   "5.24.82", "4.85.23"};
  EXPECT_EQ(seen, want);
}

// What the worked lines of one fraction example read: the question, the
// line over the common denominator, the sign with the absolute values, and
// the result line ("0:" before a text in colour 0, "3:" in colour 3).
struct FractionExample {
  std::string question, common, absolute, result;
};

std::vector<FractionExample> FractionExamples(const std::vector<LoggedOp>& prints) {
  std::vector<FractionExample> out;
  for (const LoggedOp& op : prints) {
    if (op.face != "PrintMarkup" || op.text.empty()) continue;
    const double x = op.nums[0], y = op.nums[1];
    if (x == 132 && y == 98) out.push_back({op.text, "", "", ""});
    if (out.empty() || x >= 572) continue;
    if (y == 218) out.back().common += op.text;
    if (y == 338) out.back().absolute += op.text;
    if (y == 458) out.back().result += (op.nums[2] == 3 ? "3:" : "0:") + op.text;
  }
  return out;
}

class FractionSums : public WorkedSums {
 protected:
  // Visits of the page under several seeds, four examples each, until every
  // combination of pair and signs has been seen; by question.
  std::map<std::string, FractionExample> AllExamples(Routine page) {
    std::map<std::string, FractionExample> seen;
    for (int seed = 1; seed <= 40 && seen.size() < 8; ++seed) {
      PaRandomize(seed);
      ClearLog();
      Keys(Repeat(Repeat("a", 8) + "2 Enter", 3) + Repeat("a", 8) + "1 Enter");
      page();
      for (const FractionExample& e : FractionExamples(PagePrints())) seen[e.question] = e;
    }
    return seen;
  }
  void ExpectTable(Routine page, const std::vector<FractionExample>& table) {
    const std::map<std::string, FractionExample> seen = AllExamples(page);
    EXPECT_EQ(seen.size(), table.size());
    for (const FractionExample& want : table) {
      SCOPED_TRACE(want.question);
      auto it = seen.find(Utf8(want.question));
      ASSERT_NE(it, seen.end());
      EXPECT_EQ(it->second.common, Utf8(want.common));
      EXPECT_EQ(it->second.absolute, Utf8(want.absolute));
      EXPECT_EQ(it->second.result, Utf8(want.result));
    }
  }
};

TEST_F(FractionSums, UnlikeDenominatorsReadAsTheirTable) {
  ExpectTable(
      UnlikeDenominatorSums,
      {
          {"(+ﾀ5/3ﾀ)+(+ﾀ1/4ﾀ)", "=(+ﾀ20/12ﾀ)+(+ﾀ3/12ﾀ)", "=+(ﾀ20/12ﾀ+ﾀ3/12ﾀ)", "3:=+ﾀ23/12ﾀ"},
          {"(-ﾀ5/3ﾀ)+(+ﾀ1/4ﾀ)", "=(-ﾀ20/12ﾀ)+(+ﾀ3/12ﾀ)", "=-(ﾀ20/12ﾀ-ﾀ3/12ﾀ)", "3:=-ﾀ17/12ﾀ"},
          {"(-ﾀ5/3ﾀ)+(-ﾀ1/4ﾀ)", "=(-ﾀ20/12ﾀ)+(-ﾀ3/12ﾀ)", "=-(ﾀ20/12ﾀ+ﾀ3/12ﾀ)", "3:=-ﾀ23/12ﾀ"},
          {"(+ﾀ5/3ﾀ)+(-ﾀ1/4ﾀ)", "=(+ﾀ20/12ﾀ)+(-ﾀ3/12ﾀ)", "=+(ﾀ20/12ﾀ-ﾀ3/12ﾀ)", "3:=+ﾀ17/12ﾀ"},
          {"(+ﾀ1/2ﾀ)+(+ﾀ3/7ﾀ)", "=(+ﾀ7/14ﾀ)+(+ﾀ6/14ﾀ)", "=+(ﾀ7/14ﾀ+ﾀ6/14ﾀ)", "3:=+ﾀ13/14ﾀ"},
          {"(-ﾀ1/2ﾀ)+(+ﾀ3/7ﾀ)", "=(-ﾀ7/14ﾀ)+(+ﾀ6/14ﾀ)", "=-(ﾀ7/14ﾀ-ﾀ6/14ﾀ)", "3:=-ﾀ1/14ﾀ"},
          {"(-ﾀ1/2ﾀ)+(-ﾀ3/7ﾀ)", "=(-ﾀ7/14ﾀ)+(-ﾀ6/14ﾀ)", "=-(ﾀ7/14ﾀ+ﾀ6/14ﾀ)", "3:=-ﾀ13/14ﾀ"},
          {"(+ﾀ1/2ﾀ)+(-ﾀ3/7ﾀ)", "=(+ﾀ7/14ﾀ)+(-ﾀ6/14ﾀ)", "=+(ﾀ7/14ﾀ-ﾀ6/14ﾀ)", "3:=+ﾀ1/14ﾀ"},
      });
}

TEST_F(FractionSums, MultipleDenominatorsReduceWhereTheyCan) {
  // 7/10 is already in lowest terms: only the result is shown.
  ExpectTable(MultipleDenominatorSums,
              {
                  {"(+ﾀ3/5ﾀ)+(+ﾀ1/10ﾀ)", "=(+ﾀ6/10ﾀ)+(+ﾀ1/10ﾀ)", "=+(ﾀ6/10ﾀ+ﾀ1/10ﾀ)", "3:=+ﾀ7/10ﾀ"},
                  {"(-ﾀ3/5ﾀ)+(+ﾀ1/10ﾀ)", "=(-ﾀ6/10ﾀ)+(+ﾀ1/10ﾀ)", "=-(ﾀ6/10ﾀ-ﾀ1/10ﾀ)",
                   "0:=-ﾀ5/10ﾀ3:=-ﾀ1/2ﾀ"},
                  {"(-ﾀ3/5ﾀ)+(-ﾀ1/10ﾀ)", "=(-ﾀ6/10ﾀ)+(-ﾀ1/10ﾀ)", "=-(ﾀ6/10ﾀ+ﾀ1/10ﾀ)", "3:=-ﾀ7/10ﾀ"},
                  {"(+ﾀ3/5ﾀ)+(-ﾀ1/10ﾀ)", "=(+ﾀ6/10ﾀ)+(-ﾀ1/10ﾀ)", "=+(ﾀ6/10ﾀ-ﾀ1/10ﾀ)",
                   "0:=+ﾀ5/10ﾀ3:=+ﾀ1/2ﾀ"},
                  {"(+ﾀ3/4ﾀ)+(+ﾀ1/12ﾀ)", "=(+ﾀ9/12ﾀ)+(+ﾀ1/12ﾀ)", "=+(ﾀ9/12ﾀ+ﾀ1/12ﾀ)",
                   "0:=+ﾀ10/12ﾀ3:=+ﾀ5/6ﾀ"},
                  {"(-ﾀ3/4ﾀ)+(+ﾀ1/12ﾀ)", "=(-ﾀ9/12ﾀ)+(+ﾀ1/12ﾀ)", "=-(ﾀ9/12ﾀ-ﾀ1/12ﾀ)",
                   "0:=-ﾀ8/12ﾀ3:=-ﾀ2/3ﾀ"},
                  {"(-ﾀ3/4ﾀ)+(-ﾀ1/12ﾀ)", "=(-ﾀ9/12ﾀ)+(-ﾀ1/12ﾀ)", "=-(ﾀ9/12ﾀ+ﾀ1/12ﾀ)",
                   "0:=-ﾀ10/12ﾀ3:=-ﾀ5/6ﾀ"},
                  {"(+ﾀ3/4ﾀ)+(-ﾀ1/12ﾀ)", "=(+ﾀ9/12ﾀ)+(-ﾀ1/12ﾀ)", "=+(ﾀ9/12ﾀ-ﾀ1/12ﾀ)",
                   "0:=+ﾀ8/12ﾀ3:=+ﾀ2/3ﾀ"},
              });
}

TEST_F(FractionSums, FourExamplesShowEachSignPatternOnceAndEachPairTwice) {
  PaRandomize(3);
  Keys(Repeat(Repeat("a", 8) + "2 Enter", 4) + Repeat("a", 8) + "1 Enter");
  UnlikeDenominatorSums();
  const std::vector<FractionExample> examples = FractionExamples(PagePrints());
  ASSERT_EQ(examples.size(), 5u);
  std::set<std::string> questions;
  int first_pair = 0;
  for (int i = 0; i < 4; ++i) {
    questions.insert(examples[i].question);
    first_pair += examples[i].question.find("5/3") != std::string::npos;
  }
  EXPECT_EQ(questions.size(), 4u);
  EXPECT_EQ(first_pair, 2);
  // The pairs run 5/3, 1/2, 1/2, 5/3; the fifth repeats the first.
  EXPECT_NE(examples[0].question.find("5/3"), std::string::npos);
  EXPECT_NE(examples[1].question.find("1/2"), std::string::npos);
  EXPECT_EQ(examples[4].question, examples[0].question);
}

}  // namespace
}  // namespace torvane
