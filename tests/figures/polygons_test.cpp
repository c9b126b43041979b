#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figure_fixture.h"
#include "figures.h"

namespace {

class PolygonTest : public FigureTest {
 protected:
  void SetUp() override {
    FigureTest::SetUp();
    SIZE1 = 4, CCC2 = 3, CCC1 = 0;
    NAGASA = 10, ITI = 0, AAAX = 0, AAAY = 0, MU_DO = 0;
  }
  void Corners(const std::vector<std::pair<float, float>>& points) {
    KAKU = points.size();
    for (size_t i = 0; i < points.size(); ++i) {
      G(1, i + 1) = points[i].first;
      G(2, i + 1) = points[i].second;
    }
  }
  // Counter-clockwise on the screen: bottom left, bottom right, top.
  void Triangle() { Corners({{200, 400}, {400, 400}, {300, 200}}); }
};

TEST_F(PolygonTest, SidesInVertexOrderClosedAndThePenPutBack) {
  Corners({{100, 100}, {200, 100}, {200, 200}, {100, 200}});
  AAA_s = "";
  DrawPolygon();
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 4u);
  const double ends[4][4] = {
      {100, 100, 200, 100}, {200, 100, 200, 200}, {200, 200, 100, 200}, {100, 200, 100, 100}};
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 4; ++j) EXPECT_EQ(lines[k].nums[j], ends[k][j]) << k;
    EXPECT_EQ(lines[k].nums[4], 3);
    EXPECT_EQ(lines[k].nums[5], 4);
  }
  EXPECT_TRUE(PagePrints().empty());
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  // No labels: the placer's globals keep the caller's values.
  EXPECT_EQ(NAGASA, 10);
  EXPECT_EQ(NAGASA1, 10);
}

TEST_F(PolygonTest, LettersLieOutsideACounterClockwiseTriangle) {
  Triangle();
  AAA_s = "A";
  DrawPolygon();
  auto prints = PagePrints();
  ASSERT_EQ(prints.size(), 3u);
  EXPECT_EQ(prints[0].text, "A");
  EXPECT_EQ(prints[1].text, "B");
  EXPECT_EQ(prints[2].text, "C");
  // A below left of (200, 400), B below right of (400, 400), C above (300, 200).
  EXPECT_LT(prints[0].nums[0], 200);
  EXPECT_GT(prints[1].nums[0], 400 - 5);
  EXPECT_LT(prints[2].nums[1], 200 - 20);
  EXPECT_GT(prints[0].nums[1], 400 - 30);
  EXPECT_EQ(AAA_s, "");
  EXPECT_EQ(NAGASA, 0);
  EXPECT_EQ(NAGASA1, 10);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  // The last label was handed vertex 3 with vertices 1 and 2 as ray points.
  EXPECT_EQ(ZX0, 300);
  EXPECT_EQ(ZX1, 200);
  EXPECT_EQ(ZX2, 400);
}

TEST_F(PolygonTest, ClockwiseTriangleGetsItsLettersInside) {
  Corners({{200, 400}, {300, 200}, {400, 400}});
  AAA_s = "A";
  DrawPolygon();
  auto prints = PagePrints();
  ASSERT_EQ(prints.size(), 3u);
  // A at (200, 400) now lies up and to the right of its corner.
  EXPECT_GT(prints[0].nums[0], 200);
  EXPECT_LT(prints[0].nums[1], 400);
}

TEST_F(PolygonTest, ALetterOrDigitRequestCountsOnFromItAndOneTakesTheCallersLabels) {
  X_sa(1) = "P1";
  X_sa(2) = "";
  X_sa(3) = "ﾀ1/2ﾀ";
  X_sa(4) = "S";
  struct Case {
    std::string request;
    std::vector<std::string> labels;
  };
  const Case cases[] = {{"P", {"P", "Q", "R", "S"}},
                        {"ABC", {"A", "B", "C", "D"}},
                        {"2", {"2", "3", "4", "5"}},
                        {"1", {"P1", "", "ﾀ1/2ﾀ", "S"}}};
  for (const Case& c : cases) {
    ClearLog();
    Corners({{100, 300}, {300, 300}, {300, 100}, {100, 100}});
    AAA_s = c.request;
    NAGASA = 10;
    DrawPolygon();
    std::vector<std::string> printed;
    for (const auto& op : PagePrints()) {
      if (!op.text.empty()) printed.push_back(op.text);
    }
    std::vector<std::string> expected;
    for (const auto& l : c.labels) {
      if (!l.empty()) expected.push_back(Utf8(l));
    }
    EXPECT_EQ(printed, expected) << c.request;
  }
}

TEST_F(PolygonTest, CallersShiftAndBoldActOnTheFirstLabelOnly) {
  Triangle();
  AAA_s = "A";
  DrawPolygon();
  auto plain = PagePrints();
  ClearLog();
  Triangle();
  AAA_s = "A", AAAX = 10, NAGASA = 10;
  DrawPolygon();
  auto shifted = PagePrints();
  ASSERT_EQ(shifted.size(), 3u);
  EXPECT_NEAR(shifted[0].nums[0], plain[0].nums[0] + 10, 1e-3);
  EXPECT_NEAR(shifted[1].nums[0], plain[1].nums[0], 1e-3);
  EXPECT_EQ(AAAX, 0);

  ClearLog();
  Triangle();
  AAA_s = "A", MU_DO = 1, NAGASA = 10;
  DrawPolygon();
  auto prints = PagePrints();
  ASSERT_EQ(prints.size(), 3u);
  EXPECT_EQ(prints[0].face, "DrawBoldText");
  EXPECT_EQ(prints[1].face, "PrintMarkup");
}

TEST_F(PolygonTest, NoCornersDrawsOneSideAndOneLabel) {
  G(1, 1) = 10, G(2, 1) = 20, G(1, 2) = 30, G(2, 2) = 40, G(1, 3) = 50, G(2, 3) = 60;
  KAKU = 0;
  AAA_s = "A";
  DrawPolygon();
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].nums[2], 30);
  EXPECT_EQ(PagePrints().size(), 1u);
}

TEST_F(PolygonTest, MoreThanTenCornersReachPastTheVertexTable) {
  for (int i = 1; i <= 10; ++i) G(1, i) = 10 * i, G(2, i) = 100;
  KAKU = 11;
  AAA_s = "";
  try {
    DrawPolygon();
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kSubscriptOutOfRange);
  }
}

}  // namespace
