// The player held at each of its calls on files in turn while one of the
// names it was given changes under it: the folder of the picture, of the
// log or of the frames moved away, or replaced by another folder or by a
// link to one; the key file replaced as an editor saves it (the same bytes,
// a new file), removed, or a FIFO in its place; the picture given as a link
// that is pointed at another file. Whatever the moment, the run either ends
// well with the new files where the names lead at its end, or fails with
// every file as it was; a change made once the player has looked at the
// name for the last time comes after the run, which then ends well with the
// new files where the names led before the change.
//
// strace holds the player: a trace of one run lists its calls, and in each
// later run strace stops the player (SIGSTOP) as the call before the one to
// hold returns, so the change falls between those two calls however slow
// the machine, and the player goes on when the test sends SIGCONT. The
// calls held are those of the run's end, from the last key's frame to the
// exit, and, for the picture's and the log's folders, those that open the
// files at the start; they come from the trace, so the sweep follows the
// player's code as it changes.
//
// The whole table (every change at every call) runs when the environment
// has PLAYER_SWEEP=all. The suite runs the calls of the run's end for one
// change of each kind, and the calls of the start too for one of them,
// which keeps each case to a few minutes in the checked build.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bounded_wait.h"
#include "frame_names.h"
#include "player_command.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

// Calls that touch no name and no file (memory, signals' actions and masks,
// the process's number, random bytes): the player is held at the next call
// that does.
const std::set<std::string> kQuietCalls = {"brk",
                                           "mmap",
                                           "munmap",
                                           "mprotect",
                                           "madvise",
                                           "mremap",
                                           "futex",
                                           "rt_sigaction",
                                           "rt_sigprocmask",
                                           "getpid",
                                           "gettid",
                                           "getrandom",
                                           "sigaltstack",
                                           "prlimit64",
                                           "arch_prctl",
                                           "set_tid_address",
                                           "set_robust_list",
                                           "rseq",
                                           "clock_gettime",
                                           "sched_yield"};

// One call of a traced run.
struct Call {
  std::string name;
  std::string line;    // as strace wrote it, the random parts masked
  int occurrence = 0;  // among the run's calls of that name, from 1
};

// strace's line with what differs from run to run masked: the random part
// of a temporary's name, addresses.
std::string Masked(const std::string& line) {
  static const std::regex temporary("player-[0-9]+-[A-Za-z0-9]{6}"), address("0x[0-9a-f]+");
  return std::regex_replace(std::regex_replace(line, temporary, "player-*"), address, "0x?");
}

// A call's line as two runs that reached it alike both show it: what the
// system reports in a structure (free blocks, sizes), bytes that are no
// name (the addresses the checked build's memory checks write to a pipe)
// and descriptor numbers left out. (The folders' locks are taken in the
// order of their inode numbers, which differ from one tree made to the
// next: the same call may open and lock the other folder, its descriptor
// numbers swapped.)
std::string Comparable(const std::string& line) {
  static const std::regex innermost("\\{[^{}]*\\}"),
      bytes("\"([^\"\\\\]|\\\\.)*\\\\([^\"\\\\]|\\\\.)*\""), descriptor("^([a-z0-9_]+\\()[0-9]+"),
      result("= [0-9]+$");
  std::string shown = std::regex_replace(line, bytes, "<bytes>");
  shown = std::regex_replace(std::regex_replace(shown, descriptor, "$1<fd>"), result, "= <n>");
  for (std::string last; last != shown;) {
    last = shown;
    shown = std::regex_replace(shown, innermost, "<>");
  }
  return shown;
}

// The calls of a trace that strace wrote of one process, in order.
std::vector<Call> CallsOf(const std::string& trace) {
  std::vector<Call> calls;
  std::map<std::string, int> seen;
  std::istringstream in(trace);
  std::string line;
  static const std::regex call("^([a-z0-9_]+)\\(.*");
  while (std::getline(in, line)) {
    std::smatch match;
    if (!std::regex_match(line, match, call)) continue;
    calls.push_back({match[1], Masked(line), ++seen[match[1]]});
  }
  return calls;
}

// Whether `line` names the path `path` or a path below it.
bool Names(const std::string& line, const std::string& path) {
  for (size_t at = line.find('"' + path); at != std::string::npos;
       at = line.find('"' + path, at + 1)) {
    const char next = line[at + 1 + path.size()];
    if (next == '"' || next == '/') return true;
  }
  return false;
}

