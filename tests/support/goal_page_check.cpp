#include "goal_page_check.h"

#include <algorithm>
#include <optional>

#include "item_run.h"
#include "page_reader.h"
#include "program_items.h"
#include "programs.h"
#include "submenu_lines.h"

namespace {

const char* const kMenuPrompt = "番号を入力して下さい。";

}  // namespace

void ExpectGoalPage(const std::string& program, const GoalPageCase& c) {
  const ProgramDescription* description = FindProgram(program);
  ASSERT_NE(description, nullptr) << program;
  const char* submenu = SubmenuOf(program, c.topic);
  const int items = CountChoices(Utf8(submenu));
  ASSERT_GE(items, 2) << submenu;
  const std::vector<std::string> refused = {"0 Enter",     DigitKeys(items + 1) + "Enter",
                                            "- 1 Enter",   "Enter",
                                            "1 / 2 Enter", DigitKeys(items) + ". 5 Enter"};
  std::string keys = DigitKeys(c.topic) + "Enter ";
  for (const std::string& choice : refused) keys += choice + " ";
  if (!c.by_value.empty()) keys += c.by_value + " ";
  keys +=
      DigitKeys(2 * items) + "/ 2 Enter " + NumberKeys(static_cast<int>(description->items.size()));
  SCOPED_TRACE(keys);
  const ItemRun r = RunItem(program, keys, submenu);
  EXPECT_EQ(r.run.ending, "program ended (status 0)");
  EXPECT_EQ(r.run.exit_code, 0);

  // The goal page, text by text, then the submenu: once on entry, once
  // after each refused choice (which shows nothing) and after the item.
  EXPECT_EQ(r.goal_texts, Utf8All(c.goal));
  const int asked = 1 + static_cast<int>(refused.size()) + (c.by_value.empty() ? 0 : 1);
  EXPECT_EQ(r.submenus, asked);
  EXPECT_EQ(Submenus(r.run, submenu), asked);
  EXPECT_EQ(PrintsAt(r.run, "DrawPlainText", 16, 666),
            std::vector<std::string>(asked, Utf8(submenu)));
  ASSERT_GT(r.shown.size(), refused.size());
  for (size_t i = 0; i <= refused.size(); ++i) EXPECT_EQ(r.shown[i].text, "MENU") << i;
  EXPECT_EQ(r.key_waits, c.by_value_waits);

  // The topic's first print follows the main menu's white box, with only
  // the cleared content area between them where the topic clears it.
  const std::vector<std::string>& log = r.run.log;
  size_t first = 0;
  bool asked_menu = false;
  for (; first < log.size(); ++first) {
    const std::optional<Print> p = PrintOf(log[first]);
    if (!p) continue;
    if (asked_menu && (p->routine == "PrintMarkup" || p->text == Utf8(submenu))) break;
    asked_menu = asked_menu || p->text == Utf8(kMenuPrompt);
  }
  const std::string white_page = "box\t0\t0\t1760\t1800\t15\t15\t15\t3";
  const auto box =
      std::find(std::make_reverse_iterator(log.begin() + first), log.rend(), white_page);
  ASSERT_NE(box, log.rend());
  const std::vector<std::string> between(box.base(), log.begin() + first);
  EXPECT_EQ(between, c.clears ? std::vector<std::string>{"box\t0\t54\t1440\t900\t15\t15\t15\t3"}
                              : std::vector<std::string>{});

  // The main menu once before the topic and once after it, the same each
  // time: every print up to its prompt, the title first and nowhere else.
  std::vector<std::string> prints;
  std::vector<size_t> prompts;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.text == Utf8(kMenuPrompt)) prompts.push_back(prints.size());
    prints.push_back(Placed(p));
  }
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(std::count(prints.begin(), prints.end(), prints.front()), 2);
  const size_t length = prompts[0] + 1;
  ASSERT_GE(prompts[1] + 1, 2 * length);
  EXPECT_EQ(std::vector<std::string>(prints.begin() + prompts[1] + 1 - length,
                                     prints.begin() + prompts[1] + 1),
            std::vector<std::string>(prints.begin(), prints.begin() + length));
}
