#include <gtest/gtest.h>

#include "globals.h"
#include "headless_fixture.h"
#include "key_script.h"
#include "shell.h"

namespace {

class PromptBoxesTest : public StartedPageTest {
 protected:
  // Boxes as "x1 y1 x2 y2 colour fill", in order.
  std::vector<std::vector<double>> Boxes() {
    std::vector<std::vector<double>> out;
    for (const LoggedOp& op : Ops("box")) out.push_back({op.nums.begin(), op.nums.begin() + 6});
    return out;
  }
  // The pen width each box was drawn with.
  std::vector<double> BoxWidths() {
    std::vector<double> out;
    for (const LoggedOp& op : Ops("box")) out.push_back(op.nums[7]);
    return out;
  }
  const LoggedOp* FirstText(const std::string& sjis) {
    for (const LoggedOp& op : Log()) {
      if (op.name == "text" && op.text == Utf8(sjis)) return &op;
    }
    return nullptr;
  }
};

using Box = std::vector<double>;

TEST_F(PromptBoxesTest, WaitAnyKeyKeepsColourAndPenAndLeavesItsAreaBlank) {
  CCC1 = 7;
  FE_SETDRAWWIDTH(1);
  Keys("Q");
  WaitAnyKey();
  EXPECT_EQ(I_s, "Q");
  EXPECT_EQ(CCC1, 7);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 1);
  EXPECT_EQ(AA_s, "");
  EXPECT_EQ(X, 320);
  EXPECT_EQ(Y, 666);
  EXPECT_EQ(Boxes(), (std::vector<Box>{{96, 657, 400, 693, 13, 4}, {0, 657, 400, 693, 15, 15}}));
  EXPECT_EQ(BoxWidths().front(), 3);
  const LoggedOp* first = FirstText("何");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->nums[0], 128);
  EXPECT_EQ(first->nums[1], 666);
  EXPECT_EQ(first->nums[4], 9);
}

TEST_F(PromptBoxesTest, NoticeBoxDrawsTheNoticeAndBlanksTheWholeStrip) {
  CCC1 = 0;
  FE_SETDRAWWIDTH(2);
  AA_s = "点を ←→で動かす。Enterキーで確定";
  Keys("Right");
  ShowNoticeWaitKey();
  EXPECT_EQ(I_s, std::string(1, char(28)));
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(AA_s, "");
  EXPECT_EQ(Y, 666);
  EXPECT_EQ(Boxes(), (std::vector<Box>{{16, 657, 496, 693, 13, 4}, {0, 657, 992, 720, 15, 15}}));
  EXPECT_EQ(BoxWidths().front(), 3);
  const LoggedOp* first = FirstText("点");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->nums[0], 48);
  EXPECT_EQ(first->nums[4], 9);
}

TEST_F(PromptBoxesTest, NextStepReadsTheNumberAndErasesBoxAndField) {
  const std::pair<const char*, float> cases[] = {{"1 Enter", 1}, {"Enter", 0}, {"2 / 2 Enter", 1}};
  for (auto [keys, value] : cases) {
    ClearLog();
    FE_SETDRAWWIDTH(3);
    Keys(keys);
    AskNextStep();
    EXPECT_EQ(AINP, value) << keys;
    EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
    std::vector<Box> boxes = Boxes();
    ASSERT_GE(boxes.size(), 3u);
    EXPECT_EQ(boxes.front(), (Box{96, 639, 400, 675, 13, 12}));
    EXPECT_EQ(BoxWidths().front(), 2);
    EXPECT_EQ(boxes[boxes.size() - 2], (Box{1008, 639, 1168, 666, 15, 15}));
    EXPECT_EQ(boxes.back(), (Box{96, 639, 400, 675, 15, 15}));
    const LoggedOp* first = FirstText("次");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->nums[0], 128);
    EXPECT_EQ(first->nums[1], 648);
  }
}

TEST_F(PromptBoxesTest, MenuPromptEndsEightyLeftOfTheField) {
  AA_s = "①　を入力して下さい。";  // 11 characters: x 800 to 976
  Keys("4 Enter");
  AskMenuNumber();
  EXPECT_EQ(AINP, 4);
  const LoggedOp* first = FirstText("①");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->nums[0], 800);
  EXPECT_EQ(first->nums[1], 648);
  EXPECT_EQ(first->nums[4], 5);
  EXPECT_EQ(FirstText("。")->nums[0], 960);
  // With no prompt it only reads the number.
  ClearLog();
  Keys("Enter");
  AskMenuNumber();
  EXPECT_EQ(AINP, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{Utf8("入"), Utf8("力")}));
  ClearLog();
  ClearPromptArea();
  EXPECT_EQ(Boxes(), (std::vector<Box>{{416, 640, 1472, 690, 15, 15}}));
}

TEST_F(PromptBoxesTest, BottomLinePromptStaysUntilTheLineIsCleared) {
  AA_s = "①温度計　②終了";
  Keys("2 Enter");
  AskNumberAtBottom();
  EXPECT_EQ(AINP, 2);
  EXPECT_EQ(AA_s, "");
  const LoggedOp* first = FirstText("①");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->nums[0], 16);
  EXPECT_EQ(first->nums[1], 666);
  EXPECT_EQ(first->nums[4], 0);
  ClearLog();
  ClearBottomLine();
  EXPECT_EQ(Boxes(), (std::vector<Box>{{0, 657, 992, 720, 15, 15}}));
}

// The window backend's poll: "" once no key is waiting.
class QuietBackend : public HeadlessBackend {
 public:
  std::string PollKey() override {
    if (keys_left() == 0) return "";
    return HeadlessBackend::PollKey();
  }
};

TEST(KeyWaits, QuietWaitEmptiesTheKeyboardAndDrawsNothing) {
  QuietBackend backend;
  InstallBackend(&backend);
  backend.AddKeys(ParseKeyScript("1 2 Enter"));
  WaitKeyQuiet();
  EXPECT_EQ(backend.keys_left(), 0u);
  EXPECT_EQ(I_s, "");
  WaitKeyQuiet();
  EXPECT_EQ(I_s, "");
  EXPECT_TRUE(backend.page().log.empty());
  InstallBackend(nullptr);
}

}  // namespace
