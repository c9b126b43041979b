// Reading a topic's pages from a player run: every markup text put on the
// page, the prompts between them, and the rule by which a text continues
// the one before it on its line.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"

namespace topic_pages {

// The clocks (and so the random seeds) the generated examples are run under.
inline const char* const kClocks[] = {"12:00:00", "07:31:59", "23:59:58", "00:00:01"};

// One thing shown: a markup text at (x, y) in a colour, or a prompt (`text`
// "KEY" for the press-a-key box, "NEXT" for the next-step box, "MENU" for
// the topic's submenu line; x, y and colour then 0).
struct Shown {
  double x = 0, y = 0, colour = 0;
  std::string text;  // UTF-8
  bool IsPrompt() const { return text == "KEY" || text == "NEXT" || text == "MENU"; }
};

inline std::ostream& operator<<(std::ostream& out, const Shown& s) {
  if (s.IsPrompt()) return out << s.text;
  return out << s.x << " " << s.y << " " << s.colour << " " << s.text;
}

struct TopicRun {
  PlayerRun run;
  std::vector<Shown> goal;   // between the main menu and the first submenu
  std::vector<Shown> shown;  // from the first submenu on, starting with "MENU"
  int Count(const std::string& prompt) const {
    int n = 0;
    for (const Shown& s : shown) n += s.text == prompt;
    return n;
  }
};

// Runs Torvane on `keys` (from the main menu) and reads what its topic with
// the submenu line `submenu` (Shift-JIS) showed.
inline TopicRun RunTopic(const std::string& keys, const std::string& submenu,
                         const std::string& clock = "12:00:00") {
  TopicRun r;
  r.run = RunPlayer("torvane", keys, clock);
  const std::string menu = Utf8(submenu);
  bool in_topic = false, asked_menu = false;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f.size() < 6 || f[0] != "print") continue;
    const std::string& text = f[5];
    if (f[1] == "DrawPlainText") {
      if (text == Utf8("番号を入力して下さい。")) asked_menu = true;
      if (text == menu) {
        in_topic = true;
        r.shown.push_back({0, 0, 0, "MENU"});
      }
      if (!in_topic) continue;
      if (text == Utf8("何かキーを押して下さい。")) r.shown.push_back({0, 0, 0, "KEY"});
      if (text == Utf8("次のステップは１を入力。")) r.shown.push_back({0, 0, 0, "NEXT"});
      continue;
    }
    if (f[1] != "PrintMarkup" || std::stod(f[3]) >= 900 || !asked_menu) continue;
    const Shown s{std::stod(f[2]), std::stod(f[3]), std::stod(f[4]), text};
    (in_topic ? r.shown : r.goal).push_back(s);
  }
  return r;
}

// How far the markup printer moves the pen over a plain text: 32 for "=",
// 27 for any other single-byte character, 34 for a double-byte one.
inline double Advance(const std::string& utf8) {
  double width = 0;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      width += c == '=' ? 32 : 27;
      ++i;
      continue;
    }
    const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    // Half-width katakana (U+FF61 to U+FF9F) are single-byte characters.
    const bool half_width = length == 3 && c == 0xEF &&
                            ((static_cast<unsigned char>(utf8[i + 1]) == 0xBD &&
                              static_cast<unsigned char>(utf8[i + 2]) >= 0xA1) ||
                             static_cast<unsigned char>(utf8[i + 1]) == 0xBE);
    width += half_width ? 27 : 34;
    i += length;
  }
  return width;
}

// A line of an expected page: its text at (x, y) in `colour`. With x =
// kAfter it continues its line (y, or the line of the text before when y is
// 0) right where the last text on that line ended, `gap` further right.
// "KEY", "NEXT" and "MENU" stand for the prompts.
inline constexpr double kAfter = -1;
struct Want {
  double x = 0, y = 0, colour = 0;
  const char* text;  // Shift-JIS, or UTF-8 when `utf8`
  double gap = 0;
  bool utf8 = false;
};
inline Want Key() {
  return {0, 0, 0, "KEY"};
}
inline Want Next() {
  return {0, 0, 0, "NEXT"};
}
inline Want Menu() {
  return {0, 0, 0, "MENU"};
}

