#include <gtest/gtest.h>

#include "last_chance.h"
#include "string_ops.h"

namespace {

TEST(LastChance, MessageNamesTheProgramAndTheLine) {
  EXPECT_EQ(LastChanceMessage("Almeno", 42),
            ToUtf8("続行不可能なエラーが発生しました Almeno [42行]"));
}

}  // namespace
