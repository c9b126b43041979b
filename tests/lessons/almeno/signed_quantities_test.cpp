// The topic on quantities expressed with signed numbers: each submenu item
// driven from Almeno's main menu through all its keys and back to the
// submenu, the random examples under several clocks, and the two figures.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "almeno_steps_line.h"
#include "figures.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "signed_quantities_pages.h"
#include "submenu_lines.h"

namespace almeno {

namespace {

const char* const kSubmenu = SubmenuOf("almeno", 2);

// A run of the topic: how often each prompt was put up, and the texts the
// item printed on the page, from its opening to the submenu that follows it.
ItemRun RunTopic(const std::string& keys, const std::string& clock = "12:00:00") {
  return RunItem("almeno", keys, kSubmenu, clock);
}

class SignedQuantitiesItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(SignedQuantitiesItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("almeno", "2 Enter", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, SignedQuantitiesItems,
    ::testing::Values(
        ItemCase{"SeaLevel",
                 "1 Enter a a a a a a",
                 6,
                 0,
                 {"44 30 0 海面の高さを", "248 30 3 基準0m", "370 30 0 とし、高さが",
                  "44 80 0 海面より高いことを", "350 80 3 正の数、", "44 130 0 低いことを",
                  "214 130 3 負の数", "316 130 0 を使って表すと、", "44 195 3 富士山山頂の標高は、",
                  "264 260 5 +3776m", "44 325 3 小笠原海溝の最深部は、", "220 390 5 -9780m",
                  "40 500 7 これはどんなことを表していますか。", "40 590 0 解答…",
                  "142 590 5 最深部が海面より9780m低いこと"}},
        // Worked example (2 keys), one random example (1 key), then the
        // task line and "-500円" (2 keys).
        ItemCase{"IncomeExpense",
                 "2 Enter a a a 1 Enter a a",
                 5,
                 1,
                 {"40 495 7 教科書 問1 をしなさい。", "44 545 5 -500円"}},
        // Worked example (6 keys), one example (2 keys), "-50分" (1 key).
        ItemCase{"YearsBeforeAfter",
                 "3 Enter a a a a a a a a 1 Enter a",
                 9,
                 1,
                 {"40 509 7 教科書 問2 をしなさい。", "461 509 5 -50分"}},
        // Worked example (2 keys), one example (1 key); the task line
        // follows without a key.
        ItemCase{"ReferenceDifference",
                 "4 Enter a a a 1 Enter",
                 3,
                 1,
                 {"40 505 7 教科書 問3 をしなさい。"}},
        // A key after the last result.
        ItemCase{.name = "LibraryLoans",
                 .keys = "5 Enter a a a a",
                 .key_waits = 4,
                 .last_texts = {"516.5 273 5 -12", "620 273 5 +3", "696.5 273 5 +27"},
                 .steps = {"696.5 273 5 +27", "W"}},
        ItemCase{"Rewording",
                 "6 Enter a a a a a",
                 5,
                 0,
                 {"627 115 5 支出", "559 200 5 西", "681 285 5 黒字", "417 370 5 大きい",
                  "40 470 7 教科書 問4 をしなさい。"}},
        ItemCase{"RewordingAnswers",
                 "7 Enter a a a a",
                 4,
                 0,
                 {"44 30 3 問4 解答", "44 115 0 (1) 4個少ない　→　", "417 115 5 -4個多い",
                  "44 200 0 (2) 6cm短い　→　", "403 200 5 -6cm長い", "44 285 0 (3) 3kg軽い　→　",
                  "403 285 5 -3kg重い", "44 370 0 (4) 10円たりない　→　", "478 370 5 -10円余る"}}),
    ItemCaseName);

// The logged operations of one kind in a run, as their numbers.
std::vector<std::vector<double>> RunOps(const ItemRun& r, const std::string& name) {
  std::vector<std::vector<double>> out;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f.empty() || f[0] != name) continue;
    std::vector<double> nums;
    for (size_t i = 1; i < f.size(); ++i) nums.push_back(std::stod(f[i]));
    out.push_back(nums);
  }
  return out;
}

TEST(SignedQuantitiesTopic, SeaLevelLinesRunFromTheScaleToTheHeights) {
  const ItemRun r = RunTopic("2 Enter 1 Enter a a a a a a");
  std::vector<std::vector<double>> lines;
  for (const std::vector<double>& l : RunOps(r, "line")) {
    if (l[4] == 5 && l[5] == 3) lines.push_back(l);
  }
  ASSERT_EQ(lines.size(), 4u);
  // The summit's level exactly, then on to the top of "+3776m" at Y 260.
  EXPECT_FLOAT_EQ(lines[0][1], 216 - 113.28f);
  EXPECT_FLOAT_EQ(lines[0][3], 216 - 113.28f);
  EXPECT_EQ(lines[0][0], 660);
  EXPECT_EQ(lines[0][2], 770);
  EXPECT_FLOAT_EQ(lines[1][1], 216 - 113.28f);
  EXPECT_EQ(lines[1][3], 260);
  EXPECT_GT(lines[1][2], 264);
  // Along the bottom edge (Y 516, not the trench's 509.4), then to 22 below
  // the top of "-9780m".
  EXPECT_EQ(lines[2], (std::vector<double>{660, 516, 1050, 516, 5, 3}));
  EXPECT_EQ(lines[3][1], 516);
  EXPECT_EQ(lines[3][3], 390 + 22);
  EXPECT_GT(lines[3][2], 220 + 10);
}

TEST(SignedQuantitiesTopic, ExamplesBlankOnlyBelowTheWorkedExample) {
  struct Case {
    std::string keys;
    std::vector<std::vector<double>> boxes;  // the example's blanking, in order
  };
  const Case cases[] = {
      {"2 Enter 2 Enter a a a 1 Enter a a", {{0, 295, 1320, 1595}}},
      {"2 Enter 4 Enter a a a 1 Enter", {{0, 305, 1320, 1605}}},
      // Below the time line first, then the figure area for the answer.
      {"2 Enter 3 Enter a a a a a a a a 1 Enter a", {{0, 369, 1320, 1669}, {0, 200, 1240, 360}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    const ItemRun r = RunTopic(c.keys);
    std::vector<std::vector<double>> boxes;
    for (const std::vector<double>& b : RunOps(r, "box")) {
      // White boxes of the page, not the prompts' erasing at the bottom.
      if (b[4] == 15 && b[5] == 15 && b[1] < 657 && b[0] == 0 && b[2] != 1760) {
        boxes.push_back({b[0], b[1], b[2], b[3]});
      }
    }
    EXPECT_EQ(Tail(boxes, c.boxes.size()), c.boxes);
  }
}

// The given amounts and signs of one run's random examples, with their
// revealed answers.
struct Example {
  std::string given;   // colour 3, ending in "…"
  std::string answer;  // colour 5, continuing the line
};

// The given texts at (x, y) in colour 3; the answer of each is the next text
// in colour 5 on the same line (the time line is redrawn in between).
std::vector<Example> Examples(const ItemRun& r, const std::string& x, const std::string& y) {
  std::vector<Example> out;
  const std::string given_at = x + " " + y + " 3 ";
  for (size_t i = 0; i < r.page_texts.size(); ++i) {
    const std::string& t = r.page_texts[i];
    if (t.rfind(given_at, 0) != 0) continue;
    Example e{t.substr(given_at.size()), ""};
    for (size_t j = i + 1; j < r.page_texts.size() && e.answer.empty(); ++j) {
      std::istringstream in(r.page_texts[j]);
      std::string ax, ay, colour;
      in >> ax >> ay >> colour;
      if (ay == y && colour == "5") e.answer = r.page_texts[j].substr(ax.size() + y.size() + 4);
    }
    out.push_back(e);
  }
  return out;
}

const char* const kClocks[] = {"12:00:00", "08:15:42", "23:59:59", "00:00:01", "17:31:07"};

TEST(SignedQuantitiesExamples, AmountsAreHundredsUpTo700AndTheirSignSaysIncomeOrExpense) {
  std::set<std::string> seen;
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    // Twelve examples: 0, 2, -1 and an empty entry each give another one.
    const ItemRun r =
        RunTopic("2 Enter 2 Enter a a " + Repeat("a 0 Enter a 2 Enter a - 1 Enter", 3) +
                     Repeat("a Enter", 2) + "a 1 Enter a a",
                 clock);
    EXPECT_EQ(r.submenus, 2);
    const std::vector<Example> examples = Examples(r, "44", "395");
    ASSERT_EQ(examples.size(), 12u);
    for (const Example& e : examples) {
      SCOPED_TRACE(e.given);
      const std::string sign = e.given.substr(0, 1);
      const std::string amount = e.given.substr(1, e.given.find(Utf8("円…")) - 1);
      const int yen = std::stoi(amount);
      EXPECT_GE(yen, 100);
      EXPECT_LE(yen, 700);
      EXPECT_EQ(yen % 100, 0);
      EXPECT_EQ(e.given, sign + amount + Utf8("円…"));
      ASSERT_TRUE(sign == "-" || sign == "+");
      EXPECT_EQ(e.answer, amount + Utf8("円の") + Utf8(sign == "-" ? "支出" : "収入"));
      seen.insert(sign);
    }
  }
  EXPECT_EQ(seen.size(), 2u);
}

TEST(SignedQuantitiesExamples, YearsAreOneToSevenAndTheirSignSaysBeforeOrAfterNow) {
  std::set<std::string> seen;
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    const ItemRun r = RunTopic(
        "2 Enter 3 Enter a a a a a a " + Repeat("a a 0 Enter", 7) + "a a 1 Enter a", clock);
    EXPECT_EQ(r.submenus, 2);
    const std::vector<Example> examples = Examples(r, "44", "439");
    ASSERT_EQ(examples.size(), 8u);
    for (const Example& e : examples) {
      SCOPED_TRACE(e.given);
      const std::string sign = e.given.substr(0, 1);
      const std::string years = e.given.substr(1, e.given.find(Utf8("年…")) - 1);
      EXPECT_GE(std::stoi(years), 1);
      EXPECT_LE(std::stoi(years), 7);
      ASSERT_TRUE(sign == "-" || sign == "+");
      EXPECT_EQ(e.answer, Utf8("現在から") + years + Utf8(sign == "-" ? "年前" : "年後"));
      seen.insert(sign);
    }
  }
  EXPECT_EQ(seen.size(), 2u);
}

TEST(SignedQuantitiesExamples, EachScoreIsTheTarget80PlusItsSignedDifference) {
  for (const char* clock : kClocks) {
    SCOPED_TRACE(clock);
    const ItemRun r =
        RunTopic("2 Enter 4 Enter a a " + Repeat("a 3 Enter", 9) + "a 1 Enter", clock);
    EXPECT_EQ(r.submenus, 2);
    const std::vector<Example> examples = Examples(r, "114", "405");
    ASSERT_EQ(examples.size(), 10u);
    for (const Example& e : examples) {
      SCOPED_TRACE(e.given);
      const std::string diff = e.given.substr(0, e.given.find(Utf8("点…")));
      const int score = std::stoi(e.answer);
      EXPECT_EQ(e.answer, std::to_string(score) + Utf8("点"));
      EXPECT_GE(score, 20);
      EXPECT_LE(score, 99);
      const int d = score - 80;
      EXPECT_EQ(diff, d > 0 ? "+" + std::to_string(d) : std::to_string(d));
    }
  }
}

// ---- the generators over many draws -------------------------------------------

class SignedQuantitiesNumbers : public StartedPageTest {};

TEST_F(SignedQuantitiesNumbers, IncomeExpenseCoversEveryAmountAndBothSigns) {
  std::set<std::string> seen;
  PaRandomize(7);
  for (int n = 0; n < 2000; ++n) {
    IncomeExpenseNumbers();
    ASSERT_TRUE(T(1) >= 100 && T(1) <= 700 && PnFInt(T(1) / 100) * 100 == T(1)) << T(1);
    ASSERT_EQ(T_s(1), PfSTR244(T(1)).substr(1));
    if (P == -1) {
      ASSERT_EQ(P_s, "-");
      ASSERT_EQ(T_s(2), "支出");
    } else {
      ASSERT_EQ(P, 1);
      ASSERT_EQ(P_s, "+");
      ASSERT_EQ(T_s(2), "収入");
    }
    seen.insert(P_s + T_s(1));
  }
  EXPECT_EQ(seen.size(), 14u);
}

TEST_F(SignedQuantitiesNumbers, YearsStayOnTheTimeLineAndNeverAtNow) {
  std::set<float> points;
  X_a(32) = 620;
  PaRandomize(11);
  for (int n = 0; n < 2000; ++n) {
    YearsBeforeAfterNumbers();
    ASSERT_TRUE(T(1) >= 1 && T(1) <= 7) << T(1);
    ASSERT_EQ(T_s(2), P == -1 ? "年前" : "年後");
    ASSERT_EQ(P_s, P == -1 ? "-" : "+");
    ASSERT_EQ(X_a(1), 620 + P * 80 * T(1));
    points.insert(X_a(1));
  }
  EXPECT_EQ(points.size(), 14u);
  EXPECT_EQ(*points.begin(), 60);
  EXPECT_EQ(*points.rbegin(), 1180);
  EXPECT_EQ(points.count(620), 0u);
}

TEST_F(SignedQuantitiesNumbers, DifferenceTextsCarryTheirSign) {
  std::set<float> scores;
  PaRandomize(3);
  for (int n = 0; n < 4000; ++n) {
    ReferenceDifferenceNumbers();
    ASSERT_TRUE(T(1) >= 20 && T(1) <= 99) << T(1);
    ASSERT_EQ(T(2), T(1) - 80);
    scores.insert(T(1));
    const int d = static_cast<int>(T(2));
    ASSERT_EQ(T_s(2), d > 0 ? "+" + std::to_string(d) : std::to_string(d));
    ASSERT_EQ(T_s(1), std::to_string(static_cast<int>(T(1))));
  }
  EXPECT_EQ(scores.size(), 80u);
}

// ---- the figures ------------------------------------------------------------------

class SignedQuantitiesFigures : public StartedPageTest {
 protected:
  std::vector<std::vector<double>> Nums(const std::string& op) {
    std::vector<std::vector<double>> out;
    for (const LoggedOp& o : Ops(op)) out.push_back(o.nums);
    return out;
  }
};

TEST_F(SignedQuantitiesFigures, SeaLevelScaleSummitTrenchAndReference) {
  FE_SETDRAWWIDTH(1);
  SeaLevelFigure();
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  // The scale and its ticks (the signs of the labels are drawn lines too).
  std::vector<std::vector<double>> lines;
  for (const std::vector<double>& l : Nums("line")) {
    if (l[5] == 7) lines.push_back(l);
  }
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], (std::vector<double>{670, 96, 670, 516, 0, 7}));
  EXPECT_EQ(lines[1], (std::vector<double>{660, 96, 680, 96, 0, 7}));
  EXPECT_EQ(lines[15], (std::vector<double>{660, 516, 680, 516, 0, 7}));
  const std::vector<std::vector<double>> discs = Nums("disc");
  ASSERT_GE(discs.size(), 2u);
  EXPECT_FLOAT_EQ(discs[0][0], 770);
  EXPECT_FLOAT_EQ(discs[0][1], 216 - 113.28f);
  EXPECT_EQ(discs[0][2], 10);
  EXPECT_EQ(discs[0][3], 5);
  EXPECT_FLOAT_EQ(discs[1][0], 1050);
  EXPECT_FLOAT_EQ(discs[1][1], 216 + 293.4f);
  // The dotted sea level: small dots along Y 216 from 660 to 1210.
  float left = 2000, right = 0;
  for (size_t i = 2; i < discs.size(); ++i) {
    EXPECT_NEAR(discs[i][1], 216, 1e-3);
    EXPECT_EQ(discs[i][3], 13);
    left = std::min<float>(left, discs[i][0]);
    right = std::max<float>(right, discs[i][0]);
  }
  EXPECT_NEAR(left, 660, 1e-3);
  EXPECT_NEAR(right, 1210, 1e-3);
  // The sea (six points, filled in 10) and the ground (eleven, filled in
  // 12), both outlined in 0.
  const std::vector<std::vector<double>> areas = Nums("polygon");
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_EQ(areas[0][0], 0);
  EXPECT_EQ(areas[0][1], 10);
  EXPECT_EQ(areas[0][3], 6);
  EXPECT_EQ(areas[1][1], 12);
  EXPECT_EQ(areas[1][3], 11);
  EXPECT_EQ(X_a(37), 1050);
  EXPECT_FLOAT_EQ(Y_a(37), 516);
  std::vector<std::string> labels;
  for (const LoggedOp& o : PagePrints()) labels.push_back(o.text);
  EXPECT_EQ(labels, Utf8All({"+4000", "0", "-10000", "富士山山頂", "伊豆・小笠原海溝", "基準"}));
}

