// The player where memory runs out, and where fontconfig has something to
// say: one line of the player's own, never a crash, never fontconfig's lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "player_command.h"
#include "test_files.h"

namespace {

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Under a limit on its address space (ulimit -v) the player either writes the
// very picture and log an unlimited run writes, or ends with status 1 and one
// line that says memory ran out ("player: out of memory", or the step that
// needed it: "player: the page could not be drawn: out of memory") and leaves
// the old files as they were, with nothing beside them. Never a crash and its
// message, never a font said missing that is installed, never fontconfig's
// own lines. Where memory runs out depends on the machine (its libraries, its
// fonts), so the limit sweeps from one at which the system's loader cannot
// start the player at all (status 127, where nothing is asked) up to one at
// which it runs in full.
TEST_F(PlayerCommand, UnderAMemoryLimitARunWritesItsPictureOrSaysMemoryRanOut) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address checker reserves more address space than the limit";
#endif
  const std::string png = dir_ + "/m.png", log = dir_ + "/m.log";
  struct Case {
    const char* program;
    std::string keys;
    bool log;
  };
  const std::string key_file = dir_ + "/q.keys";
  std::ofstream(key_file) << "1 Enter\n";
  const Case cases[] = {
      // Figures on the number line, drawn key by key, with the log.
      {"pellith", "1 Enter 1 Enter 1 1 1 1 1", true},
      // A topic's goal page.
      {"quorrel", "1 Enter", false},
      // Random examples and the thermometer, with the log.
      {"almeno", "1 Enter 1 Enter 1 1 1 1 1 Enter 2 Enter Right Right 1 Enter", true},
      // The keys read from a file under the limit too.
      {"quorrel", "@" + key_file, false},
  };
  // The limits are swept in steps of this many kilobytes, from the lowest,
  // until the run has gone through in full this many times in a row.
  constexpr int kStep = 250, kLowest = 8000, kHighest = 200000, kWholeRunsInARow = 4;
  int not_drawn = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " \"" + c.keys + "\"");
    std::remove(png.c_str());
    std::remove(log.c_str());
    std::vector<std::string> args = {c.program, c.keys, png};
    if (c.log) args.insert(args.end(), {"--log", log});
    const Outcome whole = Player(args);
    ASSERT_EQ(whole.status, 0) << whole.err;
    const std::map<std::string, std::string> expected = Contents(dir_);
    bool loaded = false;  // a run got past the system's loader
    int out_of_memory = 0, in_a_row = 0;
    for (int limit = kLowest; limit <= kHighest && in_a_row < kWholeRunsInARow; limit += kStep) {
      SCOPED_TRACE("ulimit -v " + std::to_string(limit));
      std::ofstream(png) << "an old picture";
      if (c.log) std::ofstream(log) << "an old log\n";
      const std::map<std::string, std::string> before = Contents(dir_);
      const Outcome run = Player(args, "/dev/null", "ulimit -v " + std::to_string(limit) + "; ");
      in_a_row = run.status == 0 ? in_a_row + 1 : 0;
      if (run.status == 127 && !loaded) continue;
      loaded = true;
      if (run.status == 0) {
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(Contents(dir_), expected) << "a picture or log other than the whole run's";
        continue;
      }
      EXPECT_EQ(run.status, 1) << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_EQ(run.err.rfind("player: ", 0), 0u) << run.err;
      EXPECT_TRUE(EndsWith(run.err, ": out of memory\n")) << run.err;
      EXPECT_EQ(Contents(dir_), before) << "a file was replaced, cut or left behind";
      ++out_of_memory;
      not_drawn += run.err == "player: the page could not be drawn: out of memory\n";
    }
    EXPECT_EQ(in_a_row, kWholeRunsInARow) << "no limit up to " << kHighest << " KB was enough";
    EXPECT_GT(out_of_memory, 0) << "no limit let the player start and then run out";
  }
  EXPECT_GT(not_drawn, 0) << "no limit let a run start but not draw its page";
}

