// The frames of --each while a run goes on: made new in the folder checked
// at the start, whatever becomes of its name or of the names in it, never
// another's, kept in the step in which the picture and the log take their
// names, and each whole whatever ends the player.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bounded_wait.h"
#include "frame_names.h"
#include "player_command.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

// The highest number of a frame in `dir`; 0 for none, or no folder.
unsigned long long LastFrame(const std::string& dir) {
  unsigned long long last = 0;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, error)) {
    const std::string name = entry.path().filename();
    if (IsFrameName(name)) last = std::max(last, std::stoull(name));
  }
  return last;
}

// The names of frames 1 to `count`.
std::set<std::string> Frames(unsigned long long count) {
  std::set<std::string> names;
  for (unsigned long long n = 1; n <= count; ++n) names.insert(FrameName(n));
  return names;
}

// Waits until one of `dirs` holds a frame numbered `n` or more: false when
// the started player `child` ended first (it is then waited for), or after
// a minute, which only a stuck player takes.
bool FrameWritten(pid_t child, const std::vector<std::string>& dirs, unsigned long long n) {
  bool written = false, ended = false;
  WaitUntil("frame " + std::to_string(n) + " of the run", [&] {
    for (const std::string& dir : dirs) written = written || LastFrame(dir) >= n;
    ended = !written && waitpid(child, nullptr, WNOHANG) == child;
    return written || ended;
  });
  return written;
}

// Stops the started player `child` and waits until it stands still: false
// when it had ended.
bool Stop(pid_t child) {
  kill(child, SIGSTOP);
  int status = 0;
  return waitpid(child, &status, WUNTRACED) == child && WIFSTOPPED(status);
}

// What the name `path` holds, as a test compares it: where a link leads, a
// FIFO as such (reading one would wait for a writer), else the bytes.
std::string WhatIs(const std::string& path) {
  const fs::file_status status = fs::symlink_status(path);
  if (fs::is_symlink(status)) return "a link to " + fs::read_symlink(path).string();
  if (fs::is_fifo(status)) return "a FIFO";
  return ReadFile(path);
}

// A frame's name that something takes while the run is stopped after its
// fifth frame (a link to a file outside the folder, a user's own file, a
// FIFO) is left as it is: the run fails in one line when it comes to that
// frame, says nothing of how it ended, and removes the frames it wrote and
// no other file; the file the link leads to, the picture and the log keep
// their bytes.
TEST_F(PlayerCommand, AFrameNameTakenDuringTheRunIsLeftAsItIs) {
  const std::string keys = "@" + LongScript(dir_, 1000);
  const std::string w = dir_ + "/w", fr = w + "/fr", victim = w + "/victim.txt";
  const std::string png = w + "/out.png", log = w + "/out.log";
  struct Case {
    const char* what;
    std::function<void(const std::string&)> take;  // takes the name, a path
    std::string left;                              // what it holds, as WhatIs says
  };
  const Case cases[] = {
      {"a link to a file outside the folder",
       [](const std::string& name) { fs::create_symlink("../victim.txt", name); },
       "a link to ../victim.txt"},
      {"a user's own file",
       [](const std::string& name) { std::ofstream(name) << "a user's own file\n"; },
       "a user's own file\n"},
      {"a FIFO", [](const std::string& name) { mkfifo(name.c_str(), 0644); }, "a FIFO"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(w);
    fs::create_directories(fr);
    std::ofstream(victim) << "the victim\n";
    std::ofstream(png) << "an old picture";
    std::ofstream(log) << "an old log\n";
    const pid_t child = StartPlayer({"almeno", keys, png, "--log", log, "--each", fr},
                                    dir_ + "/err", dir_ + "/out");
    ASSERT_TRUE(FrameWritten(child, {fr}, 5)) << "the run ended before its fifth frame";
    ASSERT_TRUE(Stop(child));
    const std::string taken = FrameName(LastFrame(fr) + 5);
    c.take(fr + "/" + taken);
    kill(child, SIGCONT);
    const int status = WaitFor(child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << Describe(status);
    EXPECT_EQ(ReadFile(dir_ + "/err"),
              "player: cannot write " + fr + "/" + taken + ": File exists\n");
    EXPECT_EQ(ReadFile(dir_ + "/out"), "");
    EXPECT_EQ(Listing(fr), std::set<std::string>{taken}) << "a frame of the run was left";
    EXPECT_TRUE(WhatIs(fr + "/" + taken) == c.left) << "what took the name was written over";
    EXPECT_EQ(Listing(w), (std::set<std::string>{"fr", "out.log", "out.png", "victim.txt"}));
    EXPECT_TRUE(ReadFile(victim) == "the victim\n") << "the file the link leads to was written";
    EXPECT_TRUE(ReadFile(png) == "an old picture") << "the picture was replaced";
    EXPECT_TRUE(ReadFile(log) == "an old log\n") << "the log was replaced";
  }
}

// Reads what the player writes to the FIFO open (without waiting) as `fd`
// as far as it must for `done` to hold: false when the writing ended first,
// or after a minute, which only a stuck player takes. The player, its log
// sent to the FIFO, gets no further than the FIFO takes meanwhile.
bool ReadLogUntil(int fd, const std::function<bool()>& done) {
  char buffer[4096];
  bool ended = false;
  const bool got_there = WaitUntil(
      "the run's log to get as far as the test needs",
      [&] {
        if (done()) return true;
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 10) != 1) return false;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
        return ended;
      },
      0);
  return got_there && !ended;
}

