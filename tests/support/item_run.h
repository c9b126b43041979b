// One item of a topic run through the player from the main menu: how often
// each prompt was put up, the texts printed on the page ("x y colour text",
// UTF-8) before the topic's submenu (its goal page) and between the
// submenu's first and second showing (the item's page), everything shown
// from the submenu on, and the checks every program's item tables share.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "page_reader.h"

// One thing shown: a markup text at (x, y) in a colour, or a prompt (`text`
// "KEY" for the press-a-key box, "NEXT" for the next-step box, "MENU" for
// the topic's submenu line; x, y and colour then 0).
struct Shown {
  double x = 0, y = 0, colour = 0;
  std::string text;  // UTF-8
  bool IsPrompt() const { return text == "KEY" || text == "NEXT" || text == "MENU"; }
};
std::ostream& operator<<(std::ostream& out, const Shown& s);
// Each thing shown as one line: "x y colour text", or the prompt's name.
std::vector<std::string> ShownLines(const std::vector<Shown>& shown);

struct ItemRun {
  PlayerRun run;
  int key_waits = 0;
  int next_steps = 0;
  int notices = 0;  // number-line prompts, one per key
  int submenus = 0;
  std::vector<std::string> goal_texts;  // between the main menu and the submenu
  std::vector<std::string> page_texts;
  // The item's page in order: its texts (empty ones left out), "W" for a
  // press-a-key prompt and "N" for a next-step prompt.
  std::vector<std::string> steps;
  // Everything from the submenu's first showing on, in order: the markup
  // texts (empty ones too) and the prompts.
  std::vector<Shown> shown;
};

// `program` on `keys` (from the main menu on), read against its topic's
// submenu line `submenu` (Shift-JIS).
ItemRun RunItem(const std::string& program, const std::string& keys, const std::string& submenu,
                const std::string& clock = "12:00:00", EmptyTexts empty = EmptyTexts::kKept);

// Keys for `n` press-a-key prompts, each with a blank before it, to append
// to a script. Any key turns a page, so the keys take turns through every
// kind the keyboard sends: Enter, Space, the arrows, a letter, a digit, "-".
std::string AnyKeys(int n);

// The same key script without its last key.
std::string WithoutLastKey(std::string keys);

// One item of a topic: its keys after the topic's (the item's number and
// every key it takes), how often it puts up each prompt, and what it shows.
struct ItemCase {
  const char* name;
  std::string keys;
  int key_waits;
  int next_steps = 0;
  // Its last texts (Shift-JIS; all of them when the list is complete).
  std::vector<std::string> last_texts = {};
  int notices = 0;
  // Steps the page shows in this order, others between them: texts
  // (Shift-JIS; "*" for any X, Y or colour), "W" and "N" for the prompts.
  // The page ends on a key wait after its last text only when these end
  // with "W".
  std::vector<std::string> steps = {};
};

// A case is named by its `name`, in test names and in failures.
std::string ItemCaseName(const ::testing::TestParamInfo<ItemCase>& info);
void PrintTo(const ItemCase& c, std::ostream* out);

// Whether the step `seen` (UTF-8) is the step `want` (Shift-JIS), where a
// "*" in want's X, Y or colour stands for any value.
bool StepMatches(const std::string& seen, const std::string& want);
// The first of `want` (UTF-8) that does not come in this order in `steps`;
// empty when all do.
std::string FirstOutOfOrder(const std::vector<std::string>& steps,
                            const std::vector<std::string>& want);

// `program` from the main menu on `topic_keys` ("2 Enter"), then the item's
// keys: it takes exactly its keys, puts up its prompts as often as the case
// says, shows its steps in order, ends with the case's last texts and comes
// back to the submenu line `submenu` (Shift-JIS); one key fewer and it has
// put up every prompt and is still waiting. The run, for further checks.
ItemRun ExpectItem(const std::string& program, const std::string& topic_keys,
                   const std::string& submenu, const ItemCase& c,
                   EmptyTexts empty = EmptyTexts::kKept);

// Each case checked as ExpectItem does, in one test.
void ExpectEveryItem(const std::string& program, const std::string& topic_keys,
                     const std::string& submenu, const std::vector<ItemCase>& cases);
