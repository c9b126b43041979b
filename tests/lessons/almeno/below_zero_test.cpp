// The numbers-below-zero topic: the thermometer exercise, the signs and integers pages, and their
// figures.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "below_zero_pages.h"
#include "figure_globals.h"
#include "globals.h"
#include "goal_page.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "shell.h"
#include "submenu_lines.h"

namespace almeno {

namespace {

const char* const kSubmenu = SubmenuOf("almeno", 1);
const char* const kUsedUp = "script used up";

// The markup texts from the print at `from` on, "x y colour text".
std::vector<std::string> MarkupSince(const std::vector<Print>& prints, size_t from) {
  return MarkupPrints(std::vector<Print>(prints.begin() + from, prints.end()));
}
int Count(const std::vector<Print>& prints, const char* sjis) {
  int n = 0;
  for (const Print& p : prints) n += p.text == Utf8(sjis);
  return n;
}
// Index just after the last print of `sjis` before `before`.
size_t After(const std::vector<Print>& prints, const char* sjis, size_t before) {
  size_t at = 0;
  for (size_t i = 0; i < before; ++i) {
    if (prints[i].text == Utf8(sjis)) at = i + 1;
  }
  return at;
}
// ---- the topic entry ---------------------------------------------------------------

// ---- the thermometer exercise ----------------------------------------------------------

// Two examples, then the textbook part: ten key waits, then the submenu.
const std::string kThermometerKeys =
    "1 Enter 1 Enter Space Space 2 Enter Space Space 1 Enter " + Repeat("Space", 10);

TEST(ThermometerPage, TextbookAnswersComeOneKeyAfterTheirLabelsThenTheSubmenu) {
  PlayerRun run = RunPlayer("almeno", kThermometerKeys);
  EXPECT_EQ(run.ending, kUsedUp);
  const std::vector<Print> prints = PrintsOf(run);
  EXPECT_EQ(KeyWaits(prints), 14);
  EXPECT_EQ(Count(prints, "次のステップは１を入力。"), 2);
  ASSERT_GE(prints.size(), 2u);
  EXPECT_EQ(prints[prints.size() - 2].text, Utf8(kSubmenu));
  const std::vector<std::string> want = {
      "40 310 7 " + Utf8("教科書 問1 をしなさい。"),
      "44 360 0 (1)",
      "125 360 5 " + Utf8("-3℃ "),
      "240 360 0 (2)",
      "321 360 5 " + Utf8("-2.5℃"),
      "40 460 7 " + Utf8("教科書 問2 をしなさい。"),
      "44 510 0 " + Utf8("旭川"),
      "112 510 5 " + Utf8("-4.8℃ "),
      "262 510 0 " + Utf8("札幌"),
      "330 510 5 " + Utf8("-4.3℃"),
      "44 560 0 " + Utf8("釧路"),
      "112 560 5 " + Utf8("-4℃ "),
      "227 560 0 " + Utf8("青森"),
      "295 560 5 " + Utf8("-1℃ "),
  };
  EXPECT_EQ(MarkupSince(prints, After(prints, "次のステップは１を入力。", prints.size())), want);

  // One key short: the page is still waiting when the script runs out.
  PlayerRun shorter = RunPlayer("almeno", kThermometerKeys.substr(0, kThermometerKeys.size() - 6));
  const std::vector<Print> cut = PrintsOf(shorter);
  EXPECT_EQ(Count(cut, kSubmenu), 1);
  EXPECT_EQ(cut.back().text, Utf8("何かキーを押して下さい。"));
}

struct Example {
  std::string shown;     // "+5℃" or "-12℃"
  std::string sentence;  // "0℃より5℃高い温度"
  double column_top;     // y of the top of the mercury
};
// The examples of a run, in order.
std::vector<Example> Examples(const PlayerRun& run) {
  std::vector<Example> out;
  // The column: the colour-5 box drawn right after the tube is emptied.
  std::vector<double> tops;
  bool emptied = false;
  for (const std::string& line : run.log) {
    if (emptied && line.rfind("box\t768\t550\t784\t", 0) == 0)
      tops.push_back(std::stod(line.substr(16)));
    emptied = line.rfind("box\t768\t40\t784\t550\t14\t14\t", 0) == 0;
  }
  const std::vector<Print> prints = PrintsOf(run);
  for (const Print& p : prints) {
    if (p.routine != "PrintMarkup") continue;
    if (p.x == 176 && p.y == 150 && p.colour == 5) out.push_back({p.text, "", 0});
    if (p.x == 44 && p.y == 210 && p.colour == 3) out.back().sentence = p.text;
  }
  for (size_t i = 0; i < out.size() && i < tops.size(); ++i) out[i].column_top = tops[i];
  return out;
}

TEST(ThermometerPage, FirstExampleOfEveryVisitIsAboveZeroLaterOnesTakeEitherSign) {
  for (const char* clock : {"12:00:00", "08:15:37"}) {
    SCOPED_TRACE(clock);
    // 30 examples, the textbook part, then the item again for one example.
    const std::string one = "Space Space ";
    const std::string keys = "1 Enter 1 Enter " + Repeat(one + "2 Enter", 29) + one + "1 Enter " +
                             Repeat("Space", 10) + "1 Enter " + one + "1 Enter";
    PlayerRun run = RunPlayer("almeno", keys, clock);
    const std::vector<Example> examples = Examples(run);
    ASSERT_EQ(examples.size(), 31u);
    std::set<char> signs;
    for (size_t i = 0; i < examples.size(); ++i) {
      const Example& e = examples[i];
      SCOPED_TRACE(e.shown);
      const std::string degrees = Utf8("℃");
      ASSERT_GT(e.shown.size(), degrees.size() + 1);
      const char sign = e.shown[0];
      const std::string magnitude = e.shown.substr(1, e.shown.size() - 1 - degrees.size());
      const int t = std::stoi(magnitude);
      EXPECT_GE(t, 1);
      EXPECT_LE(t, 17);
      ASSERT_TRUE(sign == '+' || sign == '-');
      const int signed_t = sign == '+' ? t : -t;
      EXPECT_EQ(e.sentence, Utf8("0℃より") + magnitude + degrees +
                                Utf8(sign == '+' ? "高い" : "低い") + Utf8("温度"));
      EXPECT_EQ(e.column_top, 295 - 15 * signed_t);
      if (i == 0 || i == 30) {
        EXPECT_EQ(sign, '+');  // the first example of a visit
      } else {
        signs.insert(sign);
      }
    }
    EXPECT_EQ(signs, (std::set<char>{'+', '-'}));
  }
}

// ---- pages driven directly -----------------------------------------------------------------

class BelowZeroPagesTest : public StartedPageTest {
 protected:
  std::vector<std::string> Lines(double colour) {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops("line")) {
      if (op.nums[4] == colour) out.push_back(op.Line());
    }
    return out;
  }
};

TEST_F(BelowZeroPagesTest, ThermometerFigureGeometryLabelsAndDrawWidth) {
  ThermometerFigure();
  EXPECT_EQ((std::vector<float>{X_a(31), X_a(32), X_a(33), X_a(34), X_a(35), X_a(36)}),
            (std::vector<float>{640, 736, 768, 784, 816, 912}));
  EXPECT_EQ((std::vector<float>{Y_a(31), Y_a(32), Y_a(33), Y_a(34)}),
            (std::vector<float>{40, 295, 550, 630}));
  EXPECT_EQ(Ops("box").front().Line(), "box\t600\t10\t947\t630\t13\t12\t15\t3");
  const std::vector<std::string> labels = {"640 251 11  0", "640 101 11 10", "856 135 11 +",
                                           "816 401 11 10", "640 415 11 -"};
  EXPECT_EQ(MarkupPrints(), labels);
  // 34 degree ticks, 7 five-degree ticks and the three long lines, all white.
  const std::vector<std::string> white = Lines(15);
  ASSERT_EQ(white.size(), 44u);
  EXPECT_EQ(white[0], "line\t752\t40\t800\t40\t15\t4");
  EXPECT_EQ(white[33], "line\t752\t535\t800\t535\t15\t4");
  EXPECT_EQ(white[34], "line\t736\t70\t816\t70\t15\t4");
  EXPECT_EQ(white[43], "line\t736\t445\t912\t445\t15\t4");
  // The tube last, over the middle of the ticks, at width 2, which stays.
  EXPECT_EQ(Ops("box").back().Line(), "box\t768\t20\t784\t550\t14\t14\t15\t2");
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(CCC1, 11);
}

TEST_F(BelowZeroPagesTest, MercuryColumnRisesFifteenUnitsADegreeFromTheBulb) {
  ThermometerFigure();
  const struct {
    float degrees, top;
  } cases[] = {{17, 40}, {-17, 550}, {1, 280}, {-1, 310}, {12, 115}};
  for (const auto& c : cases) {
    ClearLog();
    T(3) = c.degrees;
    MercuryLevel();
    const std::vector<LoggedOp> boxes = Ops("box");
    ASSERT_EQ(boxes.size(), 2u);
    // The tube emptied first, so only this level shows.
    EXPECT_EQ(boxes[0].Line(), "box\t768\t40\t784\t550\t14\t14\t15\t2");
    EXPECT_EQ(std::vector<double>(boxes[1].nums.begin(), boxes[1].nums.begin() + 6),
              (std::vector<double>{768, 550, 784, c.top, 5, 5}));
    EXPECT_EQ(Y_a(35), c.top);
  }
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
}

TEST_F(BelowZeroPagesTest, ThePositiveLineStartsAtZeroAndLabelsZeroToSeven) {
  Y_a(31) = 320;
  FE_SETDRAWWIDTH(3);
  PositiveNumberLine();
  EXPECT_EQ((std::vector<float>{X_a(31), X_a(32), X_a(33), Y_a(31)}),
            (std::vector<float>{120, 680, 1240, 240}));
  const std::vector<std::string> lines = Lines(0);
  ASSERT_EQ(lines.size(), 15u + 1 + 8);
  EXPECT_EQ(lines[0], "line\t680\t230\t680\t250\t0\t4");
  EXPECT_EQ(lines[14], "line\t1240\t230\t1240\t250\t0\t4");
  EXPECT_EQ(lines[15], "line\t680\t240\t1260\t240\t0\t4");  // nothing left of 0
  EXPECT_EQ(lines[16], "line\t680\t225\t680\t255\t0\t4");
  EXPECT_EQ(lines[23], "line\t1240\t225\t1240\t255\t0\t4");
  std::vector<std::string> labels;
  for (int k = 0; k <= 7; ++k) {
    labels.push_back(std::to_string(668 + 80 * k) + " 265 0 " + std::to_string(k));
    EXPECT_EQ(F_sa(k + 1), std::to_string(k));
  }
  EXPECT_EQ(MarkupPrints(), labels);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(ITI, 12);
}

TEST_F(BelowZeroPagesTest, SignsScaleMarksLabelsArrowsAndWords) {
  SignsScaleFigure();
  EXPECT_EQ((std::vector<float>{X_a(31), X_a(32), X_a(33), X_a(34), X_a(35), X_a(36)}),
            (std::vector<float>{968, 1064, 1096, 1112, 1144, 1240}));
  EXPECT_EQ((std::vector<float>{Y_a(31), Y_a(32), Y_a(34)}), (std::vector<float>{336, 616, 16}));
  const std::vector<std::string> black = Lines(0);
  ASSERT_EQ(black.size(), 1u + 30 + 7 + 3);
  EXPECT_EQ(black[0], "line\t1104\t648\t1104\t-16\t0\t5");
  EXPECT_EQ(black[30], "line\t1080\t36\t1128\t36\t0\t5");
  EXPECT_EQ(black[37], "line\t1064\t16\t1144\t16\t0\t5");
  EXPECT_EQ(black[38], "line\t1008\t516\t1200\t516\t0\t5");
  EXPECT_EQ(black[40], "line\t1008\t116\t1200\t116\t0\t5");
  // The arrows' shafts, at width 10: down to the negative side, up to the positive.
  const std::vector<std::string> arrows = Lines(3);
  ASSERT_FALSE(arrows.empty());
  for (const std::string& line : arrows) EXPECT_NE(line.find("\t3\t10"), std::string::npos);
  EXPECT_NE(std::find(arrows.begin(), arrows.end(), "line\t858\t346\t858\t606\t3\t10"),
            arrows.end());
  EXPECT_NE(std::find(arrows.begin(), arrows.end(), "line\t858\t296\t858\t36\t3\t10"),
            arrows.end());
  const std::vector<std::string> want = {"880 496 5 -10",
                                         "880 296 5   0",
                                         "880 96 5 +10",
                                         "770 60 3 " + Utf8("正"),
                                         "770 106 3 " + Utf8("の"),
                                         "770 152 3 " + Utf8("数"),
                                         "770 296 3 0",
                                         "770 428 3 " + Utf8("負"),
                                         "770 474 3 " + Utf8("の"),
                                         "770 520 3 " + Utf8("数")};
  EXPECT_EQ(MarkupPrints(), want);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(CCC1, 3);
  EXPECT_EQ(MUKI, 0);
}

TEST_F(BelowZeroPagesTest, SignsPageRevealsNineStepsAndContinuesEachLine) {
  Keys(Repeat("Space", 9));
  SignsPage();
  EXPECT_EQ(KeyWaits(), 9);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(Ops("box").front().Line(), "box\t0\t0\t1320\t1300\t15\t15\t15\t3");
  std::vector<std::string> page = MarkupPrints();
  ASSERT_EQ(page.size(), 10u + 20);
  page.erase(page.begin(), page.begin() + 10);  // the scale's labels and words
  // Each piece that goes on a line starts where the one before ended.
  std::vector<LoggedOp> prints;
  for (const LoggedOp& op : PagePrints()) {
    if (op.face == "PrintMarkup" && op.nums[0] < 760) prints.push_back(op);
  }
  ASSERT_EQ(prints.size(), 20u);
  EXPECT_EQ(page[0], "88 18 5 " + Utf8("<正の数・負の数>"));
  EXPECT_EQ(page[1], "44 78 3 " + Utf8("正の数"));
  EXPECT_EQ(page[3], "44 153 3 " + Utf8("負の数"));
  EXPECT_EQ(page[5], "44 228 3 " + Utf8("正の符号"));
  EXPECT_EQ(page[7], "44 303 3 " + Utf8("負の符号"));
  EXPECT_EQ(page[9], "44 378 3 " + Utf8("+10と10は同じ数"));
  EXPECT_EQ(page[11], "40 478 7 " + Utf8("教科書 問3 をしなさい。"));
  EXPECT_EQ(page[12], "48 528 0 (1)");
  EXPECT_EQ(prints[19].text, Utf8("-ﾀ2/3ﾀ "));
  for (int i : {2, 4, 6, 8, 10, 13, 14, 15, 16, 17, 18, 19}) {
    EXPECT_GT(prints[i].nums[0], prints[i - 1].nums[0]) << i;
    EXPECT_EQ(prints[i].nums[1], prints[i - 1].nums[1]) << i;
  }
}

TEST_F(BelowZeroPagesTest, IntegersPageKeepsTheRowInPlaceAndHangsTheArrowsOnIt) {
  Keys(Repeat("Space", 12));
  IntegersPage();
  EXPECT_EQ(KeyWaits(), 12);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 10);
  const std::vector<LoggedOp> prints = PagePrints();
  std::vector<LoggedOp> markup;
  for (const LoggedOp& op : prints) {
    if (op.face == "PrintMarkup") markup.push_back(op);
  }
  ASSERT_EQ(markup.size(), 13u);
  // White first, then black at the same place; "0,1,2,3,…" never moves.
  EXPECT_EQ(markup[1].nums, (std::vector<double>{44, 90, 15}));
  EXPECT_EQ(markup[3].nums, (std::vector<double>{44, 90, 0}));
  EXPECT_EQ(markup[1].text, markup[3].text);
  const double e = markup[2].nums[0];
  EXPECT_EQ(X_a(1), e - 30);
  EXPECT_EQ(X_a(2), e + 60);
  EXPECT_EQ(Y_a(1), 150);
  const std::vector<std::string> shafts = Lines(9);
  auto has = [&](double x1, double x2) {
    std::ostringstream a, b;
    a << "line\t" << x1 << "\t150\t" << x2 << "\t150\t9\t10";
    b << "line\t" << x2 << "\t150\t" << x1 << "\t150\t9\t10";
    return std::find(shafts.begin(), shafts.end(), a.str()) != shafts.end() ||
           std::find(shafts.begin(), shafts.end(), b.str()) != shafts.end();
  };
  EXPECT_TRUE(has(44, e - 30));
  EXPECT_TRUE(has(e + 60, e + 300));
  EXPECT_EQ(markup[4].nums, (std::vector<double>{132, 160, 3}));
  EXPECT_EQ(markup[5].nums, (std::vector<double>{e + 60, 160, 3}));
  EXPECT_EQ(markup[6].nums[2], 7);
  EXPECT_EQ(markup[7].nums, (std::vector<double>{88, 250, 3}));
  EXPECT_EQ(markup[8].nums, (std::vector<double>{40, 350, 7}));
  EXPECT_EQ(markup[9].nums, (std::vector<double>{44, 410, 0}));
  EXPECT_EQ(markup[11].nums, (std::vector<double>{44, 470, 0}));
  EXPECT_EQ(markup[12].text, "4,+12");
  EXPECT_EQ(markup[12].nums[2], 5);
}

TEST(BelowZeroPages, SignsAndIntegersReturnToTheSubmenuAfterTheirLastAnswer) {
  const struct {
    const char* item;
    int keys;
    const char* last;
  } cases[] = {{"2", 9, "-ﾀ2/3ﾀ "}, {"3", 12, "4,+12"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    PlayerRun run =
        RunPlayer("almeno", std::string("1 Enter ") + c.item + " Enter" + AnyKeys(c.keys));
    EXPECT_EQ(run.ending, kUsedUp);
    const std::vector<Print> prints = PrintsOf(run);
    EXPECT_EQ(KeyWaits(prints), c.keys);
    ASSERT_GE(prints.size(), 3u);
    EXPECT_EQ(prints[prints.size() - 3].text, Utf8(c.last));
    EXPECT_EQ(prints[prints.size() - 2].text, Utf8(kSubmenu));
  }
}

}  // namespace

}  // namespace almeno