// The frames go to the folder that was checked at the start, through it,
// when during the run that folder is moved and a new folder or a link to
// another folder takes its name: a signal then removes them from there, and
// so does the end of the run, which fails since its path leads elsewhere
// (the frames stay only in the folder the path leads to at the end: moved
// back before then, it holds them all and the run ends well); none is ever
// in the folder that took the name. The run is held by its log, sent to a FIFO that the test reads
// only as far as it wants the run to go: each key ("9 Enter" at the main
// menu, an item it does not have, and the menu drawn again) logs some 2 KB,
// so the run gets no more than some 40 keys past what was read, and a run
// of 120 keys is still under way when the folder is moved after its second
// frame, and writes most of its frames afterwards.
TEST_F(PlayerCommand, FramesGoToTheFolderCheckedAtTheStartWhateverTakesItsName) {
  const int keys = 120;
  const std::string script = dir_ + "/menu.keys";
  {
    std::ofstream out(script);
    for (int i = 0; i < keys / 2; ++i) out << "9 Enter\n";
  }
  const std::string w = dir_ + "/w", fr = w + "/fr", moved = w + "/moved", other = w + "/other";
  const std::string png = w + "/out.png", fifo = w + "/log.fifo";
  struct Case {
    const char* what;
    bool link;          // a link to `other` takes the folder's name, else a new folder
    bool to_the_end;    // the run goes on to its end, else SIGTERM ends it
    bool back = false;  // moved back during the run, its stand-in removed
  };
  const Case cases[] = {
      {"moved, a new folder in its place, then SIGTERM", false, false},
      {"moved, a link to another folder in its place, then SIGTERM", true, false},
      {"moved, a new folder in its place, the run going on to its end", false, true},
      {"moved, a new folder in its place, moved back, the run going on to its end", false, true,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(w);
    fs::create_directories(fr);
    fs::create_directory(other);
    std::ofstream(png) << "an old picture";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const pid_t child = StartPlayer({"almeno", "@" + script, png, "--log", fifo, "--each", fr},
                                    dir_ + "/err", dir_ + "/out");
    const int log = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(log, 0);
    ASSERT_TRUE(ReadLogUntil(log, [&] { return LastFrame(fr) >= 2; }));
    fs::rename(fr, moved);
    if (c.link) {
      fs::create_directory_symlink("other", fr);
    } else {
      fs::create_directory(fr);
    }
    const unsigned long long before = LastFrame(moved);
    int status = 0;
    if (c.back) {
      ASSERT_TRUE(ReadLogUntil(log, [&] { return LastFrame(moved) > before + 1; }));
      fs::remove(fr);
      fs::rename(moved, fr);
    }
    if (c.to_the_end) {
      ReadLogUntil(log, [] { return false; });
      status = WaitFor(child);
    } else {
      // A frame begun once the name was taken.
      ASSERT_TRUE(ReadLogUntil(log, [&] {
        return std::max({LastFrame(moved), LastFrame(fr), LastFrame(other)}) > before + 1;
      }));
      kill(child, SIGTERM);
      status = WaitFor(child);
    }
    close(log);
    EXPECT_EQ(Listing(other), std::set<std::string>());
    if (c.back) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Describe(status);
      EXPECT_EQ(ReadFile(dir_ + "/err"), "");
      EXPECT_EQ(ReadFile(dir_ + "/out"), "script used up\n");
      EXPECT_EQ(Listing(fr), Frames(keys)) << "not every frame is in the folder checked";
      EXPECT_EQ(ReadFile(png).rfind("\x89PNG", 0), 0u);
      EXPECT_EQ(Listing(w), (std::set<std::string>{"fr", "log.fifo", "other", "out.png"}));
      continue;
    }
    if (!c.link) {
      EXPECT_EQ(Listing(fr), std::set<std::string>());
    }
    if (c.to_the_end) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << Describe(status);
      EXPECT_EQ(ReadFile(dir_ + "/err"), "player: cannot keep the frames in " + fr +
                                             ": it was moved or replaced during the run\n");
      EXPECT_EQ(ReadFile(dir_ + "/out"), "");
      EXPECT_EQ(Listing(moved), std::set<std::string>()) << "a frame was left behind";
      EXPECT_TRUE(ReadFile(png) == "an old picture") << "the picture was replaced";
    } else {
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << Describe(status);
      EXPECT_EQ(Listing(moved), std::set<std::string>()) << "a frame was left behind";
      EXPECT_TRUE(ReadFile(png) == "an old picture") << "the picture was replaced";
    }
    EXPECT_EQ(Listing(w), (std::set<std::string>{"fr", "log.fifo", "moved", "other", "out.png"}));
  }
}