// What a name in a tree holds, as the test compares it: a file's bytes by
// what they are (`known`), a link by where it leads, a folder, a FIFO.
using Files = std::map<std::string, std::string>;

Files TreeOf(const std::string& root, const std::map<std::string, std::string>& known) {
  return Tree(root, [&](const std::string& bytes) {
    const auto it = known.find(bytes);
    return it != known.end() ? it->second
                             : std::to_string(bytes.size()) + " bytes of something else";
  });
}

// How `got` differs from `expected`, one name a line.
std::string Differences(const Files& got, const Files& expected) {
  std::set<std::string> names;
  for (const auto& [name, what] : got) names.insert(name);
  for (const auto& [name, what] : expected) names.insert(name);
  std::string said;
  for (const std::string& name : names) {
    const auto g = got.find(name), e = expected.find(name);
    const std::string has = g == got.end() ? "nothing" : g->second;
    const std::string wanted = e == expected.end() ? "nothing" : e->second;
    if (has != wanted) said += "\n    " + name + ": " + has + " (not " + wanted + ")";
  }
  return said;
}

// Where the name `name` leads in the tree `root`, its links followed: the
// path, relative to the tree, of the file it names (which need not be
// there); nothing when its folder is not there or it leads out of the tree.
std::optional<std::string> Leads(const std::string& root, const std::string& name) {
  std::error_code error;
  const fs::path top = fs::canonical(root, error);
  fs::path at = fs::path(root) / name;
  for (int links = 0; links < 40; ++links) {
    const fs::path folder = fs::canonical(at.parent_path(), error);
    if (error || !fs::is_directory(folder)) return std::nullopt;
    at = folder / at.filename();
    if (!fs::is_symlink(fs::symlink_status(at))) {
      const fs::path inside = at.lexically_relative(top);
      if (inside.empty() || *inside.begin() == "..") return std::nullopt;
      return inside.string();
    }
    at = folder / fs::read_symlink(at);
  }
  return std::nullopt;
}

ino_t InodeOf(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The path, relative to the tree `root`, of its folder with the inode
// `inode`, wherever a change moved it; nothing when it is gone.
std::optional<std::string> FolderNumbered(const std::string& root, ino_t inode) {
  if (InodeOf(root) == inode) return ".";
  std::error_code error;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root, error)) {
    if (entry.is_directory() && !entry.is_symlink() && InodeOf(entry.path()) == inode) {
      return entry.path().lexically_relative(root).string();
    }
  }
  return std::nullopt;
}

// The tree the test makes, in `root`: an old picture in a/, an old log in
// l/, an empty folder fr/ for the frames, the key file, another folder for
// links to lead to, and the picture given as a link p.png to a/out.png,
// with another picture in b/ for it to be pointed at.
void MakeTree(const std::string& root) {
  fs::remove_all(root);
  for (const char* folder : {"a", "l", "fr", "other", "b"})
    fs::create_directories(root + "/" + folder);
  std::ofstream(root + "/a/out.png") << "an old picture";
  std::ofstream(root + "/l/out.log") << "an old log\n";
  std::ofstream(root + "/keys") << "1 Enter\n";
  std::ofstream(root + "/other/note") << "another folder's file\n";
  std::ofstream(root + "/b/out.png") << "another picture";
  fs::create_symlink("a/out.png", root + "/p.png");
}

// What a change does to the folder `folder` of the tree.
enum class Instead { kNothing, kAnotherFolder, kALink };

std::function<void(const std::string&)> FolderChanged(const std::string& folder, Instead instead) {
  return [folder, instead](const std::string& root) {
    fs::rename(root + "/" + folder, root + "/" + folder + ".moved");
    if (instead == Instead::kAnotherFolder) fs::create_directory(root + "/" + folder);
    if (instead == Instead::kALink) fs::create_directory_symlink("other", root + "/" + folder);
  };
}

// What of a change's rows the suite runs; the whole table runs them all.
enum class InSuite { kNone, kTheEnd, kEveryCall };

struct Change {
  const char* name;      // the case's
  std::string watched;   // the name given to the player that it changes, in the tree
  bool picture_by_link;  // the picture is given as p.png
  bool at_start;         // also held while the files are opened at the start
  InSuite in_suite;
  std::function<void(const std::string& root)> make;
};

