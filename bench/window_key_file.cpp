#include "window_key_file.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A whole number of one or more digits, no sign, that fits an int.
bool WholeNumber(const std::string& text, int* value) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

// How often the group headed `head` is done; false for a head it does not
// know.
bool Times(const std::string& head, int cycles, int* times) {
  if (head == "once") {
    *times = 1;
    return true;
  }
  if (head == "each cycle") {
    *times = cycles;
    return true;
  }
  const std::string suffix = " times";
  if (head.size() <= suffix.size() ||
      head.compare(head.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return false;
  }
  return WholeNumber(head.substr(0, head.size() - suffix.size()), times);
}

// One token of a group; "" when read, else why not.
std::string ReadStep(std::string token, KeyStep* step) {
  const size_t eq = token.find('=');
  if (eq != std::string::npos) {
    step->label = token.substr(0, eq);
    token = token.substr(eq + 1);
    if (step->label.empty() || token.empty()) return "a measured key is LABEL=KEY";
  }
  const std::string ms = "ms";
  if (token.size() > ms.size() && token.compare(token.size() - ms.size(), ms.size(), ms) == 0 &&
      WholeNumber(token.substr(0, token.size() - ms.size()), &step->pause_ms)) {
    if (!step->label.empty()) return "a pause is not measured";
    return "";
  }
  step->key = token;
  return "";
}

}  // namespace

bool ReadKeyGroups(const std::string& text, int cycles, std::vector<KeyGroup>* groups,
                   std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    auto fail = [&](const std::string& why) {
      *error = "line " + std::to_string(number) + ": " + why;
      return false;
    };
    const size_t colon = line.find(':');
    KeyGroup group;
    if (colon == std::string::npos ||
        !Times(Trimmed(line.substr(0, colon)), cycles, &group.times)) {
      return fail("a group starts with \"once:\", \"each cycle:\" or \"N times:\"");
    }
    std::istringstream keys(line.substr(colon + 1));
    for (std::string token; keys >> token;) {
      KeyStep step;
      if (std::string why = ReadStep(token, &step); !why.empty()) {
        return fail(why + " (\"" + token + "\")");
      }
      group.steps.push_back(step);
    }
    if (group.steps.empty()) return fail("a group without keys");
    groups->push_back(group);
  }
  return true;
}

bool ReadKeyFile(const std::string& path, int cycles, std::vector<KeyGroup>* groups,
                 std::string* error) {
  std::ifstream file(path);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.is_open() || file.bad()) {
    *error = "cannot read " + path;
    return false;
  }
  return ReadKeyGroups(text, cycles, groups, error);
}
