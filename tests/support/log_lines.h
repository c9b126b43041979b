// Test support for the printers: the operation log as readable lines.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "page_reader.h"
#include "shell.h"

// Each logged operation as one line with blanks between its fields
// ("text 100 200 3 3 4 16 1 0 ゴシック 2"), in UTF-8.
inline std::vector<std::string> LogLines(const std::vector<LoggedOp>& log) {
  std::vector<std::string> lines;
  for (const LoggedOp& op : log) {
    std::string line = op.Line();
    for (char& c : line) {
      if (c == '\t') c = ' ';
    }
    lines.push_back(line);
  }
  return lines;
}

// The same for expected lines written in the source (Shift-JIS literals).
inline std::vector<std::string> Expected(const std::vector<std::string>& sjis_lines) {
  return Utf8All(sjis_lines);
}

// The logged operations that reach the page: the measuring prints below it
// (at y 1800) left out.
inline std::vector<LoggedOp> OnPage(const std::vector<LoggedOp>& log) {
  std::vector<LoggedOp> out;
  for (const LoggedOp& op : log) {
    if (op.name == "print" || op.name == "text") {
      if (op.nums[1] >= 900) continue;  // x, y, ...
    } else if (op.name == "line" && op.nums[1] >= 900 && op.nums[3] >= 900) {
      continue;
    } else if (op.name == "polyline" && op.nums[4] >= 900) {
      continue;
    }
    out.push_back(op);
  }
  return out;
}

// What one glyph or line put on the page covers across it: a glyph's cell
// or a line's run as [left, right], with its line (y) and magnifications.
struct Mark {
  std::string text;  // UTF-8; empty for a line
  double left, right, y, hmag, vmag;
};

// The marks of the glyphs and lines among the logged operations.
inline std::vector<Mark> MarksOf(const std::vector<LoggedOp>& log) {
  std::vector<Mark> out;
  for (const LoggedOp& op : log) {
    const std::vector<double>& n = op.nums;
    if (op.name == "text") {
      // A single-byte character's cell is half as wide as a double-byte one's.
      const double cell = n[5] * n[2] * (op.text.size() == 1 ? 0.5 : 1);
      out.push_back({op.text, n[0], n[0] + cell, n[1], n[2], n[3]});
    } else if (op.name == "line") {
      out.push_back({"", std::min(n[0], n[2]), std::max(n[0], n[2]), n[1], 0, 0});
    }
  }
  return out;
}

// A fresh start-up page with the markup printer's state cleared, and a
// print at a given pen.
class MarkupTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    JYOU = JYOUK = HROOT = TXM = KAKKO = BUN = 0;
  }

  void Print(const std::string& text, float x = 100, float y = 200) {
    X = x;
    Y = y;
    AA_s = text;
    PrintMarkup();
  }
};
