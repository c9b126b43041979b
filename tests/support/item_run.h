// One item of a topic run through the player from the main menu: how often
// each prompt was put up, and the texts printed on the page
// ("x y colour text", UTF-8) before the topic's submenu (its goal page) and
// between the submenu's first and second showing (the item's page).
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless_fixture.h"

struct ItemRun {
  PlayerRun run;
  int key_waits = 0;
  int next_steps = 0;
  int notices = 0;  // number-line prompts, one per key
  int submenus = 0;
  std::vector<std::string> goal_texts;  // between the main menu and the submenu
  std::vector<std::string> page_texts;
};

// Whether markup prints of an empty text count among the texts ("x y colour ").
enum class EmptyTexts { kKept, kLeftOut };

// `program` on `keys` (from the main menu on), read against its topic's
// submenu line `submenu` (Shift-JIS).
ItemRun RunItem(const std::string& program, const std::string& keys, const std::string& submenu,
                const std::string& clock = "12:00:00", EmptyTexts empty = EmptyTexts::kKept);

// One item of a topic: its keys after the topic's (the item's number and
// every key it takes), how often it waits for a key and asks for the next
// step, and its last texts (Shift-JIS; all of them when the list is complete).
struct ItemCase {
  const char* name;
  std::string keys;
  int key_waits;
  int next_steps;
  std::vector<std::string> last_texts;
};

// A case is named by its `name`, in test names and in failures.
std::string ItemCaseName(const ::testing::TestParamInfo<ItemCase>& info);
void PrintTo(const ItemCase& c, std::ostream* out);

// `program` from the main menu on `topic_keys` ("2 Enter"), then the item's
// keys: it takes exactly its keys, shows its prompts as often as the case
// says, ends with the case's last texts and comes back to the submenu line
// `submenu` (Shift-JIS); one key fewer and it is still waiting.
void ExpectItem(const std::string& program, const std::string& topic_keys,
                const std::string& submenu, const ItemCase& c);