const Change kChanges[] = {
    {"ThePicturesFolderMovedAway", "a", false, true, InSuite::kNone,
     FolderChanged("a", Instead::kNothing)},
    {"ThePicturesFolderReplacedByAnother", "a", false, true, InSuite::kNone,
     FolderChanged("a", Instead::kAnotherFolder)},
    {"ThePicturesFolderReplacedByALink", "a", false, true, InSuite::kEveryCall,
     FolderChanged("a", Instead::kALink)},
    {"TheLogsFolderMovedAway", "l", false, true, InSuite::kTheEnd,
     FolderChanged("l", Instead::kNothing)},
    {"TheLogsFolderReplacedByAnother", "l", false, true, InSuite::kNone,
     FolderChanged("l", Instead::kAnotherFolder)},
    {"TheLogsFolderReplacedByALink", "l", false, true, InSuite::kNone,
     FolderChanged("l", Instead::kALink)},
    {"TheFramesFolderMovedAway", "fr", false, false, InSuite::kNone,
     FolderChanged("fr", Instead::kNothing)},
    {"TheFramesFolderReplacedByAnother", "fr", false, false, InSuite::kTheEnd,
     FolderChanged("fr", Instead::kAnotherFolder)},
    {"TheFramesFolderReplacedByALink", "fr", false, false, InSuite::kNone,
     FolderChanged("fr", Instead::kALink)},
    {"TheKeyFileSavedAgain", "keys", false, false, InSuite::kTheEnd,
     [](const std::string& root) {
       std::ofstream(root + "/keys.saved") << ReadFile(root + "/keys");
       fs::rename(root + "/keys.saved", root + "/keys");
     }},
    {"TheKeyFileRemoved", "keys", false, false, InSuite::kNone,
     [](const std::string& root) { fs::remove(root + "/keys"); }},
    {"TheKeyFileReplacedByAFifo", "keys", false, false, InSuite::kNone,
     [](const std::string& root) {
       fs::remove(root + "/keys");
       mkfifo((root + "/keys").c_str(), 0644);
     }},
    {"ThePictureLinkPointedElsewhere", "p.png", true, false, InSuite::kTheEnd,
     [](const std::string& root) {
       fs::create_symlink("b/out.png", root + "/p.png.new");
       fs::rename(root + "/p.png.new", root + "/p.png");
     }},
};

void PrintTo(const Change& change, std::ostream* out) {
  *out << change.name;
}

bool WholeTable() {
  const char* sweep = std::getenv("PLAYER_SWEEP");
  return sweep && std::string(sweep) == "all";
}

// A run of the player under strace.
struct TracedRun {
  pid_t strace = -1;
  int status = -1;  // strace's wait status, the player's ending
  std::string out, err, trace;
};

// The player's process number, strace's only child.
pid_t TracedPlayer(pid_t strace) {
  const std::string s = std::to_string(strace);
  std::istringstream children(ReadFile("/proc/" + s + "/task/" + s + "/children"));
  pid_t player = -1;
  children >> player;
  return player;
}

// Whether the trace ends with strace's word that the player stopped.
bool HeldNow(const std::string& trace) {
  std::ifstream in(trace, std::ios::binary | std::ios::ate);
  const std::string stopped = "--- stopped by SIGSTOP ---\n";
  const std::streamoff size = in.tellg();
  if (size < std::streamoff(stopped.size())) return false;
  in.seekg(size - std::streamoff(stopped.size()));
  std::string tail(stopped.size(), '\0');
  in.read(tail.data(), std::streamsize(tail.size()));
  return tail == stopped;
}

class PlayerSweep : public PlayerCommand, public ::testing::WithParamInterface<Change> {
 protected:
  void SetUp() override {
    PlayerCommand::SetUp();
    tree_ = dir_ + "/w";
    model_ = dir_ + "/m";
    trace_ = dir_ + "/trace";
  }

  std::vector<std::string> Args() const {
    const std::string picture = GetParam().picture_by_link ? "/p.png" : "/a/out.png";
    return {"almeno", "@" + tree_ + "/keys", tree_ + picture, "--log",   tree_ + "/l/out.log",
            "--each", tree_ + "/fr",         "--time",        "12:00:00"};
  }

