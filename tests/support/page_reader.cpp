#include "page_reader.h"

#include <cstdio>

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

std::string Repeat(const std::string& token, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += token + " ";
  return out;
}

std::vector<Print> PrintsOf(const PlayerRun& run) {
  std::vector<Print> out;
  for (const std::string& line : run.log) {
    if (line.rfind("print\t", 0) != 0) continue;
    const std::vector<std::string> f = Fields(line);
    if (f.size() < 6) continue;
    Print p{f[1], std::stod(f[2]), std::stod(f[3]), std::stod(f[4]), f[5]};
    if (p.y < kPageHeight) out.push_back(p);
  }
  return out;
}

std::string Placed(const Print& p) {
  char at[64];
  std::snprintf(at, sizeof at, "%g %g %g ", p.x, p.y, p.colour);
  return at + p.text;
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
