#include "program_items.h"

#include <algorithm>
#include <optional>

#include "errors.h"
#include "headless.h"
#include "key_script.h"
#include "string_ops.h"

std::vector<int> TopicNumbers(const ProgramDescription& program) {
  std::vector<int> topics;
  const int end_item = static_cast<int>(program.items.size());
  for (int k = 1; k < end_item; ++k) {
    const bool empty =
        k - 1 < static_cast<int>(program.dispatch.size()) && program.dispatch[k - 1] == nullptr;
    if (!empty) topics.push_back(k);
  }
  return topics;
}

namespace {

// Whether the three bytes at `i` of a UTF-8 text are a circled number, ① to
// ⑳ (E2 91 A0 to E2 91 B3); its number, 0 when they are none.
int CircledNumberAt(const std::string& utf8, size_t i) {
  if (i + 2 >= utf8.size()) return 0;
  const unsigned char a = utf8[i], b = utf8[i + 1], c = utf8[i + 2];
  return a == 0xE2 && b == 0x91 && c >= 0xA0 && c <= 0xB3 ? c - 0xA0 + 1 : 0;
}

}  // namespace

bool IsSubmenuText(const std::string& utf8) {
  static const std::string kEnd = ToUtf8("終了");
  return utf8.size() >= kEnd.size() + 3 &&
         utf8.compare(utf8.size() - kEnd.size(), kEnd.size(), kEnd) == 0 &&
         CircledNumberAt(utf8, utf8.size() - kEnd.size() - 3) > 0;
}

bool IsSubmenuPrint(const LoggedOp& op) {
  return op.name == "print" && op.face == "DrawPlainText" && op.nums.size() >= 2 &&
         op.nums[0] == 16 && op.nums[1] == 666 && IsSubmenuText(op.text);
}

int CountChoices(const std::string& utf8) {
  int n = 0;
  for (size_t i = 0; i + 2 < utf8.size(); ++i) n = std::max(n, CircledNumberAt(utf8, i));
  return n;
}

std::string DigitKeys(int number) {
  std::string keys;
  for (char digit : std::to_string(number)) keys += std::string(1, digit) + " ";
  return keys;
}

std::string NumberKeys(int number) {
  return DigitKeys(number) + "Enter";
}

std::string KeysTo(const ItemPlace& place) {
  return NumberKeys(place.topic) + " " + NumberKeys(place.item);
}

namespace {

// Opens each topic in turn, reads its submenu line and leaves it by its end
// item; stops once every topic has been read, or at a topic that shows no
// submenu (saying so in `stopped`).
class SubmenuReader : public HeadlessBackend {
 public:
  SubmenuReader(std::vector<int> topics, const std::string& clock,
                const std::function<void(int, const std::string&)>& on_key)
      : HeadlessBackend({}, clock), topics_(std::move(topics)), on_key_(on_key) {}

  std::string PollKey() override {
    if (keys_left() == 0) Decide();
    if (on_key_) on_key_(topic(), typed);
    return HeadlessBackend::PollKey();
  }

  // The topic being read (0: none yet).
  int topic() const { return next_ > 0 ? topics_[next_ - 1] : 0; }

  std::vector<ItemPlace> items;
  bool complete = false;
  std::string stopped;
  std::string typed;  // the keys of the topics opened and left so far, key-script notation

 private:
  void Decide() {
    std::optional<std::string> line;
    for (size_t i = seen_; i < page().log.size(); ++i) {
      if (IsSubmenuPrint(page().log[i])) line = page().log[i].text;
    }
    seen_ = page().log.size();
    if (next_ > 0) {
      const int choices = line ? CountChoices(*line) : 0;
      if (choices < 2) {
        stopped = "no submenu showed";
        throw HeadlessStop();
      }
      for (int item = 1; item < choices; ++item) items.push_back({topic(), item, *line});
      Type(NumberKeys(choices));
    }
    if (next_ == topics_.size()) {
      complete = true;
      throw HeadlessStop();
    }
    ++next_;
    Type(NumberKeys(topic()));
  }
  void Type(const std::string& keys) {
    AddKeys(ParseKeyScript(keys));
    typed += (typed.empty() ? "" : " ") + keys;
  }

  std::vector<int> topics_;
  std::function<void(int, const std::string&)> on_key_;
  size_t next_ = 0;
  size_t seen_ = 0;
};

}  // namespace

ItemReading ReadItems(const ProgramDescription& program, const std::string& clock,
                      const std::function<void(int topic, const std::string& keys)>& on_key) {
  SubmenuReader reader(TopicNumbers(program), clock, on_key);
  InstallBackend(&reader);
  ItemReading reading;
  try {
    const int status = RunProgram(program);
    reading.stopped = "the program ended (status " + std::to_string(status) + ")";
  } catch (const HeadlessStop&) {
    if (reader.error_screen()) reading.stopped = reader.ErrorReport();
    if (!reader.complete && reading.stopped.empty()) reading.stopped = reader.stopped;
  }
  if (!reader.complete && reading.stopped.empty()) reading.stopped = "the reading stopped";
  InstallBackend(nullptr);
  reading.items = std::move(reader.items);
  reading.topic = reader.topic();
  reading.keys = reader.typed;
  return reading;
}

std::vector<ItemPlace> ListItems(const ProgramDescription& program) {
  ItemReading reading = ReadItems(program);
  return reading.stopped.empty() ? reading.items : std::vector<ItemPlace>{};
}
