#include "item_run.h"

#include <iterator>
#include <sstream>

#include "page_reader.h"

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  if (s.IsPrompt()) return out << s.text;
  return out << s.x << " " << s.y << " " << s.colour << " " << s.text;
}

std::vector<std::string> ShownLines(const std::vector<Shown>& shown) {
  std::vector<std::string> lines;
  for (const Shown& s : shown) {
    std::ostringstream line;
    line << s;
    lines.push_back(line.str());
  }
  return lines;
}

ItemRun RunItem(const std::string& program, const std::string& keys, const std::string& submenu,
                const std::string& clock, EmptyTexts empty) {
  ItemRun r;
  r.run = RunPlayer(program, keys, clock);
  bool asked_menu = false;
  for (const Print& p : PrintsOf(r.run)) {
    const bool in_item = r.submenus == 1;
    if (p.routine == "DrawPlainText") {
      const char* prompt = nullptr;
      if (IsKeyWait(p)) {
        ++r.key_waits;
        prompt = "KEY";
        if (in_item) r.steps.push_back("W");
      }
      if (p.text == Utf8("次のステップは１を入力。")) {
        ++r.next_steps;
        prompt = "NEXT";
        if (in_item) r.steps.push_back("N");
      }
      if (p.text.find(Utf8("の移動, ENTERで次へ")) != std::string::npos) ++r.notices;
      if (p.text == Utf8(submenu)) {
        ++r.submenus;
        prompt = "MENU";
      }
      if (p.text == Utf8("番号を入力して下さい。")) asked_menu = true;
      if (prompt && r.submenus > 0) r.shown.push_back({0, 0, 0, prompt});
      continue;
    }
    if (p.routine != "PrintMarkup") continue;
    if (r.submenus > 0) r.shown.push_back({p.x, p.y, p.colour, p.text});
    if (in_item && !p.text.empty()) r.steps.push_back(Placed(p));
    if (p.text.empty() && empty == EmptyTexts::kLeftOut) continue;
    if (r.submenus == 0 && asked_menu) r.goal_texts.push_back(Placed(p));
    if (in_item) r.page_texts.push_back(Placed(p));
  }
  return r;
}

std::string AnyKeys(int n) {
  static const char* const kKinds[] = {"Enter", "Space", "Right", "Left", "x", "5", "-"};
  std::string keys;
  for (int i = 0; i < n; ++i) keys += std::string(" ") + kKinds[i % std::size(kKinds)];
  return keys;
}

std::string WithoutLastKey(std::string keys) {
  while (!keys.empty() && keys.back() == ' ') keys.pop_back();
  const size_t blank = keys.rfind(' ');
  return blank == std::string::npos ? "" : keys.substr(0, blank);
}

std::string ItemCaseName(const ::testing::TestParamInfo<ItemCase>& info) {
  return info.param.name;
}

void PrintTo(const ItemCase& c, std::ostream* out) {
  *out << c.name;
}

namespace {

// A step's X, Y and colour, and its text (the rest after three blanks);
// false when it has fewer fields (a prompt).
bool Split(const std::string& step, std::string fields[3], std::string& text) {
  size_t at = 0;
  for (int k = 0; k < 3; ++k) {
    const size_t blank = step.find(' ', at);
    if (blank == std::string::npos) return false;
    fields[k] = step.substr(at, blank - at);
    at = blank + 1;
  }
  text = step.substr(at);
  return true;
}

// Whether `seen` is `want`, both UTF-8, a "*" in want's fields matching any.
bool Matches(const std::string& seen, const std::string& want) {
  if (seen == want) return true;
  std::string a[3], b[3], a_text, b_text;
  if (!Split(seen, a, a_text) || !Split(want, b, b_text) || a_text != b_text) return false;
  for (int k = 0; k < 3; ++k) {
    if (b[k] != "*" && a[k] != b[k]) return false;
  }
  return true;
}

}  // namespace

bool StepMatches(const std::string& seen, const std::string& want) {
  return Matches(seen, Utf8(want));
}

std::string FirstOutOfOrder(const std::vector<std::string>& steps,
                            const std::vector<std::string>& want) {
  size_t at = 0;
  for (const std::string& w : want) {
    const std::string want_utf8 = Utf8(w);
    while (at < steps.size() && !Matches(steps[at], want_utf8)) ++at;
    if (at == steps.size()) return want_utf8;
    ++at;
  }
  return "";
}

ItemRun ExpectItem(const std::string& program, const std::string& topic_keys,
                   const std::string& submenu, const ItemCase& c, EmptyTexts empty) {
  const ItemRun r = RunItem(program, topic_keys + " " + c.keys, submenu, "12:00:00", empty);
  EXPECT_EQ(r.run.ending, "script used up");
  EXPECT_EQ(r.key_waits, c.key_waits);
  EXPECT_EQ(r.next_steps, c.next_steps);
  EXPECT_EQ(r.notices, c.notices);
  // The submenu once on entry and once more under the finished page.
  EXPECT_EQ(r.submenus, 2);
  EXPECT_EQ(Tail(r.page_texts, c.last_texts.size()), Utf8All(c.last_texts));
  EXPECT_EQ(FirstOutOfOrder(r.steps, c.steps), "");
  // A key wait between the last text and the submenu only where the
  // case's steps end with one.
  EXPECT_FALSE(r.steps.empty());
  if (!r.steps.empty()) {
    EXPECT_EQ(r.steps.back() == "W", !c.steps.empty() && c.steps.back() == "W");
  }
  // One key fewer: every prompt is up and the page is still waiting.
  const ItemRun shorter =
      RunItem(program, topic_keys + " " + WithoutLastKey(c.keys), submenu, "12:00:00", empty);
  EXPECT_EQ(shorter.submenus, 1);
  EXPECT_EQ(shorter.key_waits + shorter.next_steps + shorter.notices,
            r.key_waits + r.next_steps + r.notices);
  return r;
}

void ExpectEveryItem(const std::string& program, const std::string& topic_keys,
                     const std::string& submenu, const std::vector<ItemCase>& cases) {
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectItem(program, topic_keys, submenu, c);
  }
}
