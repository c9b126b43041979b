// How a player run ends, and what it leaves: ending signals however many
// come, two players writing the same files at once, a folder changed under
// a run, and names as long as a folder takes.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "player_command.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

// Every signal whose usual action ends a program, sent 100 at a time (one
// kind, or several in turn) to a player under way: the first removes the
// temporary files before any ends the player, the files that were there keep
// their bytes, and the player ends as the first signal delivered ends it,
// printing nothing. Signals sent while the player is stopped reach it
// together when it goes on, handed over by number: SIGHUP before SIGTERM,
// though SIGTERM came first. A crash signal shows the last-chance message
// and ends with status 3 instead. SIGKILL cannot be caught: it leaves the
// two temporaries, named for the player and its process number.
TEST_F(PlayerCommand, EveryEndingSignalLeavesNothingHoweverManyCome) {
  const std::string keys = "@" + LongScript(dir_, 400000);
  const std::string files = dir_ + "/files", err = dir_ + "/err";
  const std::string png = files + "/out.png", log = files + "/out.log";
  struct Case {
    const char* what;
    std::vector<int> signals;  // sent in turn, 100 in all
    bool old_files;            // a picture and a log were there before the run
    bool stopped = false;      // sent while the player is stopped
    int ends_as = 0;           // the signal that ends it; 0: any of those sent
  };
  const std::vector<int> ten = {SIGTERM, SIGINT,  SIGHUP,  SIGQUIT,   SIGPIPE,
                                SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF};
  const std::vector<int> others = {SIGIO,   SIGPWR,    SIGXCPU,  SIGSYS,
                                   SIGTRAP, SIGSTKFLT, SIGRTMIN, SIGRTMAX};
  const Case cases[] = {
      {"SIGTERM", {SIGTERM}, true},
      {"SIGINT", {SIGINT}, false},
      {"SIGHUP", {SIGHUP}, true},
      {"SIGQUIT", {SIGQUIT}, false},
      {"SIGPIPE", {SIGPIPE}, true},
      {"SIGUSR1", {SIGUSR1}, false},
      {"SIGUSR2", {SIGUSR2}, true},
      {"SIGALRM", {SIGALRM}, false},
      {"SIGVTALRM", {SIGVTALRM}, true},
      {"SIGPROF", {SIGPROF}, false},
      {"SIGINT and SIGTERM in turn", {SIGINT, SIGTERM}, true},
      {"ten kinds in turn", ten, false},
      {"ten kinds in turn, the other way", {ten.rbegin(), ten.rend()}, true},
      {"the rarer ones and real-time signals in turn", others, true},
      {"SIGTERM and SIGHUP in turn while stopped", {SIGTERM, SIGHUP}, true, true, SIGHUP},
      {"SIGSEGV, a crash", {SIGSEGV}, true},
      {"SIGKILL", {SIGKILL}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(files);
    fs::create_directory(files);
    if (c.old_files) {
      std::ofstream(png) << "an old picture";
      std::ofstream(log) << "an old log\n";
    }
    const std::map<std::string, std::string> before = Contents(files);
    const pid_t child = StartPlayer({"almeno", keys, png, "--log", log}, err);
    ASSERT_TRUE(UnderWay(child, {png, log})) << "the run ended before it was under way";
    const std::vector<std::string> temporaries = {TemporariesOf(png).front(),
                                                  TemporariesOf(log).front()};
    if (c.stopped) {
      kill(child, SIGSTOP);
      int stopped = 0;
      ASSERT_EQ(waitpid(child, &stopped, WUNTRACED), child);
      ASSERT_TRUE(WIFSTOPPED(stopped)) << Describe(stopped);
    }
    for (int i = 0; i < 100; ++i) kill(child, c.signals[i % c.signals.size()]);
    if (c.stopped) kill(child, SIGCONT);
    const int status = WaitFor(child);
    std::map<std::string, std::string> after = Contents(files);
    const std::string said = ReadFile(err);
    if (c.signals.front() == SIGSEGV) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << Describe(status);
      EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
      EXPECT_NE(said.find("almeno"), std::string::npos) << said;
    } else {
      ASSERT_TRUE(WIFSIGNALED(status)) << Describe(status);
      EXPECT_NE(std::find(c.signals.begin(), c.signals.end(), WTERMSIG(status)), c.signals.end())
          << Describe(status);
      if (c.ends_as) {
        EXPECT_EQ(WTERMSIG(status), c.ends_as) << Describe(status);
      }
      EXPECT_EQ(said, "");
    }
    if (c.signals.front() == SIGKILL) {
      // Whose they are: this player's, by its process number.
      const std::string owner = ".player-" + std::to_string(child) + "-";
      EXPECT_EQ(temporaries[0].rfind("out.png" + owner, 0), 0u) << temporaries[0];
      EXPECT_EQ(temporaries[1].rfind("out.log" + owner, 0), 0u) << temporaries[1];
      for (const std::string& name : temporaries) {
        EXPECT_EQ(after.erase(name), 1u) << name;
      }
    }
    EXPECT_EQ(after, before) << "a file was replaced, cut or left behind";
  }
}

