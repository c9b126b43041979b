#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>

#include "globals.h"
#include "headless_fixture.h"
#include "key_script.h"
#include "program.h"
#include "shell.h"

namespace {

// A page's pixels, to compare whole pages.
struct Shot {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
};

Shot ShotOf(const Page& page) {
  Shot shot{page.pixel_width(), page.pixel_height(), {}};
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) shot.pixels.push_back(page.Pixel(x, y));
  }
  return shot;
}

// "" when the two pages are alike, else how many pixels differ and where.
std::string Differences(const Shot& a, const Shot& b) {
  if (a.width != b.width || a.height != b.height) return "pages of different sizes";
  int count = 0, x1 = a.width, y1 = a.height, x2 = -1, y2 = -1;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.pixels[size_t(y) * a.width + x] == b.pixels[size_t(y) * a.width + x]) continue;
      ++count;
      x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
    }
  }
  if (count == 0) return "";
  return std::to_string(count) + " pixels differ in x " + std::to_string(x1) + ".." +
         std::to_string(x2) + ", y " + std::to_string(y1) + ".." + std::to_string(y2);
}

// A page drawn at a window's scale, its keys handed out as given ("" is an
// empty poll, the window's blink tick); the run stops when they are used up.
class ScaledBackend : public Backend {
 public:
  ScaledBackend(double scale, const std::vector<std::string>& keys)
      : keys_(keys.begin(), keys.end()) {
    page_ = std::make_unique<Page>(scale);
  }
  std::string PollKey() override {
    if (keys_.empty()) throw HeadlessStop();
    std::string key = keys_.front();
    keys_.pop_front();
    return key;
  }
  std::string Clock() override { return "12:00:00"; }
  [[noreturn]] void WaitUntilClosed(const RuntimeError&) override { throw HeadlessStop(); }

 private:
  std::deque<std::string> keys_;
};

class AnswerFieldTest : public StartedPageTest {
 protected:
  // The echoed characters: text drawn in colour 5.
  std::vector<LoggedOp> Echoes() {
    std::vector<LoggedOp> out;
    for (const LoggedOp& op : Ops("text")) {
      if (op.nums[4] == 5) out.push_back(op);
    }
    return out;
  }
  std::string Typed(const std::string& keys) {
    Keys(keys);
    InputLine();
    ParseAnswer();
    return AINP_s;
  }
};

bool IsBox(const LoggedOp& op, std::vector<double> corners_colour_fill) {
  if (op.name != "box") return false;
  for (size_t i = 0; i < corners_colour_fill.size(); ++i) {
    if (op.nums[i] != corners_colour_fill[i]) return false;
  }
  return true;
}

TEST_F(AnswerFieldTest, OneAndEnterGiveOneAndTheFieldErasesItself) {
  EXPECT_EQ(Typed("1 Enter"), "1");
  EXPECT_EQ(AINP, 1);
  EXPECT_EQ(I_s, "\r");
  std::vector<LoggedOp> texts = Ops("text");
  ASSERT_EQ(texts.size(), 3u);
  // The label in colour 0 ends 16 left of the field.
  EXPECT_EQ(texts[0].text, Utf8("入"));
  EXPECT_EQ(texts[0].nums[0], 1008);
  EXPECT_EQ(texts[0].nums[1], 648);
  EXPECT_EQ(texts[0].nums[4], 0);
  EXPECT_EQ(texts[2].text, Utf8("１"));
  EXPECT_EQ(texts[2].nums[0], 1056);
  // The cursor: radius 4 at (XX + 8, YY + 8), drawn once where the field
  // starts and once after the digit; Enter erases it by filling its square.
  std::vector<LoggedOp> discs = Ops("disc");
  ASSERT_EQ(discs.size(), 2u);
  EXPECT_EQ(discs[0].nums, (std::vector<double>{1064, 656, 4, 5, 3}));
  EXPECT_EQ(discs[1].nums, (std::vector<double>{1080, 656, 4, 5, 3}));
  std::vector<LoggedOp> boxes = Ops("box");
  ASSERT_EQ(boxes.size(), 3u);  // the digit's cursor, the last one, the field
  EXPECT_TRUE(IsBox(boxes[1], {1076, 652, 1084, 660, 15, 15}));
  // Last of all, label, text and cursor go under one white box.
  EXPECT_TRUE(IsBox(Log().back(), {1008, 640, 1248, 670, 15, 15}));
}