// Compares what was shown with the expected lines, one by one.
inline void ExpectShown(const std::vector<Shown>& shown, const std::vector<Want>& want) {
  const Shown* before = nullptr;
  // The end of the last text shown on line y before line i.
  auto line_end = [&](size_t i, double y) {
    for (size_t j = i; j-- > 0;) {
      if (!shown[j].IsPrompt() && shown[j].y == y) return shown[j].x + Advance(shown[j].text);
    }
    return -1.0;
  };
  for (size_t i = 0; i < want.size(); ++i) {
    ASSERT_LT(i, shown.size()) << "missing from line " << i;
    const Shown& s = shown[i];
    const Want& w = want[i];
    EXPECT_EQ(s.text, w.utf8 ? std::string(w.text) : Utf8(w.text)) << "line " << i;
    if (s.IsPrompt()) continue;
    double x = w.x, y = w.y;
    if (w.x == kAfter) {
      ASSERT_NE(before, nullptr) << "line " << i;
      if (y == 0) y = before->y;
      x = line_end(i, y) + w.gap;
    }
    EXPECT_NEAR(s.x, x, 0.01) << "line " << i << ": " << s;
    EXPECT_NEAR(s.y, y, 0.01) << "line " << i << ": " << s;
    EXPECT_EQ(s.colour, w.colour) << "line " << i << ": " << s;
    before = &s;
  }
  EXPECT_EQ(shown.size(), want.size());
}

// The texts of the shown lines, in order, without the prompts.
inline std::vector<std::string> Texts(const std::vector<Shown>& shown) {
  std::vector<std::string> out;
  for (const Shown& s : shown) {
    if (!s.IsPrompt()) out.push_back(s.text);
  }
  return out;
}

// How many press-a-key prompts came before the first log line `line` (its
// fields joined by blanks), counted from the first print of `submenu`; -1
// when there is no such line after it.
inline int KeysBefore(const PlayerRun& run, const std::string& submenu, const std::string& line) {
  int keys = 0;
  bool in_topic = false;
  for (const std::string& logged : run.log) {
    if (logged.find(Utf8(submenu)) != std::string::npos) in_topic = true;
    if (!in_topic) continue;
    if (logged.find(Utf8("何かキーを押して下さい。")) != std::string::npos) ++keys;
    std::string blanks = logged;
    for (char& c : blanks) {
      if (c == '\t') c = ' ';
    }
    if (blanks == line) return keys;
  }
  return -1;
}

// Each generated example: what was shown from a text that begins with
// `start` (Shift-JIS) up to and with the next-step prompt after it.
inline std::vector<std::vector<Shown>> Examples(const std::vector<Shown>& shown,
                                                const char* start) {
  std::vector<std::vector<Shown>> examples;
  bool in_example = false;
  for (const Shown& s : shown) {
    if (s.text.rfind(Utf8(start), 0) == 0) {
      examples.emplace_back();
      in_example = true;
    }
    if (in_example) examples.back().push_back(s);
    if (s.text == "NEXT") in_example = false;
  }
  return examples;
}

// The texts of what was shown, the prompts left out.
inline std::vector<Shown> WithoutPrompts(const std::vector<Shown>& shown) {
  std::vector<Shown> out;
  for (const Shown& s : shown) {
    if (!s.IsPrompt()) out.push_back(s);
  }
  return out;
}

// How many log lines begin with `head` (fields joined by tabs).
inline int CountStarting(const PlayerRun& run, const std::string& head) {
  int n = 0;
  for (const std::string& line : run.log) n += line.rfind(head, 0) == 0;
  return n;
}

// A number's text in an expression: with "+" when positive unless it is
// the first term.
inline std::string Signed(int n) {
  return (n > 0 ? "+" : "") + std::to_string(n);
}

// The keys of one move on the number line: as many arrow presses as the
// move's size, towards its sign, then Enter.
inline std::string Move(int units) {
  return Repeat(units > 0 ? "Right" : "Left", units > 0 ? units : -units) + "Enter ";
}

// A straight line an item draws (the log line, fields joined by blanks)
// and how many key waits of the item come before it.
struct LineWant {
  int keys_before;
  std::string line;
};

// An item with fixed content: its keys from the submenu (its number and
// every key it takes), all it shows from the submenu before it to the one
// after it, and the lines it draws besides its texts.
struct FixedItem {
  const char* name;
  std::string keys;
  std::vector<Want> page;
  std::vector<LineWant> lines = {};
};

// Runs the item from the main menu (`topic`: the topic's number) and checks
// it; one key fewer must leave it still waiting.
inline void ExpectFixedItem(const std::string& topic, const char* submenu, const FixedItem& item) {
  const TopicRun r = RunTopic(topic + " Enter " + item.keys, submenu);
  EXPECT_EQ(r.run.ending, "script used up");
  ExpectShown(r.shown, item.page);
  for (const LineWant& line : item.lines) {
    EXPECT_EQ(KeysBefore(r.run, submenu, line.line), line.keys_before) << line.line;
  }
  const TopicRun shorter = RunTopic(topic + " Enter " + WithoutLastKey(item.keys), submenu);
  EXPECT_EQ(shorter.Count("MENU"), 1);
}

inline void PrintTo(const FixedItem& item, std::ostream* out) {
  *out << item.name;
}

}  // namespace topic_pages
