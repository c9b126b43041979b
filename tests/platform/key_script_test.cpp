// The key script: the keys its tokens stand for, and how it names a token
// that is no key.
#include "key_script.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Every named key gives the code the window's keyboard poll reports for it.
TEST(KeyScript, NamedKeysGiveTheWindowsCodes) {
  struct Case {
    const char* token;
    int code;
  };
  const Case cases[] = {
      {"Enter", 13},  {"Left", 29},     {"Right", 28},  {"Up", 30},     {"Down", 31}, {"Tab", 9},
      {"Escape", 27}, {"Backspace", 8}, {"Delete", 12}, {"Space", ' '}, {"a", 'A'},   {"7", '7'},
      {"/", '/'},     {"@", '@'},       {"\\", '\\'},   {"~", '~'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.token);
    EXPECT_EQ(ParseKeyScript(c.token), std::vector<std::string>{std::string(1, char(c.code))});
  }
  EXPECT_EQ(ParseKeyScript(" 1\tEnter\nUp\r\n\v\fEscape  "),
            (std::vector<std::string>{"1", "\r", "\x1e", "\x1b"}));
}

// A token that is no key is named in the error with every byte that could
// not be shown on a terminal escaped, so that neither a NUL nor a control
// character nor a byte of a binary file reaches it raw.
TEST(KeyScript, ATokenThatIsNoKeyIsNamedReadably) {
  struct Case {
    const char* what;
    std::string token;
    const char* named;
  };
  const Case cases[] = {
      {"a word", "Esc", "Esc"},
      {"a name in lower case", "enter", "enter"},
      {"a NUL", std::string("\0", 1), "\\x00"},
      {"a NUL inside a word", std::string("En\0ter", 6), "En\\x00ter"},
      {"binary bytes", "\xff\xfe", "\\xff\\xfe"},
      {"a terminal's escape sequence", "\x1b[2J", "\\x1b[2J"},
      {"a backslash in a word", "a\\x00", "a\\\\x00"},
      {"a delete byte", "\x7f", "\\x7f"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      ParseKeyScript("1 " + c.token + " Enter");
      ADD_FAILURE() << "taken as a key";
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(std::string(e.what()), std::string("unknown key in script: ") + c.named);
    }
  }
}

}  // namespace
