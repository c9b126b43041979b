// Dotted arcs over a chord and labels beside a point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class FigureLabelTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    FE_SETDRAWWIDTH(10);
  }
  void ExpectLabelAt(const std::string& text, double x, double y, double colour,
                     const char* printer = "PrintMarkup") {
    auto labels = PagePrints();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].face, printer);
    EXPECT_EQ(labels[0].text, Utf8(text));
    EXPECT_NEAR(labels[0].nums[0], x, 0.05) << labels[0].Line();
    EXPECT_NEAR(labels[0].nums[1], y, 0.05) << labels[0].Line();
    EXPECT_EQ(labels[0].nums[2], colour);
  }
};

// ---- labels beside a point -------------------------------------------------

class LabelTest : public FigureLabelTest {
 protected:
  void Label(const std::string& text, float iti, float nagasa) {
    ZX0 = 300;
    ZY0 = 300;
    ZX1 = 400;
    ZY1 = 300;
    ZX2 = 300;
    ZY2 = 200;
    ITI = iti;
    NAGASA = nagasa;
    AAA_s = text;
    CCC1 = 3;
    ClearLog();
    DrawLabelAtPoint();
  }
};

TEST_F(LabelTest, PushedAlongTheBisectorAndBeyondItsAnchor) {
  const float w = MarkupWidth("12");
  // Bisector up and to the right: anchor (314.14, 285.86).
  Label("12", 0, 20);
  ExpectLabelAt("12", 314.14 - w * 0.1464, 248.3, 3);
  EXPECT_EQ(LLT, w);
  EXPECT_EQ(DY, 22);
  EXPECT_NEAR(HH5, 3.14159 / 4, 1e-5);
  // The other angle: down and to the left of the point.
  Label("12", -1, 20);
  ExpectLabelAt("12", 285.86 - w * 0.8536, 307.7, 3);
}

TEST_F(LabelTest, FourMainDirectionsAroundTheAnchor) {
  const float w = MarkupWidth("7");
  struct Case {
    float x1, y1, x2, y2;  // ray points round the vertex (300, 300)
    double x, y;           // expected top-left of the label
  } cases[] = {
      {400, 400, 400, 200, 300, 300 - 22},          // right: centred on the level
      {400, 200, 200, 200, 300 - w / 2, 300 - 44},  // up: lower edge at the point
      {200, 200, 200, 400, 300 - w, 300 - 22},      // left: ends at the point
      {200, 400, 400, 400, 300 - w / 2, 300},       // down: top at the point
  };
  for (const Case& c : cases) {
    ZX0 = 300;
    ZY0 = 300;
    ZX1 = c.x1;
    ZY1 = c.y1;
    ZX2 = c.x2;
    ZY2 = c.y2;
    AAA_s = "7";
    CCC1 = 0;
    ClearLog();
    DrawLabelAtPoint();
    ExpectLabelAt("7", c.x, c.y, 0);
  }
}

TEST_F(LabelTest, FractionLabelsStandTallerAndTheMarkIsSoughtByCharacter) {
  // Bisector straight up, no distance: the label's lower edge at the point.
  auto up = [&](const std::string& text) {
    ZX0 = 300;
    ZY0 = 300;
    ZX1 = 400;
    ZY1 = 200;
    ZX2 = 200;
    ZY2 = 200;
    AAA_s = text;
    ClearLog();
    DrawLabelAtPoint();
    return PagePrints().at(0).nums[1];
  };
  EXPECT_NEAR(up("ﾀ1/2ﾀ"), 300 - 80, 0.05);
  EXPECT_EQ(DY, 40);
  // "β" is the bytes 83 C0: its trail byte is no fraction mark.
  EXPECT_NEAR(up("β"), 300 - 44, 0.05);
  EXPECT_EQ(DY, 22);
}

TEST_F(LabelTest, ShiftBoldAndTheResetsAfterEachLabel) {
  const float w = MarkupWidth("12");
  AAAX = 5;
  AAAY = 23;
  MU_DO = 1;
  Label("12", 0, 20);
  ExpectLabelAt("12", 314.14 - w * 0.1464 + 5, 248.3 + 23, 3, "DrawBoldText");
  EXPECT_EQ(ITI, 0);
  EXPECT_EQ(AAA_s, "");
  EXPECT_EQ(AAAX, 0);
  EXPECT_EQ(AAAY, 0);
  EXPECT_EQ(NAGASA, 0);
  EXPECT_EQ(MU_DO, 0);
  EXPECT_EQ(AA_s, "");
  // A second call without settings: no text, nothing on the page.
  ClearLog();
  DrawLabelAtPoint();
  EXPECT_TRUE(PagePrints().empty() || PagePrints()[0].text.empty());
  EXPECT_TRUE(Ops("text").empty());
}

