// Quorrel's topic on using signed numbers: the records, every
// item's texts and waits, the bar graph and the pen width the pages leave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figure_globals.h"
#include "globals.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "log_lines.h"
#include "page_reader.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"
#include "submenu_lines.h"
#include "week_tables.h"

namespace {

const char* const kSubmenu = SubmenuOf("quorrel", 4);

TEST(SignedNumbersUseTopic, EveryItemShowsItsPageWaitsItsKeysAndComesBack) {
  ExpectEveryItem(
      "quorrel", "4 Enter", kSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(9),
           .key_waits = 9,
           .steps = {"30 20 7 P49 ",
                     "138 20 3 1週目、2週目、3週目の記録をくらべよう。",
                     "30 170 0 伸びました。3週目は50回跳ぶことを目標にしました。",
                     "823 233 7 記録",
                     "809.5 283 0 1週目",
                     "917 283 0 12",
                     "1157 383 0 52",
                     "W",
                     "30 240 3 記録を比べると、どんなことがわかる?",
                     "W",
                     "30 290 7 ① ",
                     "91 290 0 各週のいちばん多い回数は、",
                     "W",
                     "66 340 0 18回,51回,57回と増加している。",
                     "W",
                     "30 390 7 ② ",
                     "W",
                     "66 440 0 12回,35回,42回と増加している。",
                     "W",
                     "30 490 7 ③ ",
                     "W",
                     "66 540 0 0回,1回,3回と増加している。",
                     "W",
                     "30 590 3 ほかに記録を比べる方法はないだろうか?",
                     "W",
                     "669 590 5  記録の平均で比べる"}},
          {.name = "2",
           .keys = "2 Enter" + AnyKeys(19),
           .key_waits = 19,
           .steps = {"40 30 3 1週目の記録の平均を求めよう。", "822 23 0 月", "689.5 73 0 1週目",
                     "1172 73 0 18", "W", "40 80 7 平均=(回数の合計)/(日数)", "513 80 0  だから",
                     "W", "40 130 0 12+17+13+15+18=", "W", "450 130 3 75(回)", "W",
                     "40 180 0 75/5=", "W", "180 180 5 15(回)", "W",
                     "40 230 3 2週目の記録の平均を求めよう。", "40 280 7 <35回を基準にする求め方>",
                     "W",
                     // The week-2 row covers the week-1 row; its differences are empty.
                     "689.5 73 0 2週目", "703 123 0 違い", "1172 73 0 51", "746 578 0 30",
                     "800 250 0 (回)", "W", "825.5 123 5 0", "W", "902 123 5 +3", "W",
                     "992 123 5 +6", "W", "1082 123 5 +5", "W", "1158.5 123 5 +16", "W",
                     "40 330 0 0+3+6+5+16=", "342 330 3 30(回)", "W", "40 380 0 30/5=", "W",
                     "180 380 3 6(回)", "W", "325 380 0 35+6=", "W", "465 380 5 41(回)", "W",
                     "40 430 3 仮平均", "142 430 0 …基準35回のような値", "W",
                     "40 480 7 ①計算が簡単になるよう仮平均を決める。",
                     "40 530 7 ②差を求め、平均を計算する。", "40 580 7 ③仮平均と平均をたす。"}},
          {.name = "3",
           .keys = "3 Enter" + AnyKeys(13),
           .key_waits = 13,
           .steps = {"40 30 3 仮平均を50回として",
                     "40 80 3 3週目の記録の平均を求めよう。",
                     "689.5 73 0 3週目",
                     "812 73 0 44",
                     "800 250 0 (回)",
                     "W",
                     "40 140 7 問1",
                     "40 190 0 表を完成させなさい。",
                     "W",
                     "812 123 5 -6",
                     "W",
                     "902 123 5 -8",
                     "W",
                     "992 123 5 +7",
                     "W",
                     "1095.5 123 5 0",
                     "W",
                     "1172 123 5 +2",
                     "W",
                     "40 250 7 問2",
                     "40 300 0 表から平均を求めなさい。",
                     "W",
                     "40 370 0 -6-8+7+0+2=",
                     "W",
                     "40 420 0 -5/5=",
                     "W",
                     "W",
                     "W",
                     "W",
                     "40 490 7 教科書 問3,4 をしなさい。"}},
          {.name = "4",
           .keys = "4 Enter" + AnyKeys(17),
           .key_waits = 17,
           .steps = {"756.5 23 0 1組", "442 73 0 跳べた回数(回)", "408 123 0 仮平均との違い(回)",
                     "770 73 0 ①", "1040 123 0 ④", "40 30 7 問3", "101 30 0 空欄をうめなさい。",
                     "W", "40 80 0 5組の記録から", "40 130 3 仮平均は", "W",
                     "40 180 0 42+3=", "180 180 3 45(回)", "W", "322 180 0  だから", "40 230 7 ①",
                     "74 230 0 45+6=", "W",
                     // Each answer is worked on the left, then written into its blank.
                     "214 230 3 51", "760 73 5 51", "W", "40 280 7 ②", "W", "241 280 3 -5",
                     "850 123 5 -5", "W", "W", "214 330 3 37", "940 73 5 37", "W", "W",
                     "241 380 3 +10", "1016.5 123 5 +10", "W",
                     // Question 4 in the second column, 40 right of " だから".
                     "491 210 7 問4", "W", "491 280 0 6-5-8+10-3=", "793 280 3 0(回)", "W",
                     "491 330 0 0/5=", "W", "604 330 3 0(回)", "W", "749 330 0 45-0=", "W",
                     "889 330 5 45(回)", "W", "491 400 7 教科書 練習問題 をしなさい。"}},
          {.name = "5",
           .keys = "5 Enter" + AnyKeys(5),
           .key_waits = 5,
           .steps = {"108 453 0 曜日", "47 503 0 売上数(杯)", "40 30 7 教科書P51　練習問題の答",
                     "40 80 3 平均は、", "W", "67 130 0 150+(7-14+0-8+10+23+17)/7", "W",
                     "40 180 0 =150+35/7", "W", "40 230 0 =150+5", "W",
                     "40 280 3 7日間の総売上数は、", "W", "40 330 0 155*7"}},
      });
}

