// The X key names of the keys a key script types, both ways: what the
// window test presses for a key script, and what the window benchmark's key
// files mean.
#include "x_key_names.h"

#include <gtest/gtest.h>

#include <string>

#include "key_script.h"

namespace {

TEST(XKeyNames, EachKeyOfAScriptHasTheXKeyThatTypesIt) {
  struct Case {
    const char* token;   // in a key script
    const char* x_name;  // the X key that types it
  };
  const Case cases[] = {
      {"Enter", "Return"},  {"Backspace", "BackSpace"},
      {"Space", "space"},   {"Left", "Left"},
      {"Right", "Right"},   {"Up", "Up"},
      {"Down", "Down"},     {"Tab", "Tab"},
      {"Escape", "Escape"}, {"Delete", "Delete"},
      {"7", "7"},           {"x", "x"},
      {"X", "x"},           {"-", "minus"},
      {".", "period"},      {"/", "slash"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.token);
    const std::string key = ParseKeyScript(c.token).at(0);
    EXPECT_EQ(XKeyName(key), c.x_name);
    EXPECT_EQ(KeyOfXName(c.x_name), key);
  }
}

TEST(XKeyNames, AnXKeyThatTypesNoKeyOfAScriptIsNone) {
  for (const char* name : {"F1", "Shift_L", "", "no such key", "Return Return"}) {
    EXPECT_EQ(KeyOfXName(name), "") << name;
  }
}

}  // namespace