// Two players writing at once, round after round: each ends well, the
// picture and the log are always those of one run (never the picture of one
// and the log of the other), and nothing else is left. Players whose files
// cross two folders the other way round do not wait for each other for
// ever; a log on a device takes no turn.
TEST_F(PlayerCommand, TwoPlayersAtOnceLeaveThePairOfOneRun) {
  const std::string a = dir_ + "/a", b = dir_ + "/b";
  fs::create_directories(a);
  fs::create_directories(b);
  // What each run alone writes.
  const std::string keys[2] = {"1 Enter", "2 Enter"};
  std::string picture_of[2], log_of[2];
  for (int run = 0; run < 2; ++run) {
    Outcome alone =
        Player({"almeno", keys[run], dir_ + "/alone.png", "--log", dir_ + "/alone.log"});
    ASSERT_EQ(alone.status, 0) << alone.err;
    picture_of[run] = ReadFile(dir_ + "/alone.png");
    log_of[run] = ReadFile(dir_ + "/alone.log");
    std::remove((dir_ + "/alone.png").c_str());
    std::remove((dir_ + "/alone.log").c_str());
  }
  ASSERT_NE(picture_of[0], picture_of[1]);
  ASSERT_NE(log_of[0], log_of[1]);
  struct Case {
    const char* what;
    std::string picture[2], log[2];  // of the first and the second player
    int rounds;
  };
  const Case cases[] = {
      {"one picture and one log", {a + "/o.png", a + "/o.png"}, {a + "/o.log", a + "/o.log"}, 100},
      {"the picture and the log in two folders",
       {a + "/o.png", a + "/o.png"},
       {b + "/o.log", b + "/o.log"},
       40},
      {"two folders crossed", {a + "/1.png", b + "/2.png"}, {b + "/1.log", a + "/2.log"}, 20},
      {"the log on a device", {a + "/o.png", a + "/o.png"}, {"/dev/null", "/dev/null"}, 10},
  };
  // The rounds look for a moment where the two players' steps meet badly,
  // a matter of the locks and the names, which the checked build's memory
  // checks do not see any better: it runs a tenth of them, so that its
  // several times slower players take no longer in all than the normal
  // build's.
#if defined(__SANITIZE_ADDRESS__)
  constexpr int kShare = 10;
#else
  constexpr int kShare = 1;
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int rounds = std::max(1, c.rounds / kShare);
    std::set<std::string> files;
    for (int run = 0; run < 2; ++run) files.insert({c.picture[run], c.log[run]});
    files.erase("/dev/null");
    int mixed = 0;
    for (int round = 0; round < rounds; ++round) {
      pid_t players[2];
      for (int run = 0; run < 2; ++run) {
        players[run] = StartPlayer({"almeno", keys[run], c.picture[run], "--log", c.log[run]},
                                   dir_ + "/err" + std::to_string(run));
      }
      for (int run = 0; run < 2; ++run) {
        const int status = WaitFor(players[run]);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "round " << round << ": " << Describe(status) << ": "
            << ReadFile(dir_ + "/err" + std::to_string(run));
      }
      for (int run = 0; run < 2; ++run) {
        const std::string picture = ReadFile(c.picture[run]);
        if (c.log[run] == "/dev/null") {
          EXPECT_TRUE(picture == picture_of[0] || picture == picture_of[1]) << round;
          continue;
        }
        const std::string log = ReadFile(c.log[run]);
        const bool one_run = (picture == picture_of[0] && log == log_of[0]) ||
                             (picture == picture_of[1] && log == log_of[1]);
        mixed += !one_run;
      }
      std::set<std::string> left;
      for (const std::string& folder : {a, b}) {
        for (const std::string& name : Listing(folder)) left.insert(folder + "/" + name);
      }
      ASSERT_EQ(left, files) << "round " << round;
    }
    EXPECT_EQ(mixed, 0) << "rounds that left the picture of one run with the log of the other";
    for (const std::string& file : files) std::remove(file.c_str());
  }
}

// A process that holds the lock of the folder `dir` (as `flock DIR` does)
// until it is ended; returns once the lock is held.
pid_t HoldLock(const std::string& dir) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const int folder = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0 || flock(folder, LOCK_EX) != 0) _exit(1);
    if (write(ready[1], "x", 1) != 1) _exit(1);
    for (;;) pause();
  }
  close(ready[1]);
  char held = 0;
  const bool ok = read(ready[0], &held, 1) == 1;
  close(ready[0]);
  if (!ok) waitpid(child, nullptr, 0);
  return ok ? child : -1;
}

