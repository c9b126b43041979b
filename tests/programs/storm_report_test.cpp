// What a key storm says a failing run typed.
#include "storm_report.h"

#include <gtest/gtest.h>

namespace {

TEST(StormReport, SaysWhatTheFailingRunTyped) {
  const ItemPlace item{.topic = 3, .item = 2, .submenu = ""};
  struct Case {
    const ItemPlace* item;
    size_t walk_typed, walk_keys, first, count;
    const char* said;
  };
  const Case cases[] = {
      {nullptr, 0, 0, 1, 707, "keys 1 to 707 of the storm"},
      {&item, 4, 4, 462, 145, "the walk into item 2 of topic 3, then keys 462 to 606 of the storm"},
      // Stopped as its item opened: no backwards range of storm keys.
      {&item, 4, 4, 462, 0, "the walk into item 2 of topic 3, no key of the storm"},
      {&item, 2, 4, 462, 0,
       "2 of the 4 keys of the walk into item 2 of topic 3, no key of the storm"},
      {nullptr, 0, 0, 462, 0, "no key"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TypedKeys(c.item, c.walk_typed, c.walk_keys, c.first, c.count), c.said);
  }
}

// Where the reading of the items stopped: the topic, and those read before.
TEST(StormReport, SaysWhereTheReadingOfTheItemsStopped) {
  const std::vector<int> topics = {1, 2, 4, 5};
  struct Case {
    int topic;
    const char* said;
  };
  const Case cases[] = {
      {0, "at the main menu"},
      {1, "at topic 1, the first"},
      {2, "at topic 2, after topic 1"},
      {4, "at topic 4, after topics 1 and 2"},
      {5, "at topic 5, after topics 1, 2 and 4"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadingPlace(topics, c.topic), c.said);
}

}  // namespace
