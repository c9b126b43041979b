#include <gtest/gtest.h>

#include "runtime.h"

namespace {

struct TextCase {
  float value;
  const char* text;
};

TEST(NumberText, WritesBlankOrSignAndNoLeadingZero) {
  const TextCase cases[] = {
      {0.0f, " 0"},
      {5.0f, " 5"},
      {-5.0f, "-5"},
      {0.5f, " .5"},
      {-0.25f, "-.25"},
      {3.5f, " 3.5"},
      {-12.75f, "-12.75"},
      {0.3999996f, " .3999996"},
      {-2.3f + 1.5f, "-.8"},  // single precision: -0.79999995 rounds to 7 digits
      {1e-3f, " .001"},
      {1234567.0f, " 1234567"},
      {12345678.0f, " 1.234568E+07"},
      {100.0f, " 100"},
      {1.0f / 3.0f, " .3333333"},
      {-2.0f / 3.0f, "-.6666667"},
      {141.0f, " 141"},
      {1e-9f, " 1E-09"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(PfSTR244(c.value), c.text) << "value " << c.value;
  }
  EXPECT_EQ(PfSTR248(-2.3 + 1.5), "-.8");
}

// The grammar: blanks, a sign ("-" or "+"), digits, a point and digits,
// then an exponent ("E" or "e", a sign and digits); what follows is not
// read, nor is a sign or an "E" that nothing read follows.
TEST(NumberText, ValReadsTheNumberTheTextBeginsWith) {
  const TextCase cases[] = {
      {3.0f, "3"},        {-0.75f, "-.75"},     {0.5f, " .5"},    {12.0f, "12abc"}, {3.0f, "3/4"},
      {0.0f, ""},         {0.0f, "-"},          {0.0f, "."},      {0.0f, "abc"},    {2.5f, "2.5.3"},
      {1500.0f, "1.5E3"}, {1.0f, "1E"},         {-7.0f, "-7-"},   {60.0f, " 60"},   {4.0f, "+4"},
      {-300.0f, "-3E+2"}, {0.0125f, "1.25e-2"}, {2e5f, "2e5x"},   {1.0f, "1E+"},    {0.0f, " - 5"},
      {1.0f, "1 E2"},     {-42.0f, "   -42"},   {2.5f, "  +2.5"},
  };
  for (const TextCase& c : cases) {
    EXPECT_FLOAT_EQ(PfVAL(c.text), c.value) << "text '" << c.text << "'";
  }
}

TEST(NumberText, RoundTripsThroughText) {
  for (float v : {0.5f, -0.25f, 1234567.0f, 3.14159f, -0.001f, 99.5f}) {
    EXPECT_FLOAT_EQ(PfVAL(PfSTR244(v)), v);
  }
}

}  // namespace
