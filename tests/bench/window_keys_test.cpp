// The keys the window benchmark measures do what their labels say: every
// program's key file (bench/window_keys/), read as the benchmark reads it,
// is played headless, and each measured key must change the page above its
// prompts as its kind says: "goal" a topic's goal page, "menu" the main
// menu, "answer" an answer page put in place of what stood, "arrow" a step
// on a number line. A key that only draws its submenu and answer field
// again, or the same page over itself, measures nothing the benchmark's
// table names.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "headless.h"
#include "headless_fixture.h"
#include "program.h"
#include "program_cases.h"
#include "programs.h"
#include "window_key_file.h"
#include "x_key_names.h"

namespace {

// One key handed to the program (as the keyboard poll reports it), the X
// key name the key file gives it, and the label it is measured under.
struct Pressed {
  std::string key;
  std::string x_name;
  std::string label;
};

// Where the prompts begin: the submenu line, the answer field and the
// notices stand below it, the pages above.
constexpr int kPromptTop = 640;

// The headless backend that notes, at every poll, how far the operation log
// has come and, at the polls asked for, a digest of the pixels of the page
// above its prompts.
class KeyRecorder : public HeadlessBackend {
 public:
  std::string PollKey() override {
    const size_t poll = marks.size();
    marks.push_back(page().log.size());
    if (pictures_at.count(poll)) pictures[poll] = Digest();
    return HeadlessBackend::PollKey();
  }

  std::vector<size_t> marks;     // the log's length at each poll
  std::set<size_t> pictures_at;  // the polls whose picture is kept
  std::map<size_t, size_t> pictures;

 private:
  size_t Digest() {
    const PixelRows rows = page().Pixels();
    const int height = std::min(rows.height, static_cast<int>(kPromptTop * page().scale()));
    size_t digest = 0;
    for (int y = 0; y < height; ++y) {
      const std::string_view row(reinterpret_cast<const char*>(rows.data + y * rows.stride),
                                 rows.width * 4);
      digest = digest * 1000003 ^ std::hash<std::string_view>()(row);
    }
    return digest;
  }
};

bool Shows(const std::vector<LoggedOp>& ops, const std::string& sjis) {
  const std::string text = Utf8(sjis);
  for (const LoggedOp& op : ops) {
    if (op.name == "print" && op.text.find(text) != std::string::npos) return true;
  }
  return false;
}

bool ShowsGoalPage(const std::vector<LoggedOp>& ops) {
  return Shows(ops, "<めあて>");
}

// The main menu: its panel (fill 10) and the program's title on it.
bool ShowsMainMenu(const std::vector<LoggedOp>& ops, const std::string& title) {
  bool panel = false, titled = false;
  for (const LoggedOp& op : ops) {
    if (op.name == "box" && op.nums[5] == 10) panel = true;
    if (op.name == "print" && op.face == "PrintTitle" &&
        op.text.find(Utf8(title)) != std::string::npos) {
      titled = true;
    }
  }
  return panel && titled;
}

// A page of its own: the content area erased (at least from the top left to
// the submenu line), then text printed on it.
bool ShowsPage(const std::vector<LoggedOp>& ops) {
  bool erased = false;
  for (const LoggedOp& op : ops) {
    const std::vector<double>& n = op.nums;
    if (op.name == "box" && n[0] <= 0 && n[1] <= 0 && n[2] >= 1320 && n[3] >= 600 && n[4] == 15) {
      erased = true;
    }
    if (erased && op.name == "print" && n[1] < kPromptTop && !op.text.empty()) return true;
  }
  return false;
}

// What is wrong with the key measured under `label`, given the operations it
// caused and whether the picture changed; "" when nothing is.
std::string Fault(const std::string& label, const std::vector<LoggedOp>& ops, bool changed,
                  const std::string& title) {
  if (!changed) return "the page above the prompts stayed as it was";
  if (label == "goal") return ShowsGoalPage(ops) ? "" : "no goal page";
  if (label == "menu") return ShowsMainMenu(ops, title) ? "" : "no main menu";
  if (label == "answer") {
    if (ShowsGoalPage(ops) || ShowsMainMenu(ops, title)) return "a goal page or the main menu";
    return ShowsPage(ops) ? "" : "no page of its own";
  }
  if (label == "arrow") {
    // The number-line exercise asks for the next key again.
    return Shows(ops, "の移動, ENTERで次へ") ? "" : "no step on a number line";
  }
  return "a label the benchmark's table has no row for";
}

class WindowKeysTest : public ::testing::TestWithParam<ProgramEntry> {};

TEST_P(WindowKeysTest, EachMeasuredKeyChangesThePageAsItsLabelSays) {
  const ProgramEntry& entry = GetParam();
  const ProgramDescription& program = entry.program();
  std::vector<KeyGroup> groups;
  std::string error;
  ASSERT_TRUE(
      ReadKeyFile(std::string(WINDOW_KEYS_DIR) + "/" + entry.name, kDefaultCycles, &groups, &error))
      << error;
  std::vector<Pressed> pressed;
  for (const KeyGroup& group : groups) {
    for (int k = 0; k < group.times; ++k) {
      for (const KeyStep& step : group.steps) {
        if (step.key.empty()) continue;
        const std::string key = KeyOfXName(step.key);
        ASSERT_NE(key, "") << "\"" << step.key << "\" types no key of the program";
        pressed.push_back({key, step.key, step.label});
      }
    }
  }

  KeyRecorder backend;
  std::vector<std::string> keys;
  for (size_t k = 0; k < pressed.size(); ++k) {
    keys.push_back(pressed[k].key);
    if (!pressed[k].label.empty()) backend.pictures_at.insert({k, k + 1});
  }
  backend.AddKeys(keys);
  InstallBackend(&backend);
  try {
    RunProgram(program);
  } catch (const HeadlessStop&) {
  }
  InstallBackend(nullptr);
  // The keys end with the program waiting for one more.
  ASSERT_FALSE(backend.error_screen()) << backend.ErrorReport();
  ASSERT_TRUE(backend.script_used_up()) << "the program ended with keys left";
  ASSERT_EQ(backend.marks.size(), pressed.size() + 1);

  std::map<std::string, int> measured;
  const std::vector<LoggedOp>& log = backend.page().log;
  for (size_t k = 0; k < pressed.size(); ++k) {
    const std::string& label = pressed[k].label;
    if (label.empty()) continue;
    ++measured[label];
    const std::vector<LoggedOp> ops(log.begin() + backend.marks[k],
                                    log.begin() + backend.marks[k + 1]);
    const bool changed = backend.pictures.at(k) != backend.pictures.at(k + 1);
    const std::string fault = Fault(label, ops, changed, program.title);
    EXPECT_EQ(fault, "") << label << " key " << measured[label] << " (" << pressed[k].x_name
                         << ", key " << k + 1 << " of " << pressed.size() << ")";
  }
  // Every program's row of the table: a goal page, the main menu again and
  // an answer page.
  for (const char* kind : {"goal", "menu", "answer"}) {
    EXPECT_GT(measured[kind], 0) << "no " << kind << " key measured";
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, WindowKeysTest, ::testing::ValuesIn(AllPrograms()),
                         ProgramEntryName);

}  // namespace
