// The sign rule of addition: eight worked sums, then the table of the sign
// and the absolute value of a sum filled in one cell per key.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "sign_rule_table.h"

namespace torvane {

namespace {

struct WorkedSum {
  const char* sum;
  const char* result;
};

// Two sums of positive numbers, two of negative numbers, four of numbers
// with opposite signs; two to a line.
const WorkedSum kSums[4][2] = {
    {{"①(+3)+(+4)=", "+7"}, {"②(+6)+(+2)=", "+8"}},
    {{"③(-3)+(-4)=", "-7"}, {"④(-6)+(-2)=", "-8"}},
    {{"⑤(+3)+(-4)=", "-1"}, {"⑥(+6)+(-2)=", "+4"}},
    {{"⑦(-3)+(+4)=", "+1"}, {"⑧(-6)+(+2)=", "-4"}},
};

// Rows at 420, 480 and 540, columns 264, 528 and 264 wide from x 44.
const std::vector<RuleCell> kTable = {
    {"加法", 44, 420, 264, 60, 11, 0},        {"和の符号", 308, 420, 528, 60, 11, 0},
    {"和の絶対値", 836, 420, 264, 60, 11, 0}, {"同符号の和", 44, 480, 264, 60, 11, 5},
    {"", 308, 480, 528, 60, 13, 5},           {"", 836, 480, 264, 60, 13, 5},
    {"異符号の和", 44, 540, 264, 60, 11, 5},  {"", 308, 540, 528, 60, 13, 5},
    {"", 836, 540, 264, 60, 13, 5},
};
const std::vector<RuleAnswer> kRules = {
    {4, "同じ符号"},
    {5, "絶対値の和"},
    {7, "絶対値の大きい方の符号"},
    {8, "絶対値の差"},
};

}  // namespace

void AdditionSignRuleTable() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("問　表にまとめなさい。", XI1, YI1, 0);
  // The results stand right after their "="; the right sum starts 132 after
  // the left one, room for the left result.
  for (const auto& line : kSums) {
    YI1 = YI1 + 75;
    Say(line[0].sum, 44, YI1, 0);
    PrintAt(line[0].result, XI2, YI1, 5);
    Say(line[1].sum, XI2 + 132, YI1, 0);
    PrintAt(line[1].result, XI2, YI1, 5);
  }
  SignRuleTable(kTable, kRules);
}

}  // namespace torvane
