#include "item_run.h"

#include "page_reader.h"

ItemRun RunItem(const std::string& program, const std::string& keys, const std::string& submenu,
                const std::string& clock, EmptyTexts empty) {
  ItemRun r;
  r.run = RunPlayer(program, keys, clock);
  bool asked_menu = false;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.routine == "DrawPlainText") {
      if (p.text == Utf8("何かキーを押して下さい。")) ++r.key_waits;
      if (p.text == Utf8("次のステップは１を入力。")) ++r.next_steps;
      if (p.text.find(Utf8("の移動, ENTERで次へ")) != std::string::npos) ++r.notices;
      if (p.text == Utf8(submenu)) ++r.submenus;
      if (p.text == Utf8("番号を入力して下さい。")) asked_menu = true;
      continue;
    }
    if (p.routine != "PrintMarkup") continue;
    if (p.text.empty() && empty == EmptyTexts::kLeftOut) continue;
    if (r.submenus == 0 && asked_menu) r.goal_texts.push_back(Placed(p));
    if (r.submenus == 1) r.page_texts.push_back(Placed(p));
  }
  return r;
}

std::string ItemCaseName(const ::testing::TestParamInfo<ItemCase>& info) {
  return info.param.name;
}

void PrintTo(const ItemCase& c, std::ostream* out) {
  *out << c.name;
}

void ExpectItem(const std::string& program, const std::string& topic_keys,
                const std::string& submenu, const ItemCase& c) {
  const ItemRun r = RunItem(program, topic_keys + " " + c.keys, submenu);
  EXPECT_EQ(r.run.ending, "script used up");
  EXPECT_EQ(r.key_waits, c.key_waits);
  EXPECT_EQ(r.next_steps, c.next_steps);
  // The submenu once on entry and once more under the finished page.
  EXPECT_EQ(r.submenus, 2);
  EXPECT_EQ(Tail(r.page_texts, c.last_texts.size()), Utf8All(c.last_texts));
  // One key fewer and the page is still waiting: no submenu yet.
  const std::string shorter = c.keys.substr(0, c.keys.rfind(' '));
  EXPECT_EQ(RunItem(program, topic_keys + " " + shorter, submenu).submenus, 1);
}