  // Starts strace on the player on Args(), with `inject` (strace's -e
  // inject=, when not empty), in a process group of its own, so that nothing
  // that happens to the test's group wakes the player while it is held.
  pid_t StartTraced(const std::string& inject) const {
    std::vector<std::string> strace = {"strace", "-qq", "-o", trace_};
    if (!inject.empty()) strace.insert(strace.end(), {"-e", "inject=" + inject});
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      setpgid(0, 0);
      AsATerminalStartsIt(dir_ + "/out", dir_ + "/err");
      // The leak checker of the checked build cannot work under a tracer.
      const char* options = std::getenv("ASAN_OPTIONS");
      const std::string before = options && *options ? std::string(options) + ":" : "";
      setenv("ASAN_OPTIONS", (before + "detect_leaks=0").c_str(), 1);
      ExecPlayer(Args(), strace);
    }
    return child;
  }

  // `text` with the test's tree shown as "w".
  std::string Shown(const std::string& text) const {
    std::string line = text;
    for (size_t at = line.find(tree_); at != std::string::npos; at = line.find(tree_, at)) {
      line.replace(at, tree_.size(), "w");
    }
    return line;
  }

  // A run held at call `at` of `calls` (a run's calls, as its trace lists
  // them) while GetParam() changes the tree; what `judged` says of it, or a
  // fault where the player was not held there. strace stops the player as
  // the call before returns: the last that is not quiet, as the calls
  // between touch nothing.
  std::string HeldAt(const std::vector<Call>& calls, size_t at,
                     const std::function<std::string(const TracedRun&)>& judged) const {
    size_t before = at - 1;
    while (before > 0 && kQuietCalls.count(calls[before].name)) --before;
    MakeTree(tree_);
    const pid_t strace = StartTraced(
        calls[before].name + ":signal=SIGSTOP:when=" + std::to_string(calls[before].occurrence));
    bool ended = false;
    int status = -1;
    const bool held = WaitUntil("the player to be held", [&] {
      ended = waitpid(strace, &status, WNOHANG) == strace;
      return ended || HeldNow(trace_);
    });
    if (!held) {
      kill(-strace, SIGKILL);
      waitpid(strace, nullptr, 0);
    }
    if (!held || ended) return "FAULT: never held (" + Describe(status) + ")";
    const std::vector<Call> so_far = CallsOf(ReadFile(trace_));
    const bool there = !so_far.empty() &&
                       Comparable(so_far.back().line) == Comparable(calls[before].line) &&
                       so_far.back().occurrence == calls[before].occurrence;
    if (there) GetParam().make(tree_);
    const pid_t player = TracedPlayer(strace);
    if (player > 0) kill(player, SIGCONT);
    TracedRun run = Ended(strace);
    if (run.status == -1 && player > 0) kill(player, SIGKILL);
    run.err = Shown(run.err);
    if (!there) {
      return "FAULT: held elsewhere, after " +
             (so_far.empty() ? std::string("no call") : Shown(so_far.back().line));
    }
    return judged(run);
  }

  TracedRun Ended(pid_t strace) const {
    TracedRun run;
    run.strace = strace;
    run.status = WaitFor(strace);
    run.out = ReadFile(dir_ + "/out");
    run.err = ReadFile(dir_ + "/err");
    run.trace = ReadFile(trace_);
    return run;
  }

  std::string tree_, model_, trace_;
};

// The calls a sweep holds, as indices into a run's calls.
struct Sweep {
  std::vector<size_t> opening;  // those that name the tree or a temporary, from the
                                // first to the making of the last temporary before
                                // the first frame
  std::vector<size_t> ending;   // every call that is neither quiet nor a write of
                                // data, from the last frame's to the exit
  size_t ending_line = 0;       // the write of how the run ended
  size_t names_taken = 0;       // the last rename or link before it
};

Sweep SweepOf(const std::vector<Call>& calls, const std::string& tree, size_t frames) {
  auto first_naming = [&](const std::string& text) {
    for (size_t i = 0; i < calls.size(); ++i) {
      if (calls[i].line.find(text) != std::string::npos) return i;
    }
    return calls.size();
  };
  const size_t first_frame = first_naming('"' + FrameName(1) + '"'),
               last_frame = first_naming('"' + FrameName(frames) + '"');
  Sweep sweep;
  size_t last_temporary = 0;
  for (size_t i = 0; i < first_frame && i < calls.size(); ++i) {
    if (calls[i].line.find(".player-") != std::string::npos) last_temporary = i;
  }
  for (size_t i = 1; i <= last_temporary; ++i) {
    const std::string& line = calls[i].line;
    if (!kQuietCalls.count(calls[i].name) &&
        (Names(line, tree) || line.find(".player-") != std::string::npos)) {
      sweep.opening.push_back(i);
    }
  }
  for (size_t i = last_frame + 1; i < calls.size(); ++i) {
    const bool writes = calls[i].name.find("write") != std::string::npos;
    const bool to_standard = calls[i].line.rfind(calls[i].name + "(1,", 0) == 0 ||
                             calls[i].line.rfind(calls[i].name + "(2,", 0) == 0;
    if (kQuietCalls.count(calls[i].name) || (writes && !to_standard)) continue;
    sweep.ending.push_back(i);
    if (writes && !sweep.ending_line) sweep.ending_line = i;
  }
  const std::set<std::string> naming = {"renameat2", "renameat", "rename", "linkat", "link"};
  for (size_t i = last_frame + 1; i < sweep.ending_line; ++i) {
    if (naming.count(calls[i].name)) sweep.names_taken = i;
  }
  return sweep;
}

