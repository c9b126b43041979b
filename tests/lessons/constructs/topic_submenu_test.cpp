#include "topic_submenu.h"

#include <gtest/gtest.h>

#include "globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

int g_first_page_visits = 0;
int g_second_page_visits = 0;
float g_ainp_on_entry = 0;
void FirstPage() {
  ++g_first_page_visits;
  g_ainp_on_entry = AINP;
}
void SecondPage() {
  ++g_second_page_visits;
}
int g_goal_pages = 0;
void GoalPage() {
  ++g_goal_pages;
}

class TopicSubmenuTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    g_first_page_visits = g_second_page_visits = g_goal_pages = 0;
  }
  // How often the submenu line was put up.
  int Prompts() {
    int n = 0;
    for (const LoggedOp& op : Ops("print")) n += op.nums[0] == 16 && op.nums[1] == 666;
    return n;
  }
};

const char* const kItems = "①一　②二　③三　④終了";

TEST_F(TopicSubmenuTest, OpensTheChosenPageAndReturnsOnTheLastItem) {
  Keys("1 Enter 2 Enter 3 Enter 1 Enter 4 Enter");
  TopicSubmenu(kItems, {FirstPage, SecondPage, kNotBuilt});
  EXPECT_EQ(g_first_page_visits, 2);
  EXPECT_EQ(g_second_page_visits, 1);
  EXPECT_EQ(Prompts(), 5);
  EXPECT_EQ(g_ainp_on_entry, 10);  // set after the choice is taken
  EXPECT_EQ(SENTAKU, 4);
  EXPECT_EQ(AINP, 10);
  // The prompt line, exactly as given, at the bottom left in colour 0.
  EXPECT_EQ(Ops("print").front().Line(), "print\tDrawPlainText\t16\t666\t0\t" + Utf8(kItems));
  // The bottom line is cleared after every choice.
  EXPECT_EQ(Ops("box").back().nums, (std::vector<double>{0, 657, 992, 720, 15, 15, 15, 3}));
}

TEST_F(TopicSubmenuTest, AsksAgainForAnyOtherNumber) {
  // Outside 1 to 4, empty, or a fraction with nothing to divide by: asked
  // again, no page opened, no error.
  Keys("0 Enter 5 Enter - 1 Enter Enter 3 / 0 Enter / Enter 0 / 0 Enter . 5 Enter 8 / 2 Enter");
  TopicSubmenu(kItems, {FirstPage, SecondPage, kNotBuilt});
  EXPECT_EQ(g_first_page_visits + g_second_page_visits, 0);
  EXPECT_EQ(Prompts(), 9);
}

TEST_F(TopicSubmenuTest, AFractionalChoiceCountsByItsValue) {
  Keys("4 / 2 Enter 1 . 5 Enter 7 / 2 Enter");  // 2, then 1.5 -> 2, then 3.5 -> 4: back
  TopicSubmenu(kItems, {FirstPage, SecondPage, kNotBuilt});
  EXPECT_EQ(g_second_page_visits, 2);
  EXPECT_EQ(g_first_page_visits, 0);
}

TEST_F(TopicSubmenuTest, EntryClearsWhereAskedThenGoalPageThenSubmenu) {
  Keys("2 Enter");
  TopicEntry(TopicStart::kClearContentArea, GoalPage, "①一　②終了", {FirstPage});
  EXPECT_EQ(g_goal_pages, 1);
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().front().Line(), "box\t0\t54\t1440\t900\t15\t15\t15\t3");
  ClearLog();
  Keys("2 Enter");
  TopicEntry(TopicStart::kAsLeft, kNotBuilt, "①一　②終了", {FirstPage});
  EXPECT_EQ(Log().front().name, "print");
  EXPECT_EQ(g_goal_pages, 1);
}

}  // namespace
