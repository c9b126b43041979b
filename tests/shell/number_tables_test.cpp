#include "number_tables.h"

#include <gtest/gtest.h>

#include "globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

class NumberTablesTest : public StartedPageTest {};

TEST_F(NumberTablesTest, EveryEntryBecomesItsTextWithoutBlanks) {
  T(1) = 5;
  T(2) = -2;
  T(3) = 0.5;
  T(80) = -0.25;
  F(40) = 12;
  T_s(0) = "heading";
  F_sa(0) = "kept";
  I = 7;
  A_s = "old";
  TablesToTextAndKeyChoice();
  EXPECT_EQ(T_s(1), "5");
  EXPECT_EQ(T_s(2), "-2");
  EXPECT_EQ(T_s(3), ".5");
  EXPECT_EQ(T_s(80), "-.25");
  for (int i = 4; i < 80; ++i) EXPECT_EQ(T_s(i), "0") << i;
  for (int i = 1; i < 40; ++i) EXPECT_EQ(F_sa(i), "0") << i;
  EXPECT_EQ(F_sa(40), "12");
  EXPECT_EQ(T_s(0), "heading");
  EXPECT_EQ(F_sa(0), "kept");
  EXPECT_EQ(I, 41);
  EXPECT_EQ(A_s, "12");
  EXPECT_TRUE(Log().empty());
  TablesToTextAndKeyChoice();
  EXPECT_EQ(T_s(2), "-2");
}

TEST_F(NumberTablesTest, ChoiceKeysSetTheirPlace) {
  const char* keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (int place = 1; place <= 10; ++place) {
    I_s = keys[place - 1];
    HHKIG = 0;
    FKIG = 0;
    TablesToTextAndKeyChoice();
    EXPECT_EQ(HHKIG, place) << keys[place - 1];
    EXPECT_EQ(FKIG, 1);
  }
  // Any other key: no choice, and the last place stays.
  for (const char* key : {"A", "1", "", "\r", "q"}) {
    I_s = key;
    FKIG = 1;
    TablesToTextAndKeyChoice();
    EXPECT_EQ(FKIG, 0) << key;
    EXPECT_EQ(HHKIG, 10);
  }
}

}  // namespace