TEST_F(LabelTest, TallBracketModeSurvivesTheMeasuring) {
  // Measuring "(-3)" ends the tall-bracket mode at its ")": the label must
  // still be drawn in the mode the caller set, exactly as the printer draws it.
  KAKKO = 1;
  Label("(-3)", 0, 20);
  const LoggedOp label = PagePrints().at(0);
  std::vector<std::string> drawn;
  bool on_page = false;
  for (const LoggedOp& op : Log()) {
    if (op.name == "print") on_page = op.nums[1] < 900;
    if (on_page && op.name != "print") drawn.push_back(op.Line());
  }
  EXPECT_EQ(KAKKO, 0);

  ClearLog();
  KAKKO = 1;
  AA_s = "(-3)";
  X = label.nums[0];
  Y = label.nums[1];
  CCC1 = 3;
  PrintMarkup();
  std::vector<std::string> direct;
  for (const LoggedOp& op : Log()) {
    if (op.name != "print") direct.push_back(op.Line());
  }
  EXPECT_EQ(drawn, direct);
}

// ---- dotted arcs -------------------------------------------------------------

class DottedArcTest : public FigureLabelTest {
 protected:
  void Arc(float x0, float y0, float x1, float y1, float takasa, float houkou, float haba,
           const std::string& label = "") {
    ZX0 = x0;
    ZY0 = y0;
    ZX1 = x1;
    ZY1 = y1;
    TAKASA = takasa;
    HOUKOU = houkou;
    HABA = haba;
    CCC2 = 7;
    CCC1 = 3;
    AAA_s = label;
    ClearLog();
    DrawDottedArc();
  }
  struct Dot {
    double x, y;
  };
  std::vector<Dot> Dots() {
    std::vector<Dot> out;
    for (const LoggedOp& op : Ops("disc")) {
      EXPECT_EQ(op.nums[2], 0.5);
      EXPECT_EQ(op.nums[3], 7);
      EXPECT_EQ(op.nums[4], 10);  // the pen width in force
      out.push_back({op.nums[0], op.nums[1]});
    }
    return out;
  }
};

TEST_F(DottedArcTest, ArcAboveTheChordFromP1OverTheTopToP0) {
  const float w = MarkupWidth("2");
  Arc(100, 300, 300, 300, 50, -1, 2, "2");
  auto dots = Dots();
  ASSERT_EQ(dots.size(), 91u);
  EXPECT_NEAR(dots[0].x, 300, 1e-3);
  EXPECT_NEAR(dots[0].y, 300, 1e-3);
  EXPECT_NEAR(dots[45].x, 200, 0.01);  // 90 degrees: the top
  EXPECT_NEAR(dots[45].y, 250, 0.01);
  EXPECT_NEAR(dots[90].x, 100, 0.01);
  EXPECT_NEAR(dots[90].y, 300, 0.01);
  for (const Dot& d : dots) EXPECT_LE(d.y, 300.01);
  // The label centred above the top.
  ExpectLabelAt("2", 200 - w / 2, 250 - 44, 3);
  EXPECT_NEAR(ZX0, 200, 0.01);
  EXPECT_NEAR(ZY0, 250, 0.01);
  EXPECT_EQ(ZX, ZX0);
  EXPECT_EQ(ZY, ZY0);
  EXPECT_EQ(ZX1, 100);  // P0
  EXPECT_EQ(ZX2, 300);  // P1
  EXPECT_EQ(HOUKOU, -1);
  EXPECT_EQ(HABA, 2);
  EXPECT_EQ(CCC2, 7);
  EXPECT_EQ(AAA_s, "");
  EXPECT_EQ(NAKA, 0);
  EXPECT_EQ(ITI, 0);
}

TEST_F(DottedArcTest, ClockwiseSideLiesBelowARightwardChord) {
  const float w = MarkupWidth("2");
  Arc(100, 300, 300, 300, 50, 1, 2, "2");
  auto dots = Dots();
  ASSERT_EQ(dots.size(), 91u);
  EXPECT_NEAR(dots[0].x, 100, 0.01);  // from P0
  EXPECT_NEAR(dots[45].y, 350, 0.01);
  EXPECT_NEAR(dots[90].x, 300, 0.01);
  for (const Dot& d : dots) EXPECT_GE(d.y, 299.99);
  ExpectLabelAt("2", 200 - w / 2, 350, 3);

  // The same chord the other way round: arc and label above.
  Arc(300, 300, 100, 300, 50, 1, 2, "2");
  EXPECT_NEAR(Dots()[45].y, 250, 0.01);
  ExpectLabelAt("2", 200 - w / 2, 250 - 44, 3);
}

TEST_F(DottedArcTest, UnderStepArrowsTheLabelDropsByTheShift) {
  const float w = MarkupWidth("3");
  AAAY = 23;
  Arc(100, 300, 300, 300, 20, 1, 5, "3");
  ExpectLabelAt("3", 200 - w / 2, 320 + 23, 3);
  EXPECT_EQ(AAAY, 0);
}

TEST_F(DottedArcTest, HeightIsCorrectedInPlace) {
  struct Case {
    float given, height;
  } cases[] = {{1, 16}, {1.5, 24}, {3, 48}, {-10, 10}, {-15, 15}, {20, 20}, {16, 16}, {0, 0}};
  for (const Case& c : cases) {
    Arc(100, 300, 300, 300, c.given, -1, 2);
    EXPECT_EQ(TAKASA, c.height) << c.given;
    EXPECT_NEAR(ZY0, 300 - c.height, 0.01) << c.given;  // the arc's middle
  }
}

