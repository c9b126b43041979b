#include "page_reader.h"

#include <cstdio>
#include <regex>
#include <stdexcept>

#include "runtime.h"

std::vector<std::string> Utf8All(const std::vector<std::string>& sjis) {
  std::vector<std::string> out;
  for (const std::string& s : sjis) out.push_back(Utf8(s));
  return out;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> f;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
    f.push_back(line.substr(start, tab - start));
  }
  f.push_back(line.substr(start));
  return f;
}

int CountStarting(const PlayerRun& run, const std::string& head) {
  int n = 0;
  for (const std::string& line : run.log) n += line.rfind(head, 0) == 0;
  return n;
}

std::string Repeat(const std::string& token, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += token + " ";
  return out;
}

std::optional<Print> PrintOf(const std::string& line) {
  if (line.rfind("print\t", 0) != 0) return std::nullopt;
  const std::vector<std::string> f = Fields(line);
  if (f.size() < 6) return std::nullopt;
  return Print{f[1], std::stod(f[2]), std::stod(f[3]), std::stod(f[4]), f[5]};
}

std::vector<Print> PrintsOf(const PlayerRun& run) {
  std::vector<Print> out;
  for (const std::string& line : run.log) {
    const std::optional<Print> p = PrintOf(line);
    if (p && p->y < kPageHeight) out.push_back(*p);
  }
  return out;
}

std::vector<Print> PrintsOf(const std::vector<LoggedOp>& log) {
  std::vector<Print> out;
  for (const LoggedOp& op : log) {
    if (op.name != "print" || op.nums.size() < 3 || op.nums[1] >= kPageHeight) continue;
    out.push_back({op.face, op.nums[0], op.nums[1], op.nums[2], op.text});
  }
  return out;
}

std::string Placed(const Print& p) {
  return LogNumber(p.x) + " " + LogNumber(p.y) + " " + LogNumber(p.colour) + " " + p.text;
}

std::string LogNumber(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

long WrittenNumber(const std::string& text) {
  static const std::regex written(R"(\(([+-]?\d+)\)|[+-]?\d+)");
  std::smatch m;
  if (!std::regex_match(text, m, written)) {
    throw std::invalid_argument("not a whole number as the pages write it: " + text);
  }
  return std::stol(m[1].matched ? m[1].str() : m[0].str());
}

std::vector<std::string> PrintsAt(const PlayerRun& run, const std::string& routine, int x, int y) {
  std::vector<std::string> out;
  const std::string head =
      "print\t" + routine + "\t" + std::to_string(x) + "\t" + std::to_string(y) + "\t";
  for (const std::string& line : run.log) {
    if (line.rfind(head, 0) == 0) out.push_back(line.substr(line.rfind('\t') + 1));
  }
  return out;
}

bool IsKeyWait(const Print& p) {
  return p.routine == "DrawPlainText" && p.x == 128 && p.y == 666 &&
         p.text == Utf8("何かキーを押して下さい。");
}

int KeyWaits(const std::vector<Print>& prints) {
  int n = 0;
  for (const Print& p : prints) n += IsKeyWait(p);
  return n;
}

int Submenus(const PlayerRun& run, const std::string& submenu) {
  int n = 0;
  for (const Print& p : PrintsOf(run)) {
    n += p.routine == "DrawPlainText" && p.x == 16 && p.y == 666 && p.colour == 0 &&
         p.text == Utf8(submenu);
  }
  return n;
}

std::vector<std::string> MarkupPrints(const std::vector<Print>& prints, EmptyTexts empty) {
  std::vector<std::string> out;
  for (const Print& p : prints) {
    if (p.routine != "PrintMarkup" || (p.text.empty() && empty == EmptyTexts::kLeftOut)) continue;
    out.push_back(Placed(p));
  }
  return out;
}
