// Key storms: a program run headless on a long random key script, in runs
// of a share of the script each, until the script is used up. First the
// program's items are read from its submenus; a reading that stops short
// (the error screen, a crash, a hang, a topic without a submenu) fails the
// storm, saying at which topic and why, with the keys that got there as a
// player command and the command that repeats the storm. A run starts
// at the main menu or inside one of the program's items (walked to by its
// topic's and its own number), the starts taken in a shuffled round so that
// every item is entered once in every round; a run ends with its share of
// the keys or earlier through the program's end item. A storm fails when a
// run crashes, hangs (asks for no key within the bound), reaches the error
// screen or does not find its item's submenu on the screen when it types the
// item's number, or when a storm long enough for a whole round entered fewer
// than all items. For a failing run it prints what the run typed (its walk,
// or as much of it as it took, and which of the storm's keys), those keys as
// a player command that replays the run, and the command that repeats the
// storm. It ends with "entered N of M items".
//
//   storm PROGRAM [--seed N] [--keys COUNT] [--bound SECONDS]
//
// The same seed gives the same keys and the same clock, so a storm is
// repeatable; STORM_SEED in the environment overrides the seed given.
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "errors.h"
#include "headless.h"
#include "key_script.h"
#include "program.h"
#include "program_items.h"
#include "programs.h"
#include "storm_report.h"

namespace {

// The keys a storm types, with their weights. Digits and Enter come most
// often, so that menus and next-step prompts are answered and the storm gets
// deep into the lessons; the rest probe what the pages must ignore.
struct WeightedKey {
  const char* token;
  int weight;
};
const std::vector<WeightedKey>& StormKeys() {
  static const std::vector<WeightedKey> keys = [] {
    std::vector<WeightedKey> k;
    static const char* digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const char* d : digits) k.push_back({d, 4});
    k.push_back({"1", 4});  // the next-step prompts go on at 1
    k.push_back({"Enter", 26});
    for (const char* t : {"Left", "Right"}) k.push_back({t, 4});
    for (const char* t : {"Up", "Down"}) k.push_back({t, 2});
    for (const char* t : {"Escape", "Tab"}) k.push_back({t, 1});
    k.push_back({"Backspace", 2});
    k.push_back({"Delete", 1});
    k.push_back({"Space", 2});
    for (const char* t : {"-", ".", "/"}) k.push_back({t, 2});
    static const char* letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                    "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                    "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (const char* l : letters) k.push_back({l, 1});
    return k;
  }();
  return keys;
}

std::vector<std::string> StormTokens(std::mt19937_64& rng, int count) {
  int total = 0;
  for (const WeightedKey& k : StormKeys()) total += k.weight;
  std::vector<std::string> tokens;
  tokens.reserve(count);
  for (int i = 0; i < count; ++i) {
    int pick = static_cast<int>(rng() % static_cast<unsigned>(total));
    for (const WeightedKey& k : StormKeys()) {
      if (pick < k.weight) {
        tokens.push_back(k.token);
        break;
      }
      pick -= k.weight;
    }
  }
  return tokens;
}

std::string Join(const std::vector<std::string>& tokens, size_t from, size_t to) {
  std::string s;
  for (size_t i = from; i < to && i < tokens.size(); ++i) {
    if (!s.empty()) s += ' ';
    s += tokens[i];
  }
  return s;
}

// Keys handed out by the child, seen by the parent while it waits; while
// the child reads the items, also where it is (read by the parent once the
// child is gone).
struct Progress {
  std::atomic<int> keys_used;
  int topic;
  char keys[4096];
};

// Where a run starts: the main menu, or the item it walks to first.
struct Start {
  const ItemPlace* item = nullptr;       // nullptr: the main menu
  size_t topic_keys = 0;                 // keys that open the item's topic
  std::vector<std::string> walk;         // keys from the menu into the item
  std::vector<std::string> walk_tokens;  // the same keys as the player writes them
};

