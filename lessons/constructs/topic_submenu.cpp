// A topic's submenu on the bottom line, asked until its last item, and the
// entry that opens a topic with its goal page first.
#include "topic_submenu.h"

#include <vector>

#include "globals.h"
#include "shell.h"

void TopicSubmenu(const std::string& items, std::initializer_list<Action> pages) {
  const std::vector<Action> targets(pages);
  const float item_count = static_cast<float>(targets.size()) + 1;
  for (;;) {
    AA_s = items;
    AskNumberAtBottom();
    SENTAKU = AINP;
    // An example loop entered next without asking first shows its first
    // example.
    AINP = 10;
    ClearBottomLine();
    if (SENTAKU < 1 || SENTAKU > item_count) continue;
    const int choice = PbFstInt(SENTAKU);
    if (choice >= item_count) return;  // the last item, "終了"
    if (const Action& page = targets[choice - 1]) page();
  }
}

void TopicEntry(TopicStart start, const Action& goal_page, const std::string& items,
                std::initializer_list<Action> pages) {
  if (start == TopicStart::kClearContentArea) ClearContentArea();
  if (goal_page) goal_page();
  TopicSubmenu(items, pages);
}