// Another program that holds the lock of a folder the player writes to (the
// picture's, or the frames') is waited for a bounded time: the player says
// in one line which folder it waits for; a lock that never comes ends the
// run with status 1 and a line that names it, every file as it was and no
// frame left; a lock let go once the player said it waits lets the run
// write as it would have.
TEST_F(PlayerCommand, AFolderLockedByAnotherProgramIsWaitedForABoundedTime) {
  const std::string files = dir_ + "/files", frames = dir_ + "/frames", err = dir_ + "/err";
  const std::string png = files + "/out.png", log = files + "/out.log";
  fs::create_directory(files);
  fs::create_directory(frames);
  ASSERT_EQ(Player({"almeno", "1 Enter", png}).status, 0);
  const std::string whole_picture = ReadFile(png);
  struct Case {
    const char* what;
    std::string locked;  // the folder another program holds the lock of
    bool let_go;         // once the player says it waits
    std::string fails;   // the last line, "" when the run ends well
  };
  const std::string kept = ": another program held the lock on its folder for 10 seconds\n";
  const Case cases[] = {
      {"the picture's folder, for ever", files, false, "player: cannot write " + png + kept},
      {"the picture's folder, until the player waits", files, true, ""},
      {"the frames' folder, for ever", frames, false,
       "player: cannot write " + frames + "/0001.png" + kept},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(png) << "an old picture";
    std::ofstream(log) << "an old log\n";
    const std::map<std::string, std::string> before = Contents(files);
    const pid_t holder = HoldLock(c.locked);
    ASSERT_GT(holder, 0);
    const pid_t player =
        StartPlayer({"almeno", "1 Enter", png, "--log", log, "--each", frames}, err);
    const std::string waits = "player: waiting for the lock on the folder \"" +
                              fs::canonical(c.locked).string() +
                              "\", which another program holds\n";
    if (c.let_go) {
      // A player that never says it waits fails below.
      WaitUntil("the player to say it waits for the lock", [&] { return ReadFile(err) == waits; });
      kill(holder, SIGKILL);
    }
    const int status = WaitFor(player);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(ReadFile(err), waits + c.fails);
    if (c.fails.empty()) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Describe(status);
      EXPECT_TRUE(ReadFile(png) == whole_picture) << "not the picture of an unlocked run";
      EXPECT_EQ(Listing(frames), (std::set<std::string>{"0001.png", "0002.png"}));
    } else {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << Describe(status);
      EXPECT_EQ(Contents(files), before) << "a file was replaced, cut or left behind";
      EXPECT_EQ(Listing(frames), std::set<std::string>()) << "a frame was left behind";
    }
    for (const std::string& frame : Listing(frames)) fs::remove(frames + "/" + frame);
  }
}

// The names of one folder, with each file's bytes (a picture's only
// counted); "(folder)" for a folder, and nothing at all when the folder is
// not there.
std::map<std::string, std::string> FolderContents(const std::string& dir) {
  std::map<std::string, std::string> files;
  if (!fs::is_directory(dir)) return files;
  for (const std::string& name : Listing(dir)) {
    const std::string path = dir + "/" + name;
    const std::string bytes = ReadFile(path);
    files[name] = fs::is_directory(path) ? "(folder)"
                  : bytes.rfind("\x89PNG", 0) == 0
                      ? "(a picture of " + std::to_string(bytes.size()) + " bytes)"
                      : bytes;
  }
  return files;
}

