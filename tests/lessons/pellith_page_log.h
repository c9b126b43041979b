// Reading Pellith's pages from a player run: the markup prints on the page,
// the key waits, the next-step prompts, the submenu prompts and the strokes.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.h"

namespace pellith_test {

inline std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> f;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
    f.push_back(line.substr(start, tab - start));
  }
  f.push_back(line.substr(start));
  return f;
}

// "x y colour text" of every markup print on the page (measuring left out).
inline std::vector<std::string> MarkupPrints(const PlayerRun& run) {
  std::vector<std::string> out;
  for (const std::string& line : run.log) {
    if (line.rfind("print\tPrintMarkup\t", 0) != 0) continue;
    const auto f = Fields(line);
    if (std::stod(f[3]) >= 900 || f[5].empty()) continue;
    out.push_back(f[2] + " " + f[3] + " " + f[4] + " " + f[5]);
  }
  return out;
}

inline int CountPrints(const PlayerRun& run, const std::string& routine, const std::string& at,
                       const std::string& text) {
  const std::string line = "print\t" + routine + "\t" + at + "\t" + Utf8(text);
  return static_cast<int>(std::count_if(run.log.begin(), run.log.end(), [&](const std::string& l) {
    return l.rfind(line, 0) == 0 && l.size() == line.size();
  }));
}
inline int KeyWaits(const PlayerRun& run) {
  return CountPrints(run, "DrawPlainText", "128\t666\t9", "何かキーを押して下さい。");
}
inline int NextSteps(const PlayerRun& run) {
  return CountPrints(run, "DrawPlainText", "128\t648\t9", "次のステップは１を入力。");
}
inline int Submenus(const PlayerRun& run, const std::string& items) {
  return CountPrints(run, "DrawPlainText", "16\t666\t0", items);
}

// " a" `n` times: any key at each press-a-key prompt.
inline std::string AnyKeys(int n) {
  std::string keys;
  for (int i = 0; i < n; ++i) keys += " a";
  return keys;
}

// Whether every expected "x y colour text" (Shift-JIS) is among the prints.
inline std::vector<std::string> Missing(const PlayerRun& run,
                                        const std::vector<std::string>& expected) {
  const auto prints = MarkupPrints(run);
  std::vector<std::string> missing;
  for (const std::string& e : expected) {
    if (std::find(prints.begin(), prints.end(), Utf8(e)) == prints.end())
      missing.push_back(Utf8(e));
  }
  return missing;
}

}  // namespace pellith_test