// The player's last look at the name `path`: the last call that names it
// after the files took their names and before the ending line. A change
// held at a later call comes after the run. Where no call looks then, the
// ending line's write is the first call after the run.
size_t LastLook(const std::vector<Call>& calls, const Sweep& sweep, const std::string& path) {
  size_t last = sweep.ending_line - 1;
  for (size_t i = sweep.names_taken + 1; i < sweep.ending_line; ++i) {
    if (Names(calls[i].line, path)) last = i;
  }
  return last;
}

// What the files must be after a held run.
struct Expected {
  Files as_it_was;                 // every file as it was, the change made
  std::optional<Files> at_end;     // the new files where the names lead at the end
  std::optional<Files> as_before;  // the new files where the names led before the change
};

// What the files must be, from `model`: a tree made as the test's and
// changed as `change` changes it, which no player touches. The picture is
// given as `picture` in it; a run writes `frames` frames, and `known` names
// the bytes of every file.
Expected ExpectedOf(const std::string& model, const Change& change, const std::string& picture,
                    size_t frames, const std::map<std::string, std::string>& known) {
  MakeTree(model);
  // Files by their folder's inode and their name, folders by their inode.
  auto place = [&](const std::string& name) {
    const fs::path path = Leads(model, name).value_or("");
    return std::make_pair(InodeOf(model + "/" + path.parent_path().string()),
                          path.filename().string());
  };
  const auto picture_before = place(picture), log_before = place("l/out.log");
  const ino_t frames_before = InodeOf(model + "/" + Leads(model, "fr").value_or("fr"));
  const ino_t keys_before = InodeOf(model + "/keys");
  change.make(model);
  Expected expected;
  expected.as_it_was = TreeOf(model, known);
  auto written = [&](const std::optional<std::string>& new_picture,
                     const std::optional<std::string>& new_log,
                     const std::optional<std::string>& folder) -> std::optional<Files> {
    if (!new_picture || !new_log || !folder || !fs::is_directory(model + "/" + *folder)) {
      return std::nullopt;
    }
    Files tree = expected.as_it_was;
    tree[*new_picture] = "the run's picture";
    tree[*new_log] = "the run's log";
    for (unsigned long long n = 1; n <= frames; ++n) {
      tree[(fs::path(*folder) / FrameName(n)).string()] =
          "frame " + std::to_string(n) + " of the run";
    }
    return tree;
  };
  auto moved_to = [&](const std::pair<ino_t, std::string>& file) -> std::optional<std::string> {
    const std::optional<std::string> folder = FolderNumbered(model, file.first);
    if (!folder) return std::nullopt;
    return (fs::path(*folder) / file.second).lexically_normal().string();
  };
  // Where the names lead at the end, for a run that read the key file the
  // name still leads to.
  struct stat keys;
  if (lstat((model + "/keys").c_str(), &keys) == 0 && S_ISREG(keys.st_mode) &&
      keys.st_ino == keys_before) {
    expected.at_end = written(Leads(model, picture), Leads(model, "l/out.log"), Leads(model, "fr"));
  }
  expected.as_before =
      written(moved_to(picture_before), moved_to(log_before), FolderNumbered(model, frames_before));
  return expected;
}

