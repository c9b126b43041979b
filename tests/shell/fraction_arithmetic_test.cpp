// Reducing and adding signed fractions, and the markup texts of the steps.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "shell.h"

namespace {

class FractionArithmeticTest : public StartedPageTest {};

struct ReduceCase {
  float ds, db;
  float out_ds, out_db, yak, yak1;
  const char* fds1;
  const char* tkai1;
  const char* tkai2;
  const char* a1;
  const char* a2;
  const char* a21;
  const char* a3;
  const char* a31;
};

const ReduceCase kReduceCases[] = {
    {6, 8, 3, 4, 2, 1, "+", "3/4", "+3/4", "ﾀ6/8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ",
     "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ"},
    {12, 18, 2, 3, 2, 1, "+", "2/3", "+2/3", "ﾀ12/18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ",
     "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ"},
    {-3, 9, -1, 3, 2, -1, "", "-1/3", "-1/3", "ﾀ-3/9ﾀ", "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ",
     "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ"},
    {3, 4, 3, 4, 3, 1, "+", "3/4", "+3/4", "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ"},
    {-3, 4, -3, 4, 2, -1, "", "-3/4", "-3/4", "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ",
     "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ"},
    {3, -4, -3, 4, 2, -1, "", "-3/4", "-3/4", "ﾀ3/-4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ",
     "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ"},
    {-3, -4, 3, 4, 2, 1, "+", "3/4", "+3/4", "ﾀ-3/-4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ",
     "+ﾀ-3/-4ﾀ=+ﾀ3/4ﾀ"},
    {8, 4, 2, 1, 1, 1, "+", "2", "+2", "ﾀ8/4ﾀ", "2", "+2", "ﾀ8/4ﾀ=2", "+ﾀ8/4ﾀ=+2"},
    {-8, 4, -2, 1, 1, -1, "", "-2", "-2", "ﾀ-8/4ﾀ", "-2", "-2", "ﾀ-8/4ﾀ=-2", "ﾀ-8/4ﾀ=-2"},
    {5, 1, 5, 1, 1, 1, "+", "5", "+5", "ﾀ5/1ﾀ", "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5"},
    {-6, 1, -6, 1, 1, -1, "", "-6", "-6", "ﾀ-6/1ﾀ", "-6", "-6", "ﾀ-6/1ﾀ=-6", "ﾀ-6/1ﾀ=-6"},
    {6, -1, -6, 1, 1, -1, "", "-6", "-6", "ﾀ6/-1ﾀ", "-6", "-6", "ﾀ6/-1ﾀ=-6", "ﾀ6/-1ﾀ=-6"},
    {0, 5, 0, 1, 1, 1, "+", "0", "+0", "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0"},
};

TEST_F(FractionArithmeticTest, ReducesEachCaseAndLeavesItsKindSignAndTexts) {
  for (const ReduceCase& c : kReduceCases) {
    DS = c.ds;
    DB = c.db;
    ReduceFraction();
    std::string given = std::to_string(int(c.ds)) + "/" + std::to_string(int(c.db));
    EXPECT_EQ(DS, c.out_ds) << given;
    EXPECT_EQ(DB, c.out_db) << given;
    EXPECT_EQ(YAK, c.yak) << given;
    EXPECT_EQ(YAK1, c.yak1) << given;
    EXPECT_EQ(DS1, c.ds) << given;
    EXPECT_EQ(DB1, c.db) << given;
    EXPECT_EQ(FDS1_s, c.fds1) << given;
    EXPECT_EQ(TKAI1_s, c.tkai1) << given;
    EXPECT_EQ(TKAI2_s, c.tkai2) << given;
    EXPECT_EQ(A_s, TKAI2_s) << given;
    EXPECT_EQ(Utf8(A1_s), Utf8(c.a1)) << given;
    EXPECT_EQ(Utf8(A2_s), Utf8(c.a2)) << given;
    EXPECT_EQ(Utf8(A21_s), Utf8(c.a21)) << given;
    EXPECT_EQ(Utf8(A3_s), Utf8(c.a3)) << given;
    EXPECT_EQ(Utf8(A31_s), Utf8(c.a31)) << given;
  }
}

TEST_F(FractionArithmeticTest, GcdLcmLeavesBothInX3AndX4AndTwoZerosAreADivisionByZero) {
  const float cases[][4] = {{6, 8, 2, 24}, {0, 5, 5, 0}, {7, 1, 1, 7}, {12, 18, 6, 36}};
  for (const auto& c : cases) {
    DS = c[0];
    DB = c[1];
    GcdLcm();
    EXPECT_EQ(X3, c[2]) << c[0] << " " << c[1];
    EXPECT_EQ(X4, c[3]) << c[0] << " " << c[1];
    EXPECT_EQ(DS, c[0]);  // read, not changed
  }
  // Zero and zero have no greatest common divisor.
  DS = 0;
  DB = 0;
  try {
    GcdLcm();
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
}

TEST_F(FractionArithmeticTest, ZeroDenominatorIsKindZeroAndShowsNoOldResult) {
  A2_s = "old";
  A21_s = "old";
  DS = 4;
  DB = 0;
  ReduceFraction();
  EXPECT_EQ(YAK, 0);
  EXPECT_EQ(DS, 4);
  EXPECT_EQ(DB, 0);
  EXPECT_EQ(A1_s, "ﾀ4/0ﾀ");
  EXPECT_EQ(A2_s, "old");
  EXPECT_EQ(A21_s, "old");
  EXPECT_EQ(A3_s, "ﾀ4/0ﾀ");
  EXPECT_EQ(A31_s, "+ﾀ4/0ﾀ");
  EXPECT_EQ(TKAI1_s, "4/0");
  EXPECT_EQ(TKAI2_s, "+4/0");
}

struct AddCase {
  float dsm1, dbm1, dsm2, dbm2;
  float db, ds1, ds2, ds4;
  const char* b3;
  const char* b4;
  const char* a5;
  const char* a1;
  const char* a11;
  const char* a2;
  const char* a21;
  const char* a3;
  const char* a4;
  const char* a41;
};

const AddCase kAddCases[] = {
    {5, 3, 1, 4, 12, 20, 3, 23, "ﾀ20/12ﾀ", "ﾀ3/12ﾀ", "ﾀ20/12ﾀ+ﾀ3/12ﾀ", "ﾀ20/12ﾀ", "+ﾀ20/12ﾀ",
     "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ20+3/12ﾀ", "ﾀ23/12ﾀ", "+ﾀ23/12ﾀ"},
    {5, 3, -1, 4, 12, 20, -3, 17, "ﾀ20/12ﾀ", "ﾀ3/12ﾀ", "ﾀ20/12ﾀ-ﾀ3/12ﾀ", "ﾀ20/12ﾀ", "+ﾀ20/12ﾀ",
     "-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ20-3/12ﾀ", "ﾀ17/12ﾀ", "+ﾀ17/12ﾀ"},
    {-1, 2, 3, 7, 14, -7, 6, -1, "ﾀ7/14ﾀ", "ﾀ6/14ﾀ", "-ﾀ7/14ﾀ+ﾀ6/14ﾀ", "-ﾀ7/14ﾀ", "-ﾀ7/14ﾀ",
     "ﾀ6/14ﾀ", "+ﾀ6/14ﾀ", "ﾀ-7+6/14ﾀ", "-ﾀ1/14ﾀ", "-ﾀ1/14ﾀ"},
    {3, 5, -1, 10, 10, 6, -1, 5, "ﾀ6/10ﾀ", "ﾀ1/10ﾀ", "ﾀ6/10ﾀ-ﾀ1/10ﾀ", "ﾀ6/10ﾀ", "+ﾀ6/10ﾀ",
     "-ﾀ1/10ﾀ", "-ﾀ1/10ﾀ", "ﾀ6-1/10ﾀ", "ﾀ5/10ﾀ", "+ﾀ5/10ﾀ"},
    {-3, 4, -1, 12, 12, -9, -1, -10, "ﾀ9/12ﾀ", "ﾀ1/12ﾀ", "-ﾀ9/12ﾀ-ﾀ1/12ﾀ", "-ﾀ9/12ﾀ", "-ﾀ9/12ﾀ",
     "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ", "ﾀ-9-1/12ﾀ", "-ﾀ10/12ﾀ", "-ﾀ10/12ﾀ"},
    {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ", "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ",
     "ﾀ6+1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ"},
    // Equal denominators: the denominator itself is the common one.
    {3, 8, -5, 8, 8, 3, -5, -2, "ﾀ3/8ﾀ", "ﾀ5/8ﾀ", "ﾀ3/8ﾀ-ﾀ5/8ﾀ", "ﾀ3/8ﾀ", "+ﾀ3/8ﾀ", "-ﾀ5/8ﾀ",
     "-ﾀ5/8ﾀ", "ﾀ3-5/8ﾀ", "-ﾀ2/8ﾀ", "-ﾀ2/8ﾀ"},
    // A minus on a denominator moves to the numerator.
    {1, -2, 1, 3, 6, -3, 2, -1, "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ", "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ",
     "+ﾀ2/6ﾀ", "ﾀ-3+2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ"},
    // Both parts negative is a positive addend over a positive denominator.
    {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ",
     "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ"},
    // A zero sum counts as not negative.
    {1, 2, -1, 2, 2, 1, -1, 0, "ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ-ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ",
     "-ﾀ1/2ﾀ", "ﾀ1-1/2ﾀ", "ﾀ0/2ﾀ", "+ﾀ0/2ﾀ"},
};

TEST_F(FractionArithmeticTest, AddsEachCaseOverTheCommonDenominatorWithItsTexts) {
  for (const AddCase& c : kAddCases) {
    DSM1 = c.dsm1;
    DBM1 = c.dbm1;
    DSM2 = c.dsm2;
    DBM2 = c.dbm2;
    AddFractions();
    std::string given = std::to_string(int(c.dsm1)) + "/" + std::to_string(int(c.dbm1)) + " + " +
                        std::to_string(int(c.dsm2)) + "/" + std::to_string(int(c.dbm2));
    EXPECT_EQ(DB, c.db) << given;
    EXPECT_EQ(DS1, c.ds1) << given;
    EXPECT_EQ(DS2, c.ds2) << given;
    EXPECT_EQ(DS4, c.ds4) << given;
    EXPECT_EQ(Utf8(B3_s), Utf8(c.b3)) << given;
    EXPECT_EQ(Utf8(B4_s), Utf8(c.b4)) << given;
    EXPECT_EQ(Utf8(A5_s), Utf8(c.a5)) << given;
    EXPECT_EQ(Utf8(A1_s), Utf8(c.a1)) << given;
    EXPECT_EQ(Utf8(A11_s), Utf8(c.a11)) << given;
    EXPECT_EQ(Utf8(A2_s), Utf8(c.a2)) << given;
    EXPECT_EQ(Utf8(A21_s), Utf8(c.a21)) << given;
    EXPECT_EQ(Utf8(A3_s), Utf8(c.a3)) << given;
    EXPECT_EQ(Utf8(A4_s), Utf8(c.a4)) << given;
    EXPECT_EQ(Utf8(A41_s), Utf8(c.a41)) << given;
    EXPECT_EQ(A_s, DS4_s) << given;
  }
}

TEST_F(FractionArithmeticTest, AWholeAddendLeavesTheLastGcdAlone) {
  X3 = 99;
  X4 = 98;
  DSM1 = 2;
  DBM1 = 1;
  DSM2 = 1;
  DBM2 = 3;
  AddFractions();
  EXPECT_EQ(X3, 99);
  EXPECT_EQ(X4, 98);
}

TEST_F(FractionArithmeticTest, PageReducesTheSumAfterAdding) {
  DSM1 = 5;
  DBM1 = 6;
  DSM2 = 1;
  DBM2 = 6;
  AddFractions();
  DS = DS4;
  ReduceFraction();
  EXPECT_EQ(DS, 1);
  EXPECT_EQ(DB, 1);
  EXPECT_EQ(A3_s, "ﾀ6/6ﾀ=1");
}

TEST_F(FractionArithmeticTest, AddendOverZeroIsADivisionByZero) {
  const float cases[][4] = {{1, 0, 1, 3}, {1, 3, 2, 0}, {1, 1, 1, 0}, {1, 0, 1, 0}};
  for (const auto& c : cases) {
    DSM1 = c[0];
    DBM1 = c[1];
    DSM2 = c[2];
    DBM2 = c[3];
    try {
      AddFractions();
      ADD_FAILURE() << "no error for " << c[1] << " " << c[3];
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code, kDivisionByZero);
    }
  }
}

}  // namespace
