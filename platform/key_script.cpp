#include "key_script.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "readable.h"

namespace {

// The named keys of a key script and the codes the keyboard poll reports
// for them, as the window does.
struct NamedKey {
  const char* name;
  char code;
};
constexpr NamedKey kNamedKeys[] = {
    {"Enter", 13}, {"Left", 29},   {"Right", 28},    {"Up", 30},     {"Down", 31},
    {"Tab", 9},    {"Escape", 27}, {"Backspace", 8}, {"Delete", 12}, {"Space", ' '},
};

}  // namespace

std::string KeyOfToken(const std::string& token) {
  for (const NamedKey& key : kNamedKeys) {
    if (token == key.name) return std::string(1, key.code);
  }
  if (token.size() == 1 && std::isprint(static_cast<unsigned char>(token[0]))) {
    return std::string(1, char(std::toupper(static_cast<unsigned char>(token[0]))));
  }
  if (token.size() > kTokenShown) {
    throw std::invalid_argument("unknown key in script: " + Readable(token.substr(0, kTokenShown)) +
                                " (cut at " + std::to_string(kTokenShown) + " bytes)");
  }
  throw std::invalid_argument("unknown key in script: " + Readable(token));
}

std::string KeyScriptToken(const std::string& key) {
  for (const NamedKey& named : kNamedKeys) {
    if (key == std::string(1, named.code)) return named.name;
  }
  return key;
}

std::vector<std::string> ParseKeyScript(const std::string& script) {
  std::vector<std::string> keys;
  std::string token;
  for (size_t at = 0; at < script.size();) {
    if (IsKeyScriptBlank(script[at])) {
      ++at;
      continue;
    }
    const size_t end =
        std::find_if(script.begin() + at, script.end(), IsKeyScriptBlank) - script.begin();
    token.assign(script, at, end - at);
    keys.push_back(KeyOfToken(token));
    at = end;
  }
  return keys;
}
