#include <gtest/gtest.h>

#include "globals.h"
#include "shell.h"

namespace {

TEST(TextFilters, NormaliseNumberTextDeletesEveryHalfWidthBlank) {
  const std::pair<const char*, const char*> cases[] = {
      {" 12", "12"}, {"-3", "-3"},         {"1 2 3", "123"}, {"   ", ""},
      {"", ""},      {"　１２", "　１２"}, {" .5", ".5"},
  };
  for (auto [in, out] : cases) {
    A_s = in;
    NormaliseNumberText();
    EXPECT_EQ(A_s, out) << '"' << in << '"';
  }
}

TEST(TextFilters, StripMarkupDeletesTheMarkupCharactersAndEquals) {
  const std::pair<const char*, const char*> cases[] = {
      {"ﾀ3/4ﾀ", "3/4"},
      {"-ﾀ1/3ﾀ", "-1/3"},
      {"+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "+6/8+3/4"},
      {"2^3", "23"},
      {"#2ﾝ+1", "#2+1"},
      {"12+5", "12+5"},
      {"", ""},
      // A trail byte that looks like a mark is part of its character:
      // "タ" ends in 0x5E ("^"), "ぢ" in 0xC0 ("ﾀ"), "み" in 0xDD ("ﾝ").
      {"タ^ぢみ", "タぢみ"},
  };
  for (auto [in, out] : cases) {
    A_s = in;
    StripMarkup();
    EXPECT_EQ(A_s, out) << in;
  }
}

}  // namespace