// A headless page whose key polls are counted where the parent can see them.
// On a run that starts inside an item it checks, before it types the item's
// number, that the item's submenu is on the screen.
class CountingBackend : public HeadlessBackend {
 public:
  CountingBackend(std::vector<std::string> keys, std::string clock, Progress* progress,
                  const Start& start)
      : HeadlessBackend(std::move(keys), std::move(clock)), progress_(progress), start_(start) {
    page().logging = start.item != nullptr;
  }
  std::string PollKey() override {
    const size_t polls = progress_->keys_used.load();
    if (start_.item && polls == start_.topic_keys) {
      for (const LoggedOp& op : page().log) {
        if (IsSubmenuPrint(op) && op.text == start_.item->submenu) submenu_seen_ = true;
      }
      page().logging = false;
      page().log.clear();
    }
    std::string key = HeadlessBackend::PollKey();
    progress_->keys_used.fetch_add(1);
    return key;
  }
  // Whether the item's submenu was on the screen when its number was typed.
  bool submenu_seen() const { return submenu_seen_; }

 private:
  Progress* progress_;
  const Start& start_;
  bool submenu_seen_ = false;
};

// How a run ended, as the child reports it through the pipe.
struct RunReport {
  enum Kind : int { kEnded, kUsedUp, kErrorScreen, kMissedItem } kind;
  int keys_used;
  bool entered;
  int status;
  unsigned error_line;
  int error_code;
  char error_file[200];  // relative to the top of the tree
};

// One run, in the child process: how it ended.
RunReport RunInChild(const ProgramDescription& program, std::vector<std::string> keys,
                     const std::string& clock, Progress* progress, const Start& start) {
  CountingBackend backend(std::move(keys), clock, progress, start);
  InstallBackend(&backend);
  RunReport report{};
  try {
    report.status = RunProgram(program);
    report.kind = RunReport::kEnded;
  } catch (const HeadlessStop&) {
    report.kind = backend.error_screen() ? RunReport::kErrorScreen : RunReport::kUsedUp;
    report.error_line = backend.error_line();
    report.error_code = backend.error_code();
    std::snprintf(report.error_file, sizeof report.error_file, "%s", backend.error_file().c_str());
  }
  report.keys_used = progress->keys_used.load();
  // The item is entered once its number and Enter were typed at its submenu.
  report.entered = backend.submenu_seen() && report.keys_used >= int(start.walk.size());
  if (start.item && !backend.submenu_seen() && report.kind != RunReport::kErrorScreen)
    report.kind = RunReport::kMissedItem;
  return report;
}

double Seconds() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// What a child said on its pipe, and why it failed ("" when it ended well).
struct ChildOutcome {
  std::string said;
  std::string failure;
};

// Reads what the child `child` writes on `fd` until it ends. A child that
// asks for no key within `bound_seconds` hangs: it is then killed. One that
// ends otherwise than with status 0 crashed.
ChildOutcome Watch(pid_t child, int fd, const Progress* progress, int bound_seconds) {
  ChildOutcome outcome;
  int last_keys = -1;
  double last_change = Seconds();
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 200) > 0) {
      char buffer[4096];
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n <= 0) break;
      outcome.said.append(buffer, size_t(n));
      continue;
    }
    const int now_keys = progress->keys_used.load();
    const double now = Seconds();
    if (now_keys != last_keys) {
      last_keys = now_keys;
      last_change = now;
    } else if (now - last_change > bound_seconds) {
      kill(child, SIGKILL);
      outcome.failure = "hang: no key asked for in " + std::to_string(bound_seconds) + " s";
      break;
    }
  }
  close(fd);
  int status = 0;
  waitpid(child, &status, 0);
  if (outcome.failure.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
    outcome.failure = WIFSIGNALED(status)
                          ? "crash: signal " + std::to_string(WTERMSIG(status))
                          : "crash: exit status " + std::to_string(WEXITSTATUS(status));
  }
  return outcome;
}

// Starts `body` in a child process that writes to a pipe, and watches it.
template <typename Body>
ChildOutcome RunWatched(Progress* progress, int bound_seconds, const Body& body) {
  progress->keys_used.store(0);
  int fds[2];
  if (pipe(fds) != 0) {
    std::perror("storm: pipe");
    std::exit(1);
  }
  std::fflush(nullptr);  // nothing buffered is written twice
  const pid_t child = fork();
  if (child < 0) {
    std::perror("storm: fork");
    std::exit(1);
  }
  if (child == 0) {
    close(fds[0]);
    const std::string said = body();
    const bool written = write(fds[1], said.data(), said.size()) == ssize_t(said.size());
    _exit(written ? 0 : 1);
  }
  close(fds[1]);
  return Watch(child, fds[0], progress, bound_seconds);
}

