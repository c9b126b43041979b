// Reading the window benchmark's key files: the groups and how often each
// is done, measured keys and pauses, and the lines it cannot read.
#include "window_key_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(WindowKeyFile, ReadsGroupsNotesAndMeasuredKeys) {
  std::vector<KeyGroup> groups;
  std::string error;
  ASSERT_TRUE(
      ReadKeyGroups("# a note\n"
                    "\n"
                    "  each cycle: 3 answer=Return 250ms\n"
                    "once: 5 Return\n"
                    "20 times: arrow=Right arrow=Left\n",
                    6, &groups, &error))
      << error;
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].times, 6);
  ASSERT_EQ(groups[0].steps.size(), 3u);
  EXPECT_EQ(groups[0].steps[0].key, "3");
  EXPECT_EQ(groups[0].steps[0].label, "");
  EXPECT_EQ(groups[0].steps[1].key, "Return");
  EXPECT_EQ(groups[0].steps[1].label, "answer");
  EXPECT_EQ(groups[0].steps[2].key, "");
  EXPECT_EQ(groups[0].steps[2].pause_ms, 250);
  EXPECT_EQ(groups[1].times, 1);
  EXPECT_EQ(groups[2].times, 20);
  EXPECT_EQ(groups[2].steps[1].label, "arrow");
}

TEST(WindowKeyFile, SaysWhichLineItCannotRead) {
  const struct {
    const char* text;
    const char* error;
  } kCases[] = {
      {"once: 1\n3: 5 Return\n",
       "line 2: a group starts with \"once:\", \"each cycle:\" or "
       "\"N times:\""},
      {"CYCLES: 3 answer=Return\n",
       "line 1: a group starts with \"once:\", \"each cycle:\" or "
       "\"N times:\""},
      {"-2 times: Return\n",
       "line 1: a group starts with \"once:\", \"each cycle:\" or "
       "\"N times:\""},
      {"99999999999 times: Return\n",
       "line 1: a group starts with \"once:\", \"each cycle:\" or "
       "\"N times:\""},
      {"once:\n", "line 1: a group without keys"},
      {"once: =Return\n", "line 1: a measured key is LABEL=KEY (\"=Return\")"},
      {"once: goal=\n", "line 1: a measured key is LABEL=KEY (\"goal=\")"},
      {"# note\nonce: wait=500ms\n", "line 2: a pause is not measured (\"wait=500ms\")"},
  };
  for (const auto& c : kCases) {
    std::vector<KeyGroup> groups;
    std::string error;
    EXPECT_FALSE(ReadKeyGroups(c.text, 8, &groups, &error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(WindowKeyFile, AFileThatCannotBeReadIsAnError) {
  std::vector<KeyGroup> groups;
  std::string error;
  EXPECT_FALSE(ReadKeyFile("/nonexistent/window_keys/none", 8, &groups, &error));
  EXPECT_EQ(error, "cannot read /nonexistent/window_keys/none");
}

}  // namespace