// Two players writing frames to one folder at once, round after round: the
// first frame each makes is new, so one of them finds the folder holding a
// frame (before its run, or at its first frame) and fails in one line,
// removing nothing of the other's; the folder holds the frames of the
// other run, all of them and nothing else. The two runs draw different
// frames (two programs' menus), and differ in length.
TEST_F(PlayerCommand, TwoPlayersWritingFramesToOneFolderLeaveTheFramesOfOneRun) {
  const std::string fr = dir_ + "/fr";
  struct Run {
    std::vector<std::string> args;  // but the folder
    std::string picture;
    std::map<std::string, std::string> frames;  // of the run alone
  };
  Run runs[2] = {{{"almeno", "@" + LongScript(dir_, 60), dir_ + "/a.png"}, dir_ + "/a.png", {}},
                 {{"torvane", "@" + LongScript(dir_, 40), dir_ + "/b.png"}, dir_ + "/b.png", {}}};
  for (Run& run : runs) {
    fs::create_directory(fr);
    std::vector<std::string> args = run.args;
    args.insert(args.end(), {"--each", fr});
    ASSERT_EQ(Player(args).status, 0);
    for (const std::string& name : Listing(fr)) run.frames[name] = ReadFile(fr + "/" + name);
    fs::remove_all(fr);
    fs::remove(run.picture);
  }
  ASSERT_EQ(runs[0].frames.size(), 60u);
  ASSERT_EQ(runs[1].frames.size(), 40u);
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    fs::create_directory(fr);
    pid_t players[2];
    for (int i = 0; i < 2; ++i) {
      std::vector<std::string> args = runs[i].args;
      args.insert(args.end(), {"--each", fr});
      players[i] = StartPlayer(args, dir_ + "/err" + std::to_string(i));
    }
    int status[2];
    for (int i = 0; i < 2; ++i) status[i] = WaitFor(players[i]);
    const bool ended_well[2] = {WIFEXITED(status[0]) && WEXITSTATUS(status[0]) == 0,
                                WIFEXITED(status[1]) && WEXITSTATUS(status[1]) == 0};
    ASSERT_NE(ended_well[0], ended_well[1])
        << "one of the two runs ends well, not " << (ended_well[0] ? "both" : "neither") << ": "
        << Describe(status[0]) << ", " << Describe(status[1]);
    const int kept = ended_well[0] ? 0 : 1, failed = 1 - kept;
    std::map<std::string, std::string> frames;
    for (const std::string& name : Listing(fr)) frames[name] = ReadFile(fr + "/" + name);
    EXPECT_TRUE(frames == runs[kept].frames)
        << "the folder holds " << frames.size() << " files, not the frames of one run";
    const std::string said = ReadFile(dir_ + "/err" + std::to_string(failed));
    if (WEXITSTATUS(status[failed]) == 1) {
      EXPECT_EQ(said, "player: cannot write " + fr + "/0001.png: File exists\n");
    } else {
      EXPECT_EQ(WEXITSTATUS(status[failed]), 2) << Describe(status[failed]);
      EXPECT_NE(said.find("holds a frame already"), std::string::npos) << said;
    }
    EXPECT_TRUE(Exists(runs[kept].picture));
    EXPECT_FALSE(Exists(runs[failed].picture));
    fs::remove_all(fr);
    fs::remove(runs[kept].picture);
  }
}

