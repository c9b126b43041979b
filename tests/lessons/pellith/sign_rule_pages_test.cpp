// The sign rule tables of products and quotients: the empty table, the
// eight answers one per key in their own cells, the corners kept, and the
// pen width the pages leave behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "division_pages.h"
#include "headless_fixture.h"
#include "multiplication_pages.h"
#include "page_reader.h"
#include "shell.h"

namespace {

class SignRulePagesTest : public StartedPageTest {};

TEST_F(SignRulePagesTest, TablesFillTheirAnswerCellsOnePerKey) {
  struct Case {
    const char* name;
    Routine page;
    int keys;
    float top;          // of the header row
    std::string value;  // every absolute-value answer
  };
  const Case cases[] = {
      {"products", pellith::ProductSignRulePage, 8, 120, "2*3=6"},
      {"quotients", pellith::QuotientSignRulesPage, 13, 90, "6/3=2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearLog();
    FE_SETDRAWWIDTH(3);
    Keys(Repeat("a", c.keys));
    c.page();
    EXPECT_EQ(KeyWaits(), c.keys);
    // The table's cells, 18 empty or with their texts, then the 8 answers.
    std::vector<LoggedOp> cells;
    for (const LoggedOp& op : Ops("box")) {
      if (op.nums[4] == 3) cells.push_back(op);
    }
    ASSERT_EQ(cells.size(), 26u);
    const float rows[] = {c.top + 60,  c.top + 60,  c.top + 120, c.top + 120,
                          c.top + 180, c.top + 180, c.top + 240, c.top + 240};
    for (int k = 0; k < 8; ++k) {
      const LoggedOp& answer = cells[18 + k];
      const double x = k % 2 == 0 ? 484 : 660;
      EXPECT_EQ(answer.nums[0], x);
      EXPECT_EQ(answer.nums[1], rows[k]);
      EXPECT_EQ(answer.nums[2], x + (k % 2 == 0 ? 176 : 220));
      EXPECT_EQ(answer.nums[5], k < 4 ? 13 : 11);  // the row's own fill
      EXPECT_EQ(answer.nums[7], 5);                // drawn 5 wide
      // The corners kept while the empty table was drawn.
      if (c.page == pellith::ProductSignRulePage) {
        EXPECT_EQ(X_a(k + 1), x);
        EXPECT_EQ(Y_a(k + 1), rows[k]);
      }
    }
    std::vector<std::string> answers;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "PrintMarkup" && op.nums[2] == 5 && op.nums[0] >= 484 && op.nums[1] < 420) {
        answers.push_back(op.text);
      }
    }
    const std::string v = Utf8(c.value);
    EXPECT_EQ(answers, (std::vector<std::string>{"+", v, "+", v, "-", v, "-", v}));
    // The width stays for the pages after.
    EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  }
}

}  // namespace