// What a run held while a name changed did, judged: a line that starts
// with "FAULT" where it broke the rules. Before the player's last look at
// the name, the run either ends well with the new files where the names lead
// at the end, or fails in one line (status 1, or 2 when it refuses at the
// start) with every file as it was; after it, the run ends well with the new
// files where the names led before the change.
std::string Judged(const TracedRun& run, const Files& got, const Expected& expected, bool after_run,
                   bool at_start) {
  const int code = WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
  std::string said = run.err;
  if (!said.empty() && said.back() == '\n') said.pop_back();
  const bool one_line = said.rfind("player: ", 0) == 0 && said.find('\n') == std::string::npos;
  if (code == 0 && run.out == "script used up\n" && run.err.empty()) {
    if (!after_run && expected.at_end && got == *expected.at_end) {
      return "written where the names lead";
    }
    if (after_run && got == *expected.as_before) return "written, after the run";
    if (got == *expected.as_before) {
      return "FAULT: ended well, written where the names led before the change";
    }
    return "FAULT: ended well, leaving" +
           Differences(got, expected.at_end.value_or(*expected.as_before));
  }
  if ((code == 1 || (code == 2 && at_start)) && run.out.empty() && one_line) {
    if (got != expected.as_it_was) {
      return "FAULT: failed (" + said + "), leaving" + Differences(got, expected.as_it_was);
    }
    return std::string(after_run ? "FAULT: " : "") + "failed (" + said + "), every file as it was";
  }
  return "FAULT: " + Describe(run.status) + ", standard output \"" + run.out +
         "\", standard error \"" + said + "\", leaving" + Differences(got, expected.as_it_was);
}

TEST_P(PlayerSweep, EndsWellOrLeavesEveryFileAsItWas) {
  const Change& change = GetParam();
  if (change.in_suite == InSuite::kNone && !WholeTable()) {
    GTEST_SKIP() << "in the whole table only (PLAYER_SWEEP=all)";
  }
  if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "strace cannot run here";
  }
  // A run without a hold: its trace lists the calls, its files are the new
  // ones every run that ends well writes.
  MakeTree(tree_);
  const TracedRun first = Ended(StartTraced(""));
  ASSERT_TRUE(WIFEXITED(first.status) && WEXITSTATUS(first.status) == 0)
      << Describe(first.status) << ": " << first.err;
  ASSERT_EQ(first.out, "script used up\n");
  const std::set<std::string> frames = Listing(tree_ + "/fr");
  ASSERT_EQ(frames, (std::set<std::string>{FrameName(1), FrameName(2)}));
  std::map<std::string, std::string> known = {{"an old picture", "an old picture"},
                                              {"an old log\n", "an old log"},
                                              {"1 Enter\n", "the keys"},
                                              {"another folder's file\n", "another folder's file"},
                                              {"another picture", "another picture"},
                                              {ReadFile(tree_ + "/a/out.png"), "the run's picture"},
                                              {ReadFile(tree_ + "/l/out.log"), "the run's log"}};
  for (unsigned long long n = 1; n <= frames.size(); ++n) {
    known[ReadFile(tree_ + "/fr/" + FrameName(n))] = "frame " + std::to_string(n) + " of the run";
  }
  const std::vector<Call> calls = CallsOf(first.trace);
  const Sweep sweep = SweepOf(calls, tree_, frames.size());
  ASSERT_FALSE(sweep.ending.empty()) << "no call makes the last frame";
  ASSERT_NE(sweep.ending_line, 0u) << "no call writes how the run ended";
  const size_t last_look = LastLook(calls, sweep, tree_ + "/" + change.watched);
  const Expected expected = ExpectedOf(
      model_, change, change.picture_by_link ? "p.png" : "a/out.png", frames.size(), known);
  ASSERT_TRUE(expected.as_before) << "the change lost a folder of the tree";

  std::vector<std::string> table;
  int faults = 0;
  auto hold = [&](size_t at, bool at_start) {
    const bool after_run = !at_start && at > last_look;
    const std::string row = std::string(at_start    ? "start "
                                        : after_run ? "after "
                                                    : "end   ") +
                            std::to_string(at) + " " + Shown(calls[at].line);
    SCOPED_TRACE(row);
    const std::string outcome = HeldAt(calls, at, [&](const TracedRun& run) {
      return Judged(run, TreeOf(tree_, known), expected, after_run, at_start);
    });
    const bool fault = outcome.rfind("FAULT", 0) == 0;
    faults += fault;
    EXPECT_FALSE(fault) << outcome;
    table.push_back(row.substr(0, 110) + "\n      -> " + outcome);
  };
  if (change.at_start && (change.in_suite == InSuite::kEveryCall || WholeTable())) {
    for (size_t at : sweep.opening) hold(at, true);
  }
  for (size_t at : sweep.ending) hold(at, false);
  std::cout << change.name << ": " << table.size() << " calls held, " << faults << " faults\n";
  for (const std::string& row : table) std::cout << "  " << row << "\n";
}

INSTANTIATE_TEST_SUITE_P(EachCall, PlayerSweep, ::testing::ValuesIn(kChanges),
                         [](const ::testing::TestParamInfo<Change>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
