// A learner walks through every topic and every item of a program, from the
// main menu to the end item, under two clocks (and so two random seeds).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "in_process_run.h"
#include "lesson_walker.h"
#include "program_cases.h"
#include "program_items.h"
#include "shell.h"
#include "submenu_lines.h"
#include "topic_submenu.h"

namespace {

struct Walk {
  const char* name;
  // A floor under the keys the walk types (it answers every prompt it
  // meets): fewer keys would mean pages that no longer wait for theirs.
  int min_keys;
};

// One line per program; the topics the walk opens (every main-menu item but
// the empty one and the end item) and each one's submenu line and items are
// those of submenu_lines.cpp.
const Walk kWalks[] = {
    {"almeno", 300}, {"torvane", 1000}, {"pellith", 250}, {"vindrel", 200}, {"quorrel", 300},
};

// Every program of the list is walked; one without its line above or without
// its submenus fails.
class ProgramWalk : public ::testing::TestWithParam<ProgramEntry> {
 protected:
  void SetUp() override {
    walk_ = CaseFor(kWalks, GetParam());
    ASSERT_NE(walk_, nullptr) << "no walk written for " << GetParam().name;
    ASSERT_FALSE(SubmenusOf(GetParam().name).empty())
        << "no submenus written for " << GetParam().name;
  }
  const Walk& Expected() const { return *walk_; }
  int ExpectedTopics() const { return static_cast<int>(SubmenusOf(GetParam().name).size()); }
  // How many items each submenu line (UTF-8) opens: all but the last,
  // "終了".
  std::map<std::string, int> ExpectedItems() const {
    std::map<std::string, int> items;
    for (const SubmenuRow& submenu : SubmenusOf(GetParam().name)) {
      items[Utf8(submenu.line)] = submenu.items;
    }
    return items;
  }

 private:
  const Walk* walk_ = nullptr;
};

TEST_P(ProgramWalk, EveryTopicAndEveryItemThenTheEndItem) {
  const Walk& w = Expected();
  for (const char* clock : {"12:00:00", "07:31:59"}) {
    SCOPED_TRACE(clock);
    WalkResult walk = WalkProgram(GetParam().program(), clock);
    EXPECT_EQ(walk.stuck, "");
    EXPECT_FALSE(walk.error_screen);
    EXPECT_EQ(walk.status, 0);
    EXPECT_EQ(walk.topics_opened, ExpectedTopics());
    EXPECT_GT(walk.keys, w.min_keys);
    EXPECT_EQ(walk.items_opened, ExpectedItems());
  }
}

// The item list the storms start from names every item the walk opens,
// each under its own submenu, numbered from 1.
TEST_P(ProgramWalk, TheItemListHasEveryItemOfEverySubmenu) {
  const std::vector<ItemPlace> items = ListItems(GetParam().program());
  std::map<std::string, int> listed;
  std::map<std::string, int> topic_of;
  for (const ItemPlace& place : items) {
    EXPECT_EQ(place.item, ++listed[place.submenu]) << place.submenu;
    auto known = topic_of.emplace(place.submenu, place.topic).first;
    EXPECT_EQ(known->second, place.topic) << place.submenu;
  }
  EXPECT_EQ(listed, ExpectedItems());
  EXPECT_EQ(static_cast<int>(topic_of.size()), ExpectedTopics());
}

// Nothing a run leaves behind reaches the next run in the same process: the
// walk's keys draw the same pages, operation by operation, before and after
// a walk under another clock (and so other random examples).
TEST_P(ProgramWalk, ARunDrawsTheSameAfterAnotherRunInTheSameProcess) {
  const ProgramEntry& entry = GetParam();
  const WalkResult walk = WalkProgram(entry.program(), "12:00:00");
  const WalkResult other = WalkProgram(entry.program(), "07:31:59");
  ASSERT_EQ(walk.stuck, "");
  ASSERT_EQ(other.stuck, "");
  const InProcessRun first = RunInProcess(entry.name, walk.script, "12:00:00");
  RunInProcess(entry.name, other.script, "07:31:59");
  const InProcessRun again = RunInProcess(entry.name, walk.script, "12:00:00");
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(again.status, 0);
  EXPECT_EQ(FirstDifference(first, again), "");
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramWalk, ::testing::ValuesIn(AllPrograms()),
                         ProgramEntryName);

// A program outside the list whose one topic's page asks for a number on
// the bottom line, as AskNumberAtBottom asks, until `takes` accepts one.
void AskUntilTaken(bool (*takes)(float)) {
  do {
    AA_s = "数を入力して下さい。";
    AskNumberAtBottom();
    ClearBottomLine();
  } while (!takes(AINP));
  WaitAnyKey();
}
void OneToFiveTopic() {
  TopicEntry(TopicStart::kAsLeft, nullptr, "①たずねる　②終了",
             {[] { AskUntilTaken([](float n) { return n >= 1 && n <= 5; }); }});
}
void OnlyFortyTwoTopic() {
  TopicEntry(TopicStart::kAsLeft, nullptr, "①たずねる　②終了",
             {[] { AskUntilTaken([](float n) { return n == 42; }); }});
}
ProgramDescription AskingProgram(Routine topic) {
  return {.title = "Asking", .items = {"1　たずねる", "2　終了"}, .dispatch = {topic}};
}

TEST(WalkingLearner, AnswersANumberAskedOnTheBottomLineUntilOneIsTaken) {
  const WalkResult walk = WalkProgram(AskingProgram(OneToFiveTopic));
  EXPECT_EQ(walk.stuck, "");
  EXPECT_EQ(walk.status, 0);
  EXPECT_EQ(walk.items_opened, (std::map<std::string, int>{{Utf8("①たずねる　②終了"), 1}}));
  // 7 is refused, 1 taken; then the key wait, the submenu's end, the menu's.
  EXPECT_EQ(walk.script, "1 Enter 1 Enter 7 Enter 1 Enter Space 2 Enter 2 Enter");
}

TEST(WalkingLearner, StopsAtAQuestionThatTakesNoNumberItTries) {
  const WalkResult walk = WalkProgram(AskingProgram(OnlyFortyTwoTopic));
  EXPECT_EQ(walk.stuck, "a question that took no number: " + Utf8("数を入力して下さい。"));
  EXPECT_EQ(walk.status, -1);
}

}  // namespace
