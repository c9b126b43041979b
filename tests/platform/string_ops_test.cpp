#include <gtest/gtest.h>

#include "runtime.h"

namespace {

TEST(StringOps, ByteOperationsCountBytes) {
  std::string s = "番号ﾀ3";  // two double-byte characters, then two single bytes
  EXPECT_EQ(PfLEN(s), 6);
  EXPECT_EQ(PfLEFT24(s, 2), "番");
  EXPECT_EQ(PfRIGHT24(s, 2), "ﾀ3");
  EXPECT_EQ(PfMID24(s, 3, 2), "号");
  EXPECT_EQ(PfMID24(s, 5), "ﾀ3");
  EXPECT_EQ(PfMID24(s, 9), "");
  EXPECT_EQ(PfINSTR(s, "ﾀ"), 5);
  EXPECT_EQ(PfINSTR(s, "x"), 0);
  EXPECT_EQ(PfLEFT24("abc", 10), "abc");
  EXPECT_EQ(PfRIGHT24("abc", 0), "");
}

TEST(StringOps, CharacterOperationsCountCharacters) {
  std::string s = "番号ﾀ3";
  EXPECT_EQ(PfKLEN(s), 4);
  EXPECT_EQ(PfKLEFT24(s, 3), "番号ﾀ");
  EXPECT_EQ(PfKRIGHT24(s, 3), "号ﾀ3");
  EXPECT_EQ(PfKMID24(s, 2, 2), "号ﾀ");
  EXPECT_EQ(PfKMID24(s, 3), "ﾀ3");
  EXPECT_EQ(PfKINSTR(s, "ﾀ"), 3);
  EXPECT_EQ(PfKINSTR(s, "3"), 4);
  EXPECT_EQ(PfKLEN(""), 0);
  EXPECT_EQ(PfKMID24(s, 5), "");
}

TEST(StringOps, CharacterSearchNeverMatchesInsideADoubleByteCharacter) {
  // "ー" is 0x81 0x5B: its trail byte is "[" but the text holds no "[".
  std::string s = "ーa[";
  EXPECT_EQ(PfINSTR(s, "["), 2);   // the byte search finds the trail byte
  EXPECT_EQ(PfKINSTR(s, "["), 3);  // the character search does not
}

TEST(StringOps, BadArgumentsAreIllegalFunctionCalls) {
  auto code_of = [](auto call) {
    try {
      call();
    } catch (const RuntimeError& e) {
      return e.code;
    }
    return 0;
  };
  EXPECT_EQ(code_of([] { PfMID24("abc", 0, 1); }), kIllegalFunctionCall);
  EXPECT_EQ(code_of([] { PfKMID24("abc", 0, 1); }), kIllegalFunctionCall);
  EXPECT_EQ(code_of([] { PfLEFT24("abc", -1); }), kIllegalFunctionCall);
  EXPECT_EQ(code_of([] { PfASC(""); }), kIllegalFunctionCall);
  EXPECT_EQ(code_of([] { PfCHR24(256); }), kIllegalFunctionCall);
  EXPECT_EQ(PfCHR24(65), "A");
  EXPECT_EQ(PfASC("A"), 65);
  EXPECT_EQ(PfASC("ﾀ"), 0xC0);
}

TEST(StringOps, ConvertsToUtf8AtTheEdges) {
  EXPECT_EQ(ToUtf8("番号ﾀ3/8"),
            "\xE7\x95\xAA\xE5\x8F\xB7\xEF\xBE\x80"
            "3/8");
  EXPECT_EQ(FromUtf8(ToUtf8("①－÷")), "①－÷");
}

}  // namespace