// The program's items, read in a child process of their own so that the
// storm's runs start from a program that has never run. A reading that stops
// short says where: the topic, and the keys that led there.
ItemReading ReadItemsApart(const ProgramDescription& program, const std::string& clock,
                           Progress* progress, int bound_seconds) {
  progress->topic = 0;
  progress->keys[0] = '\0';
  const ChildOutcome outcome = RunWatched(progress, bound_seconds, [&] {
    const ItemReading reading = ReadItems(program, clock, [&](int topic, const std::string& keys) {
      progress->topic = topic;
      std::snprintf(progress->keys, sizeof progress->keys, "%s", keys.c_str());
      progress->keys_used.fetch_add(1);
    });
    std::string said =
        reading.stopped + "\n" + std::to_string(reading.topic) + "\n" + reading.keys + "\n";
    for (const ItemPlace& p : reading.items) {
      said += std::to_string(p.topic) + " " + std::to_string(p.item) + " " + p.submenu + "\n";
    }
    return said;
  });
  ItemReading reading;
  if (!outcome.failure.empty()) {
    reading.stopped = outcome.failure;
    reading.topic = progress->topic;
    reading.keys = progress->keys;
    return reading;
  }
  std::vector<std::string> lines;
  for (size_t from = 0, to; (to = outcome.said.find('\n', from)) != std::string::npos;
       from = to + 1) {
    lines.push_back(outcome.said.substr(from, to - from));
  }
  if (lines.size() < 3) {
    reading.stopped = "the reading said nothing";
    return reading;
  }
  reading.stopped = lines[0];
  reading.topic = std::atoi(lines[1].c_str());
  reading.keys = lines[2];
  for (size_t i = 3; i < lines.size(); ++i) {
    ItemPlace p;
    const size_t a = lines[i].find(' '), b = lines[i].find(' ', a + 1);
    p.topic = std::atoi(lines[i].substr(0, a).c_str());
    p.item = std::atoi(lines[i].substr(a + 1, b - a - 1).c_str());
    p.submenu = lines[i].substr(b + 1);
    reading.items.push_back(p);
  }
  return reading;
}

struct Options {
  std::string program;
  unsigned long long seed = 1;
  int keys = 3000;
  int bound_seconds = 20;
};

int Usage() {
  std::fprintf(stderr, "usage: storm PROGRAM [--seed N] [--keys COUNT] [--bound SECONDS]\n");
  return 2;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  if (argc < 2) return false;
  o.program = argv[1];
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string opt = argv[i];
    char* end = nullptr;
    unsigned long long v = std::strtoull(argv[i + 1], &end, 10);
    if (*end != '\0' || end == argv[i + 1]) return false;
    if (opt == "--seed") {
      o.seed = v;
    } else if (opt == "--keys" && v > 0 && v <= 1000000) {
      o.keys = static_cast<int>(v);
    } else if (opt == "--bound" && v > 0 && v <= 3600) {
      o.bound_seconds = static_cast<int>(v);
    } else {
      return false;
    }
  }
  if (argc % 2 != 0) return false;
  if (const char* env = std::getenv("STORM_SEED")) o.seed = std::strtoull(env, nullptr, 10);
  return true;
}

}  // namespace

