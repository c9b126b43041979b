#include "x_key_names.h"

#include <X11/Xlib.h>

#include <cctype>
#include <stdexcept>
#include <vector>

#include "key_script.h"

namespace {

// The key script's names that X spells otherwise; its other names (Left,
// Tab, Escape, Delete, ...) are X's own.
struct Renamed {
  const char* token;
  const char* x_name;
};
constexpr Renamed kRenamed[] = {
    {"Enter", "Return"}, {"Backspace", "BackSpace"}, {"Space", "space"}};

}  // namespace

std::string XKeyName(const std::string& key) {
  const std::string token = KeyScriptToken(key);
  for (const Renamed& r : kRenamed) {
    if (token == r.token) return r.x_name;
  }
  if (token.size() > 1) return token;
  // A printable character: its X key is the one that types it unshifted
  // (letters in lower case), named as X names it ("7", "a", "minus").
  const KeySym symbol = KeySym(std::tolower(static_cast<unsigned char>(token[0])));
  const char* name = XKeysymToString(symbol);
  return name ? name : token;
}

std::string KeyOfXName(const std::string& name) {
  std::string token = name;
  for (const Renamed& r : kRenamed) {
    if (name == r.x_name) token = r.token;
  }
  // A key that types a printable character, named by X ("minus", "a").
  const KeySym symbol = XStringToKeysym(name.c_str());
  if (token == name && symbol > 0x20 && symbol < 0x7F) token = std::string(1, char(symbol));
  try {
    const std::vector<std::string> keys = ParseKeyScript(token);
    return keys.size() == 1 ? keys[0] : "";
  } catch (const std::invalid_argument&) {
    return "";
  }
}