// A disc is at least as wide as the pen: after a page that left a pen wider
// than the cursor, the cursor is drawn at a pen of its own width, and the
// page's pen is in force again afterwards.
TEST_F(AnswerFieldTest, TheCursorKeepsItsSizeAfterAWidePen) {
  for (int pen : {3, 8, 10, 12}) {
    SCOPED_TRACE(pen);
    ClearLog();
    FE_SETDRAWWIDTH(pen);
    Typed("1 Enter");
    std::vector<LoggedOp> discs = Ops("disc");
    ASSERT_GE(discs.size(), 2u);
    for (const LoggedOp& disc : discs) {
      EXPECT_EQ(disc.nums[2], 4);
      EXPECT_EQ(disc.nums[4], std::min(pen, 8));
    }
    EXPECT_EQ(FE_GETDRAWWIDTH(), pen);
  }
}

// The field waiting after `typed`, then `blinks` empty polls, then `more`,
// on a page of its own at `scale` with the pen at `pen`: the whole page, and
// the device pixels of the cursor's square.
struct Field {
  Shot page;
  int left, top, right, bottom;
};

Field FieldAfter(double scale, int pen, const std::string& typed, int blinks,
                 const std::string& more) {
  std::vector<std::string> keys = ParseKeyScript(typed);
  keys.insert(keys.end(), blinks, "");
  for (const std::string& key : ParseKeyScript(more)) keys.push_back(key);
  ScaledBackend backend(scale, keys);
  InstallBackend(&backend);
  StartUpState(ProgramDescription{});
  FE_SETDRAWWIDTH(pen);
  EXPECT_THROW(InputLine(), HeadlessStop);
  InstallBackend(nullptr);
  return {ShotOf(backend.page()), int(std::floor((XX + 4) * scale)),
          int(std::floor((YY + 4) * scale)), int(std::ceil((XX + 12) * scale)),
          int(std::ceil((YY + 12) * scale))};
}

// The cursor is drawn only where it is off and erased by filling its square
// with the page colour: a key the field ignores changes no pixel, a blink
// (an empty poll) takes the cursor away and nothing else, and the next blink
// brings back exactly the page there was, whatever stands in the field,
// whatever pen a page left and at the scales a window draws at.
TEST(AnswerFieldCursor, IgnoredKeysChangeNoPixelAndABlinkLeavesNone) {
  struct Case {
    const char* typed;
    int pen;
    double scale;
  };
  const Case cases[] = {
      {"", 3, 1},
      {"3", 3, 1},
      {"- 3 .", 3, 1},
      {"1 /", 12, 1},
      {"1 2 3 4 5 6 7 8 9", 10, 1},
      {"3 .", 3, 1.155},
      {"1", 12, 0.75},
  };
  const std::string ignored = "Right Left A Up Space";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.typed + "\" at pen " + std::to_string(c.pen) + ", scale " +
                 std::to_string(c.scale));
    const Field on = FieldAfter(c.scale, c.pen, c.typed, 0, "");
    EXPECT_EQ(Differences(FieldAfter(c.scale, c.pen, c.typed, 0, ignored).page, on.page), "");
    EXPECT_EQ(Differences(FieldAfter(c.scale, c.pen, c.typed, 2, ignored).page, on.page), "");
    // Off, the cursor's square is white and the rest as it was with it on.
    const Field off = FieldAfter(c.scale, c.pen, c.typed, 1, "");
    const Shot& was = on.page;
    const Shot& now = off.page;
    int inked = 0, whitened = 0, changed_outside = 0;
    for (int y = 0; y < was.height; ++y) {
      for (int x = 0; x < was.width; ++x) {
        const size_t at = size_t(y) * was.width + x;
        if (x >= on.left && x < on.right && y >= on.top && y < on.bottom) {
          inked += was.pixels[at] != 0xFFFFFFu;
          whitened += now.pixels[at] == 0xFFFFFFu;
        } else {
          changed_outside += now.pixels[at] != was.pixels[at];
        }
      }
    }
    EXPECT_GT(inked, 30 * c.scale * c.scale);  // the cursor stood there
    EXPECT_EQ(whitened, (on.right - on.left) * (on.bottom - on.top));
    EXPECT_EQ(changed_outside, 0);
  }
}