// Keys a run gets at least, whatever the storm's length: enough to get
// somewhere inside an item.
constexpr int kLeastRunKeys = 100;

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) return Usage();
  const ProgramDescription* program = FindProgram(o.program);
  if (!program) return Usage();

  std::mt19937_64 rng(o.seed);
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", int(rng() % 24), int(rng() % 60),
                int(rng() % 60));
  const std::vector<std::string> tokens = StormTokens(rng, o.keys);
  const std::vector<std::string> keys = ParseKeyScript(Join(tokens, 0, tokens.size()));
  std::printf("storm %s: seed %llu, clock %s, %d keys\n", o.program.c_str(), o.seed, clock, o.keys);
  std::fflush(stdout);

  auto* progress = static_cast<Progress*>(
      mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  if (progress == MAP_FAILED) {
    std::perror("storm: mmap");
    return 1;
  }
  // How a failure is repeated: the keys that met it, and the whole storm.
  auto say_how_to_repeat = [&](const std::string& replay) {
    std::printf("replay: %s %s '%s' out.png --time %s\n", PLAYER_PATH, o.program.c_str(),
                replay.c_str(), clock);
    std::printf("storm again: STORM_SEED=%llu %s %s --keys %d\n", o.seed, argv[0],
                o.program.c_str(), o.keys);
  };

  const ItemReading reading = ReadItemsApart(*program, clock, progress, o.bound_seconds);
  if (!reading.stopped.empty()) {
    std::printf("FAILED reading the items from the submenus, %s: %s\n",
                ReadingPlace(TopicNumbers(*program), reading.topic).c_str(),
                reading.stopped.c_str());
    say_how_to_repeat(reading.keys);
    return 1;
  }
  const std::vector<ItemPlace>& items = reading.items;
  // The starts of one round: the main menu and every item.
  std::vector<Start> starts(items.size() + 1);
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string topic = NumberKeys(items[i].topic);
    starts[i].item = &items[i];
    starts[i].topic_keys = ParseKeyScript(topic).size();
    const std::string walk = KeysTo(items[i]);
    starts[i].walk = ParseKeyScript(walk);
    for (size_t from = 0; from < walk.size();) {
      const size_t to = std::min(walk.find(' ', from), walk.size());
      starts[i].walk_tokens.push_back(walk.substr(from, to - from));
      from = to + 1;
    }
  }
  // Each run gets a share of the keys such that a whole round fits.
  const int run_keys_most = std::max(kLeastRunKeys, o.keys / static_cast<int>(starts.size()));
  const bool whole_round = o.keys >= run_keys_most * static_cast<int>(starts.size());
  std::vector<size_t> order;

  std::vector<bool> entered(items.size(), false);
  size_t used = 0;
  int runs = 0;
  while (used < keys.size()) {
    ++runs;
    if (order.empty()) {
      for (size_t i = 0; i < starts.size(); ++i) order.push_back(i);
      std::shuffle(order.begin(), order.end(), rng);
    }
    const Start& start = starts[order.back()];
    order.pop_back();
    const size_t share = std::min(keys.size() - used, size_t(run_keys_most));
    std::vector<std::string> run_keys = start.walk;
    run_keys.insert(run_keys.end(), keys.begin() + used, keys.begin() + used + share);

    // A run that asks for no key within the bound hangs.
    const ChildOutcome outcome = RunWatched(progress, o.bound_seconds, [&] {
      const RunReport report = RunInChild(*program, std::move(run_keys), clock, progress, start);
      return std::string(reinterpret_cast<const char*>(&report), sizeof report);
    });
    RunReport report{};
    const bool got_report = outcome.failure.empty() && outcome.said.size() == sizeof report;
    if (got_report) std::memcpy(&report, outcome.said.data(), sizeof report);
    std::string failure = outcome.failure;
    if (failure.empty() && !got_report) failure = "crash: no report of the run";
    if (failure.empty() && report.kind == RunReport::kErrorScreen) {
      failure = ErrorScreenReport(report.error_line, report.error_code, report.error_file);
    }
    if (failure.empty() && report.kind == RunReport::kMissedItem) {
      failure = "the submenu of item " + KeysTo(*start.item) + " was not on the screen";
    }
    const int run_keys_used = got_report ? report.keys_used : progress->keys_used.load();
    // The storm's own keys this run took, the walk into its item left out.
    const int storm_keys = std::max(0, run_keys_used - static_cast<int>(start.walk.size()));
    if (!failure.empty()) {
      // The keys the run typed, and no more: a run stopped during its walk
      // typed only part of it.
      const size_t walk_typed = std::min(size_t(run_keys_used), start.walk.size());
      std::string replay = Join(start.walk_tokens, 0, walk_typed);
      if (storm_keys > 0) {
        replay += (replay.empty() ? "" : " ") + Join(tokens, used, used + storm_keys);
      }
      std::printf(
          "FAILED run %d (%s): %s\n", runs,
          TypedKeys(start.item, walk_typed, start.walk.size(), used + 1, storm_keys).c_str(),
          failure.c_str());
      say_how_to_repeat(replay);
      return 1;
    }
    if (start.item && report.entered) entered[start.item - items.data()] = true;
    // A run that ends as soon as it starts would loop for ever on no keys.
    used += std::max(storm_keys, 1);
  }
  const long entered_count = std::count(entered.begin(), entered.end(), true);
  std::printf("storm %s: %d runs, no crash, no hang, no error screen; entered %ld of %zu items\n",
              o.program.c_str(), runs, entered_count, items.size());
  if (whole_round && entered_count < long(items.size())) {
    std::printf("FAILED: a storm of %d keys must enter every item\n", o.keys);
    return 1;
  }
  return 0;
}
