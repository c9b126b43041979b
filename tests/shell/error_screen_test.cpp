#include <gtest/gtest.h>

#include <cmath>

#include "globals.h"
#include "headless_fixture.h"
#include "program.h"

namespace {

class ErrorScreenTest : public HeadlessTest {};

// A page that fails half way: its text is drawn, then an index runs past the
// end of T().
void HalfDrawnPage() {
  PsSYMBOL40(100, 100, 2, 2, 0, "途中まで描いたページ");
  PsLINE(0, 300, 1440, 300, 3);
  T(81) = 1;
}

TEST_F(ErrorScreenTest, ClearsThePageAndShowsLineCodeAndMessage) {
  StartUp();
  try {
    HalfDrawnPage();
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    ClearLog();
    EXPECT_THROW(ErrorHandler(e), HeadlessStop);
  }
  EXPECT_TRUE(backend().error_screen());
  EXPECT_EQ(backend().error_line(), static_cast<unsigned>(A));
  EXPECT_EQ(backend().error_code(), kSubscriptOutOfRange);
  // Outside the window the error also names the file of its line, relative
  // to the top of the tree.
  const std::string line = std::to_string(backend().error_line());
  EXPECT_EQ(backend().error_file(), "tests/shell/error_screen_test.cpp");
  EXPECT_EQ(backend().ErrorReport(),
            "error screen: " + line + ",9 (tests/shell/error_screen_test.cpp:" + line + ")");
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].name, "clear");
  const LoggedOp& text = Log()[1];
  EXPECT_EQ(text.name, "text");
  EXPECT_EQ(text.nums[0], 288);  // x
  EXPECT_EQ(text.nums[1], 432);  // y
  EXPECT_EQ(text.nums[2], 1);    // magnifications
  EXPECT_EQ(text.nums[3], 1);
  EXPECT_EQ(text.nums[4], 13);  // colour
  EXPECT_EQ(text.text, " " + std::to_string(static_cast<int>(A)) + ", 9" +
                           Utf8("エラーが発生しました。マウスで×をクリックして下さい。"));
  EXPECT_EQ(B, kSubscriptOutOfRange);
}

TEST_F(ErrorScreenTest, NotFiniteCoordinatesRaiseTheErrorInsteadOfDrawing) {
  StartUp();
  ClearLog();
  float zero = 0;
  EXPECT_THROW(PsLINE(0, 0, 1 / zero, 5, 0), RuntimeError);
  EXPECT_THROW(PsCIRCLE_DISC(NAN, 5, 3, 0), RuntimeError);
  EXPECT_THROW(PsSYMBOL40(0, INFINITY, 1, 1, 0, "x"), RuntimeError);
  EXPECT_THROW(PsCONNECT({{0, 0}, {NAN, 1}}, 0), RuntimeError);
  EXPECT_THROW(PsBOX(0, 0, 10, 10, 16, 15), RuntimeError);  // no colour 16
  EXPECT_TRUE(Log().empty());
  // Far off the page is fine: clipped, not an error.
  PsLINE(-1e20, 0, 1e20, 900, 0);
  PsBOX(0, 0, 1760, 1800, 15, 15);
  EXPECT_EQ(Log().size(), 2u);
}

TEST(ProgramRun, ThePlayerReportsHowTheRunEnded) {
  PlayerRun ended = RunPlayer("almeno", "7 Enter");
  EXPECT_EQ(ended.exit_code, 0);
  EXPECT_EQ(ended.ending, "program ended (status 0)");
  PlayerRun waiting = RunPlayer("almeno", "");
  EXPECT_EQ(waiting.ending, "script used up");
}

}  // namespace