TEST_F(DottedArcTest, FlatArcDotsCrowdTowardsTheEnds) {
  Arc(100, 300, 260, 300, 0, -1, 15, "5");
  auto dots = Dots();
  const double xs[] = {260,   257.3, 249.3, 236.6, 220,   200.7, 180,
                       159.3, 140,   123.4, 110.7, 102.7, 100};
  ASSERT_EQ(dots.size(), 13u);
  for (size_t k = 0; k < 13; ++k) {
    EXPECT_NEAR(dots[k].x, xs[k], 0.05) << k;
    EXPECT_NEAR(dots[k].y, 300, 1e-3) << k;
  }
  ExpectLabelAt("5", 180 - MarkupWidth("5") / 2, 300 - 44, 3);
}

TEST_F(DottedArcTest, DotCountIsWholeStepsOverTheHalf) {
  struct Case {
    float haba;
    size_t dots;
  } cases[] = {{1, 181}, {2, 91}, {7, 26}, {9, 21}, {15, 13}, {200, 1}};
  for (const Case& c : cases) {
    Arc(100, 300, 300, 300, 50, 1, c.haba);
    EXPECT_EQ(Dots().size(), c.dots) << c.haba;
  }
  // With a step of 7 the last dot is at 175 degrees of the other half: just
  // short of P1.
  Arc(100, 300, 300, 300, 50, -1, 7);
  auto dots = Dots();
  EXPECT_NEAR(dots.back().x, 200 - 100 * std::cos(5 * 3.14159 / 180), 0.01);
}

TEST_F(DottedArcTest, APartialArcDotsOnlyItsDegreesAndAnchorsItsLabelAtTheirMiddle) {
  NAKA = 60;
  Arc(100, 300, 300, 300, 100, 1, 2, "a");
  auto dots = Dots();
  ASSERT_EQ(dots.size(), 31u);  // 180 to 240 degrees
  EXPECT_NEAR(dots[0].x, 100, 0.01);
  EXPECT_NEAR(dots.back().x, 200 - 100 * std::cos(60 * 3.14159 / 180), 0.01);
  // The anchor at 210 degrees of the (here circular) arc.
  EXPECT_NEAR(ZX0, 200 - 100 * std::cos(30 * 3.14159 / 180), 0.01);
  EXPECT_NEAR(ZY0, 300 + 100 * std::sin(30 * 3.14159 / 180), 0.01);
  EXPECT_EQ(NAKA, 0);

  // The other side: the first 60 degrees from P1, over the chord.
  NAKA = 60;
  Arc(100, 300, 300, 300, 100, -1, 2, "a");
  dots = Dots();
  ASSERT_EQ(dots.size(), 31u);  // 0 to 60 degrees
  EXPECT_NEAR(dots[0].x, 300, 0.01);
  EXPECT_NEAR(dots.back().x, 200 + 100 * std::cos(60 * 3.14159 / 180), 0.01);
  EXPECT_NEAR(ZX0, 200 + 100 * std::cos(30 * 3.14159 / 180), 0.01);
  EXPECT_NEAR(ZY0, 300 - 100 * std::sin(30 * 3.14159 / 180), 0.01);
  EXPECT_EQ(NAKA, 0);

  // HOUKOU 0 ignores NAKA: the whole half, as for -1.
  NAKA = 60;
  Arc(100, 300, 300, 300, 100, 0, 2);
  EXPECT_EQ(Dots().size(), 91u);
  EXPECT_NEAR(ZY0, 200, 0.01);
  EXPECT_EQ(NAKA, 0);
}

TEST_F(DottedArcTest, HoukouZeroPutsTheLabelInsideTheArc) {
  const float w = MarkupWidth("4");
  Arc(100, 300, 300, 300, 50, 0, 10, "4");
  EXPECT_NEAR(Dots()[9].y, 250, 0.01);      // the arc as for -1
  ExpectLabelAt("4", 200 - w / 2, 250, 3);  // below its top, towards the chord
}

TEST_F(DottedArcTest, VerticalChordDownwardBulgesLeft) {
  Arc(200, 100, 200, 300, 30, 1, 10);
  for (const Dot& d : Dots()) EXPECT_LE(d.x, 200.01);
  EXPECT_NEAR(ZX0, 170, 0.01);
  EXPECT_NEAR(ZY0, 200, 0.01);
}

TEST_F(DottedArcTest, StepOfZeroOrLessDrawsNoDotsButTheLabel) {
  for (float haba : {0.0f, -5.0f}) {
    Arc(100, 300, 300, 300, 50, -1, haba, "6");
    EXPECT_TRUE(Dots().empty()) << haba;
    ExpectLabelAt("6", 200 - MarkupWidth("6") / 2, 250 - 44, 3);
  }
}

TEST_F(DottedArcTest, CoincidingEndPointsAreTheDivisionError) {
  try {
    Arc(200, 300, 200, 300, 50, 1, 2, "x");
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
  EXPECT_TRUE(Dots().empty());
  EXPECT_TRUE(PagePrints().empty());
}

}  // namespace