TEST_F(SignedQuantitiesFigures, TimeLineLeavesWidth5AndItsGeometry) {
  TimeLineFigure();
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(Nums("line")[0], (std::vector<double>{40, 280, 1200, 280, 0, 5}));
  EXPECT_EQ(Nums("disc")[0], (std::vector<double>{620, 280, 10, 7, 5}));
  EXPECT_EQ(Y, 312);
  EXPECT_EQ(CCC1, 3);
  EXPECT_EQ(Y_a(33), 369);
}

struct ArrowCase {
  float point;
  float kept;  // X_a(1) afterwards
  int colour;  // of the arrow, 0 for none
};

TEST_F(SignedQuantitiesFigures, TimeLineArrowFromNowToThePoint) {
  const ArrowCase cases[] = {
      {940, 940, 3},  {460, 460, 5}, {1180, 1180, 3}, {60, 60, 5},
      {1260, 620, 0}, {20, 620, 0},  {620, 620, 0},  // moved to now, or at now: no arrow
  };
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(c.point);
    TimeLineFigure();
    ClearLog();
    X_a(1) = c.point;
    TimeLineArrow();
    EXPECT_EQ(X_a(1), c.kept);
    EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
    EXPECT_EQ(X_a(31), 60);
    EXPECT_EQ(X_a(32), 620);
    EXPECT_EQ(X_a(33), 1180);
    EXPECT_EQ(Y_a(31), 280);
    EXPECT_EQ(Y_a(33), 369);
    std::vector<std::vector<double>> arrow;
    for (const std::vector<double>& l : Nums("line")) {
      if (l[5] == 12) arrow.push_back(l);
    }
    if (c.colour == 0) {
      EXPECT_TRUE(arrow.empty());
      continue;
    }
    ASSERT_EQ(arrow.size(), 3u);
    // The shaft 25 above the line, from now to the point; the head at the point.
    EXPECT_EQ(std::min(arrow[0][0], arrow[0][2]), std::min(620.0, double(c.point)));
    EXPECT_EQ(std::max(arrow[0][0], arrow[0][2]), std::max(620.0, double(c.point)));
    EXPECT_EQ(arrow[0][1], 255);
    EXPECT_EQ(arrow[0][3], 255);
    EXPECT_EQ(arrow[1][2], c.point);
    for (const std::vector<double>& l : arrow) EXPECT_EQ(l[4], c.colour);
    EXPECT_EQ(IRO, c.colour);
  }
}

}  // namespace

}  // namespace almeno