// A run whose log (or picture) cannot take its name at the end, its folder
// removed, or moved and replaced by a file, another folder or a link to
// another folder during the run (or the picture replaced by a folder),
// fails in one line with status 1, says nothing of how the run ended, and
// leaves every file as it was, in the folder moved and in the one that took
// its name alike: the picture that had already taken its name gives it
// back. The run is held (stopped) once under way while the folder is
// changed.
TEST_F(PlayerCommand, AFolderChangedDuringTheRunLeavesBothFilesAsTheyWere) {
  const std::string keys = "@" + LongScript(dir_, 200000);
  const std::string pictures = dir_ + "/pictures", logs = dir_ + "/logs";
  const std::string png = pictures + "/out.png", log = logs + "/out.log";
  const std::string moved = dir_ + "/moved", other = dir_ + "/other";
  auto replace_by_file = [&](const std::string& folder) {
    fs::rename(folder, moved);
    std::ofstream(folder) << "a file";
  };
  const std::string replaced = ": its folder was moved or replaced during the run\n";
  struct Case {
    const char* what;
    std::function<void()> change;
    std::string says;  // standard error
  };
  const Case cases[] = {
      {"the log's folder removed", [&] { fs::remove_all(logs); },
       "player: cannot write " + log + ": No such file or directory\n"},
      {"the log's folder replaced by a file", [&] { replace_by_file(logs); },
       "player: cannot write " + log + ": Not a directory\n"},
      {"the picture's folder removed", [&] { fs::remove_all(pictures); },
       "player: cannot write " + png + ": No such file or directory\n"},
      {"the picture's folder replaced by a file", [&] { replace_by_file(pictures); },
       "player: cannot write " + png + ": Not a directory\n"},
      {"the picture replaced by a folder",
       [&] {
         fs::remove(png);
         fs::create_directory(png);
       },
       "player: cannot write " + png + ": Is a directory\n"},
      {"the log's folder replaced by another folder",
       [&] {
         fs::rename(logs, moved);
         fs::create_directory(logs);
       },
       "player: cannot write " + log + replaced},
      {"the picture's folder replaced by a link to another folder",
       [&] {
         fs::rename(pictures, moved);
         fs::create_directory_symlink("other", pictures);
       },
       "player: cannot write " + png + replaced},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::string& folder : {pictures, logs, moved, other}) fs::remove_all(folder);
    fs::create_directory(pictures);
    fs::create_directory(logs);
    fs::create_directory(other);
    std::ofstream(png) << "an old picture";
    std::ofstream(log) << "an old log\n";
    std::ofstream(other + "/out.png") << "another folder's picture";
    const pid_t child =
        StartPlayer({"almeno", keys, png, "--log", log}, dir_ + "/err", dir_ + "/out");
    ASSERT_TRUE(UnderWay(child, {png, log}));
    kill(child, SIGSTOP);
    c.change();
    std::map<std::string, std::string> pictures_then = FolderContents(pictures),
                                       logs_then = FolderContents(logs),
                                       moved_then = FolderContents(moved),
                                       other_then = FolderContents(other);
    kill(child, SIGCONT);
    const int status = WaitFor(child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << Describe(status);
    EXPECT_EQ(ReadFile(dir_ + "/err"), c.says);
    // Nothing of how the run ended: the files took no name.
    EXPECT_EQ(ReadFile(dir_ + "/out"), "");
    // The folders as the change left them, but for the temporaries: none is
    // left, and every old file keeps its bytes, wherever its folder went
    // (the picture that took its name gave it back).
    for (auto* then : {&pictures_then, &logs_then, &moved_then, &other_then}) {
      for (auto it = then->begin(); it != then->end();) {
        it = it->first.find(".player-") != std::string::npos ? then->erase(it) : std::next(it);
      }
    }
    EXPECT_EQ(FolderContents(pictures), pictures_then);
    EXPECT_EQ(FolderContents(logs), logs_then);
    EXPECT_EQ(FolderContents(moved), moved_then);
    EXPECT_EQ(FolderContents(other), other_then);
  }
}

// A name as long as the folder takes (255 bytes) is written like any other:
// the temporary's name keeps within the limit.
TEST_F(PlayerCommand, NamesAsLongAsTheFolderTakesAreWritten) {
  const std::string folder = dir_ + "/names";
  const long name_max = pathconf(dir_.c_str(), _PC_NAME_MAX);
  ASSERT_GE(name_max, 255);
  struct Case {
    const char* what;
    size_t picture_bytes, log_bytes;
    bool old_files;
  };
  const Case cases[] = {
      {"a picture of 254 bytes and a log of 255, over old ones", 254, 255, true},
      {"a new picture of 255 bytes", 255, 0, false},
      {"a picture of 250 bytes and a log of 251", 250, 251, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto name = [](size_t bytes, const std::string& ending) {
      return std::string(bytes - ending.size(), 'n') + ending;
    };
    const std::string png = name(c.picture_bytes, ".png");
    const std::string log = c.log_bytes ? name(c.log_bytes, ".log") : "";
    fs::remove_all(folder);
    fs::create_directory(folder);
    if (c.old_files) {
      std::ofstream(folder + "/" + png) << "an old picture";
      if (!log.empty()) std::ofstream(folder + "/" + log) << "an old log\n";
    }
    std::vector<std::string> args = {"almeno", "1 Enter", folder + "/" + png};
    if (!log.empty()) args.insert(args.end(), {"--log", folder + "/" + log});
    const Outcome run = Player(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "script used up\n");
    std::map<std::string, std::string> after = Contents(folder);
    std::set<std::string> names = {png};
    if (!log.empty()) names.insert(log);
    EXPECT_EQ(Listing(folder), names);
    EXPECT_EQ(after[png].substr(1, 3), "PNG");
    if (!log.empty()) {
      EXPECT_NE(after[log].find("print\t"), std::string::npos);
    }
  }
}

}  // namespace
