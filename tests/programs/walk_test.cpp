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
#include "topic_submenu.h"

namespace {

struct Walk {
  const char* name;
  // The topics the walk opens: every main-menu item but the empty one and
  // the end item.
  int topics;
  // A floor under the keys the walk types (it answers every prompt it
  // meets): fewer keys would mean pages that no longer wait for theirs.
  int min_keys;
  // Each submenu line (Shift-JIS) and how many of its items the walk opens:
  // all but the last, "終了".
  std::map<std::string, int> items;
};

// One line per program: its topics and every submenu's items.
const Walk kWalks[] = {
    {"almeno",
     5,
     300,
     {
         {"①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了", 8},
         {"①標高　②収入　③年後前　④基準との違い　⑤問3　⑥言い換え　⑦問4　⑧終了", 7},
         {"①絶対値　②問１　③2数大小　④絶対値と大小　⑤問3　⑥３数　⑦終了", 6},
         {"①数直線で　②問6　③終了", 2},
         {"練習問題 ①1,2,3　②4,5　③終了", 2},
     }},
    {"torvane",
     7,
     1000,
     {
         {"①数直線で　②計算規則　③練習　④０　⑤0との加法　⑥問1,2　⑦問3　⑧終了", 7},
         {"①小数の計算　②～④分数の計算　⑤問4　⑥終了", 5},
         {"①導入　②加法へ、計算規則　③練習　④０　⑤問5　⑥問6　⑦終了", 6},
         {"①+なし例　②練習　③練習()なし　④問7　⑤項　⑥項練習　⑦終了", 6},
         {"①計算法則　②③計算の工夫　④まとめ　⑤問9　⑥終了", 5},
         {"①()のない式への変形　②計算　③例７　④問１０　⑤終了", 4},
         {"練習問題  ①,②,③解答　　④終了", 3},
     }},
    {"pellith",
     5,
     250,
     {
         {"①正×正　②正×負　③負×負　④計算規則　⑤練習　⑥-1との積　⑦0,1との積　⑧終了", 7},
         {"①課題　②除法規則　③ドリル　④問4　⑤例5　⑥問5　⑦終了", 6},
         {"①例6　②問6　③逆数　④問7　⑤説明　⑥例8　⑦問8　⑧終了", 7},
         {"①交換、結合　②問9,10　③例9　④問11　⑤例10　⑥問12　⑦話しあおう　⑧終了", 7},
         {"練習問題 　①,②,③,④解答　　　⑤終了", 4},
     }},
    {"vindrel",
     4,
     200,
     {
         {"①指数　②例１　③例２　④問２　⑤説明しよう　⑥終了", 5},
         {"①例3　②問3　③例4　④問4　⑤分配　⑥問5　⑦説明しよう　⑧終了", 7},
         {"練習問題 　①,②,③解答　　　④終了", 3},
         {"①P44ひろげよう　②P45ひろげよう　③終了", 2},
     }},
    {"quorrel",
     6,
     300,
     {
         {"①約数と倍数　②素数説明　③素因数分解　④例１　⑤問３　⑥終了", 5},
         {"①約数　②例2　③問４　④問５　⑤終了", 4},
         {"練習問題 　①,②,③解答　　　④終了", 3},
         {"①P49　②1,2週平均　③問1,2　④問3,4　⑤練習問題　⑥終了", 5},
         {"学びをたしかめよう  ①1～6　②7　③8　④9　⑤10　⑥11,12　⑦終了", 6},
         {"学びを身につけよう　①～⑥解答　　　⑦終了", 6},
     }},
};

// Every program of the list is walked; one without its line above fails.
class ProgramWalk : public ::testing::TestWithParam<ProgramEntry> {
 protected:
  void SetUp() override {
    walk_ = CaseFor(kWalks, GetParam());
    ASSERT_NE(walk_, nullptr) << "no walk written for " << GetParam().name;
  }
  const Walk& Expected() const { return *walk_; }
  // How many items each submenu line (UTF-8) opens.
  std::map<std::string, int> ExpectedItems() const {
    std::map<std::string, int> items;
    for (const auto& [line, count] : walk_->items) items[Utf8(line)] = count;
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
    EXPECT_EQ(walk.topics_opened, w.topics);
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
  EXPECT_EQ(static_cast<int>(topic_of.size()), Expected().topics);
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