// Under a limit on open files (ulimit -n) the player either writes the very
// picture, log and frames an unlimited run writes, or ends with status 1 and
// one line that names the limit, the old files as they were and no frame
// left: never a picture in other faces (fontconfig's configuration loaded in
// part), a font said missing that is installed, or a font file that could
// not be opened said as memory that ran out. The limit sweeps from one at
// which the system's loader cannot start the player (status 127) up to one
// at which it runs in full.
TEST_F(PlayerCommand, UnderALimitOnOpenFilesARunWritesItsPictureOrSaysTheLimit) {
  const std::string png = dir_ + "/d.png", log = dir_ + "/d.log", frames = dir_ + "/frames";
  const std::string key_file = dir_ + "/d.keys";
  std::ofstream(key_file) << "1 Enter 1 Enter\n";
  const std::vector<std::vector<std::string>> cases = {
      {"almeno", "1 Enter", png},
      {"almeno", "1 Enter", png, "--log", log},
      {"almeno", "@" + key_file, png, "--log", log, "--each", frames},
  };
  constexpr int kLowest = 3, kHighest = 64, kWholeRunsInARow = 4;
  for (const std::vector<std::string>& args : cases) {
    const bool each = args.size() > 5;
    SCOPED_TRACE(args[1] + (args.size() > 3 ? " with the log" : "") + (each ? " and frames" : ""));
    std::filesystem::remove_all(frames);
    std::filesystem::create_directory(frames);
    std::ofstream(log) << "an old log\n";  // kept by a run without the log
    const Outcome whole = Player(args);
    ASSERT_EQ(whole.status, 0) << whole.err;
    const std::map<std::string, std::string> expected = Contents(dir_),
                                             expected_frames = Contents(frames);
    bool loaded = false;  // a run got past the system's loader
    int refused = 0, in_a_row = 0;
    for (int limit = kLowest; limit <= kHighest && in_a_row < kWholeRunsInARow; ++limit) {
      SCOPED_TRACE("ulimit -n " + std::to_string(limit));
      std::ofstream(png) << "an old picture";
      std::ofstream(log) << "an old log\n";
      std::filesystem::remove_all(frames);
      std::filesystem::create_directory(frames);
      const std::map<std::string, std::string> before = Contents(dir_);
      // The limit set once the shell has made the redirections.
      const Outcome run =
          Player(args, "/dev/null",
                 "sh -c 'ulimit -n " + std::to_string(limit) + " && exec \"$0\" \"$@\"' ");
      in_a_row = run.status == 0 ? in_a_row + 1 : 0;
      if (run.status == 127 && !loaded) continue;
      loaded = true;
      if (run.status == 0) {
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(Contents(dir_) == expected) << "a picture or log other than the whole run's";
        EXPECT_TRUE(Contents(frames) == expected_frames) << "frames other than the whole run's";
        continue;
      }
      EXPECT_EQ(run.status, 1) << run.err;
      const std::string says =
          "player: too many open files (ulimit -n " + std::to_string(limit) + "): a run needs ";
      EXPECT_EQ(run.err.rfind(says, 0), 0u) << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_TRUE(Contents(dir_) == before) << "a file was replaced, cut or left behind";
      EXPECT_EQ(Listing(frames), std::set<std::string>()) << "a frame was left behind";
      ++refused;
    }
    EXPECT_EQ(in_a_row, kWholeRunsInARow) << "no limit up to " << kHighest << " was enough";
    EXPECT_GT(refused, 0) << "no limit let the player start and then refuse";
  }
}

// Fontconfig's own messages about its configuration stay off the terminal:
// a configuration with an error in it still finds the fonts the system has
// (as fontconfig falls back to its defaults), and one that finds none is
// told as a font not installed, in the player's one line.
TEST_F(PlayerCommand, FontconfigsOwnMessagesStayOffTheTerminal) {
  struct Case {
    const char* what;
    const char* configuration;
    int status;
    const char* err;
    const char* out;
  };
  const Case cases[] = {
      {"a configuration that is no XML",
       "<?xml version=\"1.0\"?>\n<fontconfig><dir>/usr/share/fonts</di", 0, "",
       "program ended (status 0)\n"},
      {"a configuration with an unknown element and no fonts",
       "<?xml version=\"1.0\"?>\n<fontconfig><no-such-element/></fontconfig>\n", 1,
       "player: the font IPAGothic is not installed (its texts would show as empty boxes)\n", ""},
  };
  const std::string conf = dir_ + "/fonts.conf", png = dir_ + "/out.png";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(conf) << c.configuration;
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    const Outcome run = Player({"almeno", "7 Enter", png});
    unsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(Exists(png), c.status == 0);
    std::remove(png.c_str());
  }
}

}  // namespace
