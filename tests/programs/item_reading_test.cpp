// Reading a program's items from its submenus, as the storms do first: a
// reading that stops short says at which topic, why, and with which keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "globals.h"
#include "program_items.h"
#include "programs.h"

namespace {

void RaiseAnError() {
  T(81) = 1;  // one past the end of T()
}

void ShowNoSubmenu() {}

// The first topic of the first program of the list, whose submenu reads.
Routine FirstTopic() {
  for (Routine routine : AllPrograms().front().program().dispatch) {
    if (routine) return routine;
  }
  return nullptr;
}

TEST(ItemReading, AReadingThatStopsShortSaysWhereAndWithWhichKeys) {
  struct Case {
    const char* what;
    Routine second;    // the second topic
    std::string said;  // in the reason the reading gives
  };
  const Case cases[] = {
      {"an error at the second topic", RaiseAnError, ",9 (tests/programs/item_reading_test.cpp:"},
      {"no submenu at the second topic", ShowNoSubmenu, "no submenu showed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ProgramDescription program{
        "Reading", {"first", "second", "end"}, {FirstTopic(), c.second}};
    int keys_asked = 0;
    const ItemReading reading =
        ReadItems(program, "12:00:00", [&](int, const std::string&) { ++keys_asked; });
    EXPECT_NE(reading.stopped.find(c.said), std::string::npos) << reading.stopped;
    EXPECT_EQ(reading.topic, 2);
    // The first topic's items were read: its submenu's end item follows
    // them.
    ASSERT_FALSE(reading.items.empty());
    const std::string end_item = std::to_string(reading.items.size() + 1);
    EXPECT_EQ(reading.keys, "1 Enter " + end_item + " Enter 2 Enter");
    EXPECT_GE(keys_asked, 5);
    EXPECT_TRUE(ListItems(program).empty());
  }
}

}  // namespace
