#include "sign_rule_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

std::vector<std::vector<float>> g_corners;
void KeepCorner(int number, float x, float y) {
  g_corners.push_back({static_cast<float>(number), x, y});
}

class SignRuleTableTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    g_corners.clear();
  }
};

// A row label spanning two rows and two rows of one answer cell each, the
// answers given in the order opposite to the cells.
const std::vector<RuleCell> kCells = {
    {"同符号", 44, 180, 132, 120, 13, 0},
    {"", 176, 180, 176, 60, 13},
    {"", 176, 240, 176, 60, 11},
};
const std::vector<RuleAnswer> kAnswers = {{2, "-"}, {1, "+"}};

TEST_F(SignRuleTableTest, CellsFirstThenOneAnswerPerKeyInItsOwnCell) {
  Keys("a b");
  SignRuleTable(kCells, kAnswers, KeepCorner);
  EXPECT_EQ(KeyWaits(), 2);  // none after the last answer
  std::vector<std::vector<double>> cells;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[5] == 11 || op.nums[5] == 13) {
      cells.push_back({op.nums[0], op.nums[1], op.nums[2], op.nums[3], op.nums[4], op.nums[5]});
    }
  }
  const std::vector<std::vector<double>> want = {{44, 180, 176, 300, 3, 13},
                                                 {176, 180, 352, 240, 3, 13},
                                                 {176, 240, 352, 300, 3, 11},
                                                 {176, 240, 352, 300, 3, 11},
                                                 {176, 180, 352, 240, 3, 13}};
  EXPECT_EQ(cells, want);
  std::vector<std::string> texts;
  for (const LoggedOp& op : PagePrints()) {
    if (op.face == "PrintMarkup" && !op.text.empty())
      texts.push_back(op.text + " " + std::to_string(int(op.nums[2])));
  }
  const std::vector<std::string> want_texts = {Utf8("同符号") + " 0", "- 5", "+ 5"};
  EXPECT_EQ(texts, want_texts);
  const std::vector<std::vector<float>> corners = {{2, 176, 180}, {1, 176, 240}};
  EXPECT_EQ(g_corners, corners);
}

TEST_F(SignRuleTableTest, TheTableIsWholeBeforeTheFirstKey) {
  EXPECT_THROW(SignRuleTable(kCells, kAnswers), HeadlessStop);
  EXPECT_EQ(Ops("box").size(), 3u + 1u);  // the cells, then the key box
  EXPECT_TRUE(g_corners.empty());
}

}  // namespace