TEST(SignedNumbersUseTopic, PagesThatSetTheWidthFiveLeaveItToTheNextPage) {
  // The records table of item ① has no width of its own: 3 from start-up,
  // 5 after item ②.
  auto record_cell_width = [](const std::string& keys) {
    const PlayerRun run = RunPlayer("quorrel", keys);
    std::string width;
    for (const std::string& line : run.log) {
      if (line.rfind("box\t914\t280\t974\t330\t3\t15\t", 0) == 0) width = Fields(line).back();
    }
    return width;
  };
  EXPECT_EQ(record_cell_width("4 Enter 1 Enter" + AnyKeys(9)), "3");
  EXPECT_EQ(record_cell_width("4 Enter 2 Enter" + AnyKeys(19) + " 1 Enter" + AnyKeys(9)), "5");
}

}  // namespace

namespace quorrel {
namespace {

class SignedNumbersUseTest : public StartedPageTest {};

TEST_F(SignedNumbersUseTest, JumpRopeRecordsWithTheirSumsAndMeans) {
  T(8) = 99;  // not one of the records: kept
  JumpRopeRecords();
  EXPECT_EQ(T_s(1), "12");
  EXPECT_EQ(T_s(25), "52");
  EXPECT_EQ(T_s(6), "75");
  EXPECT_EQ(T_s(16), "205");
  EXPECT_EQ(T_s(26), "245");
  EXPECT_EQ(T_s(7), "15");
  EXPECT_EQ(T_s(17), "41");
  EXPECT_EQ(T_s(27), "49");
  EXPECT_EQ(T(8), 99);
}

TEST_F(SignedNumbersUseTest, BarGraphOfAWeekWithItsProvisionalMeanLine) {
  // A week's records from T(11), the provisional mean 35.
  const float records[] = {35, 38, 41, 40, 51};
  for (int i = 1; i <= 5; ++i) T(10 + i) = records[i - 1];
  Y_sa(4) = "70";  // a label beyond the grid: not shown
  FE_SETDRAWWIDTH(3);
  ClearLog();
  WeekBarGraph(10, 35);

  std::vector<std::string> bars, lines, prints;
  for (const LoggedOp& op : Log()) {
    if (op.name == "box") bars.push_back(op.Line());
    if (op.name == "line") lines.push_back(op.Line());
  }
  for (const LoggedOp& op : PagePrints()) {
    prints.push_back(std::to_string(int(op.nums[0])) + " " + std::to_string(int(op.nums[1])) + " " +
                     op.text);
  }
  // Bars 30 wide after gaps of 20, 10 units a jump above 30, at the width
  // the caller left.
  EXPECT_EQ(bars,
            (std::vector<std::string>{
                "box\t820\t550\t850\t600\t3\t3\t15\t3", "box\t870\t520\t900\t600\t3\t3\t15\t3",
                "box\t920\t490\t950\t600\t3\t3\t15\t3", "box\t970\t500\t1000\t600\t3\t3\t15\t3",
                "box\t1020\t390\t1050\t600\t3\t3\t15\t3"}));
  // Eight grid lines, the axis and the fifth thick in colour 1; then the
  // axes 5 wide over them and the line of 35 in colour 5.
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "line\t800\t600\t1070\t600\t1\t3", "line\t800\t550\t1070\t550\t0\t2",
                       "line\t800\t500\t1070\t500\t0\t2", "line\t800\t450\t1070\t450\t0\t2",
                       "line\t800\t400\t1070\t400\t0\t2", "line\t800\t350\t1070\t350\t1\t3",
                       "line\t800\t300\t1070\t300\t0\t2", "line\t800\t250\t1070\t250\t0\t2",
                       "line\t800\t600\t1070\t600\t0\t5", "line\t800\t600\t800\t250\t0\t5",
                       "line\t800\t550\t1070\t550\t5\t5"}));
  // The values end at the axis; the days under the bars; the unit at the top.
  EXPECT_EQ(prints,
            Expected({"746 578 30", "820 600 月", "870 600 火", "920 600 水", "970 600 木",
                      "1020 600 金", "746 480 40", "746 380 50", "746 280 60", "800 250 (回)"}));
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(CCC2, 0);
  EXPECT_EQ(CCC3, 1);
  EXPECT_EQ(Y_sa(20), "30");
  EXPECT_EQ(GX2, 1070);
  EXPECT_EQ(GY0, 600);

  // A provisional mean at the axis value lies on the axis.
  ClearLog();
  WeekBarGraph(10, 30);
  EXPECT_EQ(Ops("line").back().Line(), "line\t800\t600\t1070\t600\t5\t5");
}

}  // namespace
}  // namespace quorrel
