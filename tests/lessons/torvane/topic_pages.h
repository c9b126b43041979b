// Torvane's pages as a player run shows them (ItemRun's `shown`): each
// expected line at its place or right after the text before it, the key
// waits before a drawn line, the generated examples, and the fixed items.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"

namespace topic_pages {

// The clocks (and so the random seeds) the generated examples are run under.
inline const char* const kClocks[] = {"12:00:00", "07:31:59", "23:59:58", "00:00:01"};

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
    const std::optional<Print> p = PrintOf(logged);
    if (p && p->text == Utf8(submenu)) in_topic = true;
    if (!in_topic) continue;
    if (p && IsKeyWait(*p)) ++keys;
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

// The case ExpectItem checks for a fixed item: its keys, its prompts, and
// its texts in order wherever they stand (ExpectShown checks the places).
inline ItemCase AsItemCase(const FixedItem& item) {
  ItemCase c{.name = item.name, .keys = item.keys, .key_waits = 0};
  for (const Want& w : item.page) {
    const std::string text = w.text;
    if (text == "KEY") {
      ++c.key_waits;
      c.steps.push_back("W");
    } else if (text == "NEXT") {
      ++c.next_steps;
      c.steps.push_back("N");
    } else if (text != "MENU" && !text.empty() && !w.utf8) {
      c.steps.push_back("* * * " + text);
    }
  }
  return c;
}

// Runs the item from the main menu (`topic`: the topic's number) and checks
// it as ExpectItem does; then all it shows, place by place, and the lines
// it draws.
inline void ExpectFixedItem(const std::string& topic, const char* submenu, const FixedItem& item) {
  const ItemRun r = ExpectItem("torvane", topic + " Enter", submenu, AsItemCase(item));
  ExpectShown(r.shown, item.page);
  for (const LineWant& line : item.lines) {
    EXPECT_EQ(KeysBefore(r.run, submenu, line.line), line.keys_before) << line.line;
  }
}

inline void PrintTo(const FixedItem& item, std::ostream* out) {
  *out << item.name;
}

}  // namespace topic_pages
