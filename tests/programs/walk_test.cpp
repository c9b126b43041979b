// A learner walks through every topic and every item of a program, from the
// main menu to the end item.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "lesson_walker.h"
#include "programs.h"

namespace {

TEST(ProgramWalk, AlmenoEveryTopicAndEveryItemThenTheEndItem) {
  for (const char* clock : {"12:00:00", "07:31:59"}) {
    SCOPED_TRACE(clock);
    WalkResult walk = WalkProgram(AlmenoProgram(), clock);
    EXPECT_EQ(walk.stuck, "");
    EXPECT_FALSE(walk.error_screen);
    EXPECT_EQ(walk.status, 0);
    EXPECT_EQ(walk.topics_opened, 5);
    EXPECT_GT(walk.keys, 300);
    // Every item of every submenu but its last, "終了".
    std::map<std::string, int> want = {
        {Utf8("①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了"), 8},
        {Utf8("①標高　②収入　③年後前　④基準との違い　⑤問3　⑥言い換え　⑦問4　⑧終了"), 7},
        {Utf8("①絶対値　②問１　③2数大小　④絶対値と大小　⑤問3　⑥３数　⑦終了"), 6},
        {Utf8("①数直線で　②問6　③終了"), 2},
        {Utf8("練習問題 ①1,2,3　②4,5　③終了"), 2},
    };
    EXPECT_EQ(walk.items_opened, want);
  }
}

}  // namespace