// A signal that comes while the picture and the log take their names (sent
// by strace as the log's rename starts, the picture's name taken already)
// waits until the step is done: the player prints how the run ended and
// keeps the frames, and then the signal ends it as it would have (a crash
// signal with the last-chance message and its status); the picture, the
// log and the frames are all the new run's. A second signal, sent as the
// player prints how the run ended, changes nothing: the player ends as the
// first one does, though the second has the lower number.
TEST_F(PlayerCommand, ASignalWhileTheFilesTakeTheirNamesLeavesThemAllTheRuns) {
  if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "strace cannot run here";
  }
  const std::string w = dir_ + "/w", fr = w + "/fr";
  const std::string png = w + "/out.png", log = w + "/out.log";
  struct Case {
    const char* what;
    int signal;
    int then;    // sent as the ending line is written; 0 for none
    int status;  // the shell's
  };
  const Case cases[] = {
      {"SIGTERM", SIGTERM, 0, 128 + SIGTERM},
      {"SIGINT", SIGINT, 0, 128 + SIGINT},
      {"SIGSEGV", SIGSEGV, 0, 3},
      {"SIGTERM, then SIGHUP", SIGTERM, SIGHUP, 128 + SIGTERM},
      {"SIGTERM, then SIGINT", SIGTERM, SIGINT, 128 + SIGTERM},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(w);
    fs::create_directories(fr);
    std::ofstream(png) << "an old picture";
    std::ofstream(log) << "an old log\n";
    // The names are taken through their folder: the log's rename is the
    // second one there, the picture's the first; the ending line is the
    // only write to standard output. (The leak checker of the checked
    // build cannot work under a tracer.)
    const std::string out = dir_ + "/stdout";
    std::string strace =
        "ASAN_OPTIONS=detect_leaks=0 strace -qq -o /dev/null -P " + ShellQuoted(w) + " -P " +
        ShellQuoted(out) +
        " -e trace=renameat2,write -e inject=renameat2:signal=" + std::to_string(c.signal) +
        ":when=2 ";
    if (c.then) strace += "-e inject=write:signal=" + std::to_string(c.then) + ":when=1 ";
    // The status the shell gives: strace ends as the player did. (The shell
    // also names the signal on standard error.)
    const Outcome run = Player({"almeno", "1 Enter", png, "--log", log, "--each", fr}, "/dev/null",
                               strace, "; exit $?");
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "script used up\n");
    if (c.signal == SIGSEGV) {
      // The last-chance message, which names the program.
      EXPECT_NE(run.err.find("almeno"), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadFile(png).rfind("\x89PNG", 0), 0u) << "the old picture was kept";
    EXPECT_NE(ReadFile(log).find("print\t"), std::string::npos) << "the old log was kept";
    EXPECT_EQ(Listing(fr), Frames(2)) << "the run's frames went";
    EXPECT_EQ(Listing(w), (std::set<std::string>{"fr", "out.log", "out.png"}));
  }
}

// SIGKILL, which cannot be caught, leaves the frames that took their names,
// each whole, and nothing of the frame being written: killed after frames
// 2, 5, 8, ... it leaves frames alone, each a whole picture.
TEST_F(PlayerCommand, SigkillLeavesOnlyWholeFrames) {
  const std::string keys = "@" + LongScript(dir_, 100000);
  const std::string fr = dir_ + "/fr";
  const std::string png_end = std::string("IEND\xae\x42\x60\x82", 8);
  for (int round = 0; round < 10; ++round) {
    const unsigned long long after = 2 + 3 * round;
    SCOPED_TRACE("killed after frame " + std::to_string(after));
    fs::remove_all(fr);
    fs::create_directory(fr);
    const pid_t child = StartPlayer({"almeno", keys, "-", "--each", fr}, dir_ + "/err");
    ASSERT_TRUE(FrameWritten(child, {fr}, after));
    kill(child, SIGKILL);
    const int status = WaitFor(child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << Describe(status);
    const std::set<std::string> left = Listing(fr);
    EXPECT_EQ(left, Frames(LastFrame(fr))) << "not frames alone, from the first on";
    for (const std::string& name : left) {
      const std::string bytes = ReadFile(fr + "/" + name);
      EXPECT_TRUE(bytes.rfind("\x89PNG", 0) == 0 && bytes.ends_with(png_end))
          << name << " is no whole picture";
    }
  }
}

}  // namespace
