#include "lesson_walker.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <memory>
#include <optional>

#include "backend.h"
#include "errors.h"
#include "globals.h"
#include "key_script.h"
#include "program_items.h"
#include "string_ops.h"

namespace {

class WalkingLearner : public Backend {
 public:
  WalkingLearner(const ProgramDescription& program, std::string clock, WalkResult& result)
      : program_(program),
        topics_(TopicNumbers(program)),
        clock_(std::move(clock)),
        result_(result) {
    page_ = std::make_unique<Page>(1.0);
    page_->logging = true;
  }

  std::string PollKey() override {
    if (keys_.empty()) Decide();
    if (++result_.keys > kMostKeys) Stuck("more than " + std::to_string(kMostKeys) + " keys");
    std::string key = keys_.front();
    keys_.pop_front();
    Record(key);
    return key;
  }
  std::string Clock() override { return clock_; }
  [[noreturn]] void WaitUntilClosed(const RuntimeError&) override {
    result_.error_screen = true;
    throw HeadlessStop();
  }

 private:
  static constexpr int kMostKeys = 20000;

  [[noreturn]] void Stuck(const std::string& why) {
    result_.stuck = why;
    throw HeadlessStop();
  }

  // The key as a token of the player's key script.
  void Record(const std::string& key) {
    if (!result_.script.empty()) result_.script += ' ';
    result_.script += KeyScriptToken(key);
  }

  void Type(const std::string& keys) {
    for (char c : keys) keys_.push_back(std::string(1, c));
  }

  // The last prompt printed since the previous decision (a copy: the log
  // may be cleared below), and whether the answer field opened after it:
  // then the prompt asks for a number.
  struct Prompt {
    LoggedOp op;
    bool asks_number = false;
  };
  std::optional<Prompt> LastPrompt() {
    std::optional<Prompt> last;
    auto& log = page_->log;
    for (size_t i = seen_; i < log.size(); ++i) {
      const LoggedOp& op = log[i];
      if (op.name != "print" || op.face != "DrawPlainText" || op.text.empty()) continue;
      if (op.text == kFieldLabel) {  // the answer field's own label
        if (last) last->asks_number = true;
        continue;
      }
      last = Prompt{op};
    }
    seen_ = log.size();
    // Keep the log small: the walk only reads what came since the last key.
    if (log.size() > 100000) {
      log.clear();
      seen_ = 0;
    }
    return last;
  }

  const std::string kFieldLabel = ToUtf8("入力");

  void Decide() {
    const std::optional<Prompt> prompt = LastPrompt();
    if (!prompt) {
      // The same wait goes on (a refused Enter redraws nothing new).
      if (notice_tries_ > 0) return Sweep();
      Stuck("no prompt on the screen");
    }
    const std::string& text = prompt->op.text;
    const float x = prompt->op.nums[0], y = prompt->op.nums[1];
    const bool question = prompt->asks_number && !IsSubmenuPrint(prompt->op) &&
                          text != ToUtf8("番号を入力して下さい。") &&
                          text != ToUtf8("次のステップは１を入力。");
    if (!question) question_ = "";
    if (text == ToUtf8("番号を入力して下さい。")) return MainMenuChoice();
    if (text == ToUtf8("何かキーを押して下さい。")) return Type(" ");
    if (text == ToUtf8("次のステップは１を入力。")) return Type("1\r");
    if (question) return Answer(text);
    if (prompt->asks_number) return SubmenuChoice(text);
    if (x == 48 && y == 666) {
      // A number-line notice: the same one again means Enter was refused.
      if (text != notice_) {
        notice_ = text;
        notice_tries_ = 0;
      }
      return Sweep();
    }
    Stuck("unknown prompt: " + text);
  }

  // A question that the answer field takes a number for (on the bottom line
  // or beside the field): 7 first; the same question asked again at once
  // means the number was refused, and the next of 1, 2, 3, ... is typed.
  void Answer(const std::string& question) {
    notice_tries_ = 0;
    static const char* const kNumbers[] = {"7", "1", "2", "3", "4", "5", "6", "8", "9", "10", "0"};
    if (question != question_) {
      question_ = question;
      answer_tries_ = 0;
    }
    if (answer_tries_ == std::size(kNumbers)) Stuck("a question that took no number: " + question);
    Type(std::string(kNumbers[answer_tries_++]) + "\r");
  }

  // Enter where the marker stands; if it is refused, one step right and
  // Enter again, up to the end of the line, then the same to the left.
  void Sweep() {
    int t = notice_tries_++;
    if (t > 200) Stuck("no point on the line was accepted: " + notice_);
    if (t % 2 == 0) return Type("\r");
    int step = t / 2;
    Type(step < 30 ? std::string(1, char(28)) : std::string(1, char(29)));
  }

  void MainMenuChoice() {
    notice_tries_ = 0;
    if (next_topic_ < topics_.size()) {
      ++result_.topics_opened;
      return Type(std::to_string(topics_[next_topic_++]) + "\r");
    }
    Type(std::to_string(program_.items.size()) + "\r");
  }

  void SubmenuChoice(const std::string& line) {
    notice_tries_ = 0;
    const int n = CountChoices(line);
    if (n < 2) Stuck("a submenu with no item before its end: " + line);
    int& opened = result_.items_opened[line];
    if (opened < n - 1) {
      ++opened;
      return Type(std::to_string(opened) + "\r");
    }
    Type(std::to_string(n) + "\r");
  }

  const ProgramDescription& program_;
  const std::vector<int> topics_;
  std::string clock_;
  WalkResult& result_;
  std::deque<std::string> keys_;
  size_t seen_ = 0;
  size_t next_topic_ = 0;
  std::string notice_;
  int notice_tries_ = 0;
  std::string question_;  // the question answered last, "" after any other prompt
  size_t answer_tries_ = 0;
};

}  // namespace

WalkResult WalkProgram(const ProgramDescription& program, const std::string& clock) {
  WalkResult result;
  WalkingLearner learner(program, clock, result);
  InstallBackend(&learner);
  try {
    result.status = RunProgram(program);
  } catch (const HeadlessStop&) {
  }
  InstallBackend(nullptr);
  return result;
}