TEST_F(AnswerFieldTest, BackspaceClearsTheWholeEntry) {
  EXPECT_EQ(Typed("1 2 Backspace 3 Enter"), "3");
  EXPECT_EQ(AINP, 3);
  int clearing_boxes = 0;
  for (const LoggedOp& op : Ops("box")) clearing_boxes += IsBox(op, {1056, 640, 1248, 670, 15, 15});
  EXPECT_EQ(clearing_boxes, 1);
  // After the backspace the cursor and the next echo start at the field again.
  std::vector<LoggedOp> echoes = Echoes();
  ASSERT_EQ(echoes.size(), 3u);
  EXPECT_EQ(echoes[2].nums[0], 1056);
  EXPECT_EQ(Typed("5 Delete 6 Enter"), "6");
}

TEST_F(AnswerFieldTest, TenCharactersShowAndTheNextKeyClearsThem) {
  // Ten digits are echoed; Enter then clears the field instead of ending it.
  EXPECT_EQ(Typed("1 2 3 4 5 6 7 8 9 0 Enter 4 Enter"), "4");
  EXPECT_EQ(Echoes().size(), 11u);
  EXPECT_EQ(Echoes()[9].nums[0], 1056 + 9 * 16);
  ClearLog();
  EXPECT_EQ(Typed("1 2 3 4 5 6 7 8 9 Enter"), "123456789");
  EXPECT_EQ(AINP, 123456789.0f);
  // The eleventh key is swallowed by the clearing, whatever it is.
  EXPECT_EQ(Typed("1 2 3 4 5 6 7 8 9 0 7 8 Enter"), "8");
}

TEST_F(AnswerFieldTest, OnlyNumberCharactersAreTakenAndEchoedFullWidth) {
  EXPECT_EQ(Typed("A Space + Right 7 Left Enter"), "7");
  EXPECT_EQ(Echoes().size(), 1u);
  ClearLog();
  EXPECT_EQ(Typed("- 3 . 5 / 2 Enter"), "-3.5/2");
  EXPECT_EQ(AINP, -1.75f);
  std::vector<LoggedOp> echoes = Echoes();
  const std::pair<const char*, double> expected[] = {{"－", 1056}, {"３", 1072}, {"．", 1084},
                                                     {"５", 1088}, {"÷", 1104},  {"２", 1120}};
  ASSERT_EQ(echoes.size(), 6u);
  for (size_t i = 0; i < echoes.size(); ++i) {
    EXPECT_EQ(echoes[i].text, Utf8(expected[i].first)) << i;
    EXPECT_EQ(echoes[i].nums[0], expected[i].second) << i;
    EXPECT_EQ(echoes[i].nums[6], 1) << i;  // bold
  }
  EXPECT_EQ(CCC1, 5);
}

TEST_F(AnswerFieldTest, EnterAtOnceGivesTheEmptyEntry) {
  EXPECT_EQ(Typed("Enter"), "");
  EXPECT_EQ(AINP, 0);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(X, 1040);
  EXPECT_EQ(AA_s, "");
}

TEST_F(AnswerFieldTest, AnEntryIsWorthItsValueAndOneWithoutAQuotientIsWorthZero) {
  // A zero or empty denominator has no quotient: the entry is worth 0, which
  // no menu accepts, and never a NaN, an infinity or a runtime error.
  const std::pair<const char*, float> cases[] = {
      {"3/4", 0.75f}, {"-6/8", -0.75f}, {"-3/4", -0.75f}, {"3.5", 3.5f}, {"16/2", 8}, {"6/2", 3},
      {"", 0},        {"-", 0},         {".", 0},         {"3/0", 0},    {"3/", 0},   {"/", 0},
      {"0/0", 0},     {"-5/0", 0},      {"3/.", 0},       {"/4", 0},     {"007", 7},  {"2/2", 1},
  };
  for (auto [entry, value] : cases) {
    AINP_s = entry;
    ASSERT_NO_THROW(ParseAnswer()) << entry;
    EXPECT_TRUE(std::isfinite(AINP)) << entry;
    EXPECT_EQ(AINP, value) << entry;
  }
}

}  // namespace
