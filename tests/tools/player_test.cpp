// The player run as a command: what it refuses, and the operation log it
// writes as the run goes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "player_command.h"
#include "test_files.h"

namespace {

TEST_F(PlayerCommand, RefusesWhatItCannotDoInOneLineWithAFailingStatus) {
  const std::string png = dir_ + "/out.png";
  const std::string file = dir_ + "/a-file";
  std::ofstream(file) << "x";
  auto key_file = [&](const std::string& name, const std::string& content) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << content;
    return "@" + dir_ + "/" + name;
  };
  const std::string bad_keys = key_file("bad.keys", "7\nEnter\nEsc\n");
  const std::string nul_keys = key_file("nul.keys", std::string("7\nEnter\n\0\nEnter\n", 16));
  const std::string binary_keys = key_file("binary.keys", "7 Enter\n\x89PNG\r\n\x1a\n");
  struct Case {
    const char* what;
    std::vector<std::string> args;
    const char* says;  // a part of the one line on standard error
  };
  const Case cases[] = {
      {"a clock past 23:59:59", {"almeno", "7 Enter", png, "--time", "99:99:99"}, "99:99:99"},
      {"hour 24", {"almeno", "7 Enter", png, "--time", "24:00:00"}, "24:00:00"},
      {"a clock without seconds", {"almeno", "7 Enter", png, "--time", "12:00"}, "12:00"},
      {"--each folder missing", {"almeno", "7 Enter", png, "--each", dir_ + "/missing"}, "missing"},
      {"--each a file", {"almeno", "7 Enter", png, "--each", file}, "a-file"},
      {"a log in a missing folder",
       {"almeno", "7 Enter", png, "--log", dir_ + "/missing/log.txt"},
       "log.txt"},
      {"a log to a folder", {"almeno", "7 Enter", png, "--log", dir_}, "log"},
      {"a PNG in a missing folder", {"almeno", "7 Enter", dir_ + "/missing/out.png"}, "out.png"},
      {"a PNG that is a folder", {"almeno", "7 Enter", dir_}, dir_.c_str()},
      {"an empty PNG name", {"almeno", "7 Enter", ""}, "\"\""},
      // Not even root may make a file there.
      {"a PNG in a folder none can write", {"almeno", "7 Enter", "/proc/out.png"}, "/proc/out.png"},
      {"an empty log name", {"almeno", "7 Enter", png, "--log", ""}, "log \"\""},
      {"an empty --each folder", {"almeno", "7 Enter", png, "--each", ""}, "--each \"\""},
      {"a key file that is not there",
       {"almeno", "@" + dir_ + "/missing.keys", png},
       "missing.keys"},
      {"a key file with an unknown key", {"almeno", bad_keys, png}, "key in script: Esc\n"},
      {"a key file with a NUL byte", {"almeno", nul_keys, png}, "key in script: \\x00\n"},
      {"a key file of binary bytes", {"almeno", binary_keys, png}, "key in script: \\x89PNG\n"},
      {"an unknown program", {"quintel", "7 Enter", png}, "quintel"},
      {"an unknown key", {"almeno", "7 Esc", png}, "key in script: Esc\n"},
      {"a key of binary bytes",
       {"almeno", "7 \xff\xfe\x1b[2J Enter", png},
       "key in script: \\xff\\xfe\\x1b[2J\n"},
      {"an unknown option", {"almeno", "7 Enter", png, "--speed", "2"}, "--speed"},
      {"an option without its value", {"almeno", "7 Enter", png, "--log"}, "--log"},
      // Each value is checked, and taken only once.
      {"a clock given twice, the first no time of day",
       {"almeno", "7 Enter", png, "--time", "99:99:99", "--time", "12:00:00"},
       "--time is given twice"},
      {"a log given twice, the first in a folder none can write",
       {"almeno", "7 Enter", png, "--log", "/proc/x", "--log", dir_ + "/b.log"},
       "--log is given twice"},
      {"a frame folder given twice",
       {"almeno", "7 Enter", png, "--each", dir_, "--each", dir_},
       "--each is given twice"},
      {"an option before the program's name",
       {"--time", "12:00:00", "almeno", "1 Enter", "-"},
       "--time stands where the program's name must"},
      {"an option before the program's name, nothing after it",
       {"--log", dir_ + "/b.log"},
       "--log stands where the program's name must"},
      {"an option where the picture must stand",
       {"almeno", "1 Enter", "--each", dir_, png},
       "--each stands where the picture must"},
  };
  const std::set<std::string> files_before = Listing(dir_);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Outcome run = Player(c.args);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    // Nothing but printable ASCII reaches the terminal.
    EXPECT_TRUE(std::all_of(run.err.begin(), run.err.end(), [](char ch) {
      return ch == '\n' || (ch >= ' ' && ch < 0x7F);
    })) << run.err;
    // Arguments are refused before the program runs: no ending, and no
    // file made, neither the picture nor a temporary one.
    EXPECT_EQ(run.out, "");
    std::set<std::string> left = Listing(dir_);
    left.erase("stdout"), left.erase("stderr");
    EXPECT_EQ(left, files_before);
  }
}

TEST_F(PlayerCommand, AcceptedArgumentsRunQuietly) {
  const std::string png = dir_ + "/out.png", log = dir_ + "/log.txt";
  Outcome run =
      Player({"almeno", "7 Enter", png, "--log", log, "--time", "23:59:59", "--each", dir_});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "program ended (status 0)\n");
  EXPECT_TRUE(Exists(png));
  EXPECT_TRUE(Exists(dir_ + "/0001.png"));
  EXPECT_NE(ReadFile(log).find("print\tPrintMarkup"), std::string::npos);
}

// Keys the answer field ignores (the arrows, letters, a blank) leave the
// picture as it was, at the menu and at a submenu alike.
TEST_F(PlayerCommand, KeysTheAnswerFieldIgnoresChangeNoPixel) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "1 Right Left x Up"},
      {"4 Enter", "4 Enter Down Space A Left"},
  };
  for (auto [keys, with_ignored] : cases) {
    SCOPED_TRACE(with_ignored);
    const std::string plain = dir_ + "/plain.png", ignored = dir_ + "/ignored.png";
    EXPECT_EQ(Player({"almeno", keys, plain}).out, "script used up\n");
    EXPECT_EQ(Player({"almeno", with_ignored, ignored}).out, "script used up\n");
    EXPECT_TRUE(ReadFile(plain) == ReadFile(ignored)) << "the pictures differ";
  }
}

// The log goes to its file as the run goes: a long run needs no more memory
// than a short one.
TEST_F(PlayerCommand, ALongRunKeepsNoLogInMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address checker keeps freed memory aside";
#endif
  // Topic 1, its first item, and then the example pages key after key.
  std::string keys = "1 Enter 1 Enter";
  for (int i = 0; i < 10000; ++i) keys += " 1 Enter";
  const std::string log = dir_ + "/log.txt";
  Outcome run = Player({"almeno", keys, dir_ + "/out.png", "--log", log});
  EXPECT_EQ(run.status, 0) << run.err;
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  struct stat st;
  ASSERT_EQ(stat(log.c_str(), &st), 0);
  EXPECT_GT(st.st_size, 20 << 20) << "the run should log a lot";
  EXPECT_LT(usage.ru_maxrss, 80 << 10) << "kilobytes";  // the log alone would exceed it
}

// @FILE and @- read the key script from a file or standard input, blanks
// and line ends alike, and run exactly as the same keys given inline.
TEST_F(PlayerCommand, KeysFromAFileOrStandardInputRunAsInline) {
  const std::string keys = "1 Enter 1 Enter Right Right Enter";
  const std::string file = dir_ + "/run.keys";
  std::ofstream(file) << "1\n Enter\t1 Enter\n\nRight Right\r\nEnter";
  auto log_of = [&](const std::string& script, const std::string& input) {
    const std::string log = dir_ + "/log.txt";
    Outcome run = Player({"almeno", script, "-", "--log", log}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "script used up\n");
    return ReadFile(log);
  };
  const std::string inline_log = log_of(keys, "/dev/null");
  EXPECT_GT(inline_log.size(), 1000u);
  EXPECT_EQ(log_of("@" + file, "/dev/null"), inline_log);
  EXPECT_EQ(log_of("@-", file), inline_log);
  // An "@" on its own is still a key.
  Outcome at_key = Player({"almeno", "@ 7 Enter", "-"});
  EXPECT_EQ(at_key.out, "program ended (status 0)\n") << at_key.err;
}

// The peak memory of one player run, in kilobytes.
long PeakKilobytes(const std::vector<std::string>& args, const std::string& err) {
  rusage usage{};
  const int status = WaitFor(StartPlayer(args, err), &usage);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << Describe(status) << ": " << ReadFile(err);
  return usage.ru_maxrss;
}

// A script far longer than one argument can hold runs from a file, read as
// the run goes: 200,000 keys take no more memory than 2,000.
TEST_F(PlayerCommand, ALongKeyFileRunsInFlatMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address checker keeps freed memory aside";
#endif
  // Arrow keys at the main menu: taken and ignored, nothing drawn.
  auto script = [&](int keys) { return "@" + LongScript(dir_, keys); };
  const long few = PeakKilobytes({"almeno", script(2000), "-"}, dir_ + "/stderr");
  const long many = PeakKilobytes({"almeno", script(200000), "-"}, dir_ + "/stderr");
  // Kept in memory, 200,000 keys would take several megabytes.
  EXPECT_LT(many - few, 2048) << few << " KB for 2,000 keys, " << many << " KB for 200,000";
  Outcome run = Player({"almeno", script(200000), "-"});
  EXPECT_EQ(run.out, "script used up\n");
}

// A run whose picture, log or frame cannot be written in full says so in
// one line, no other (libpng says nothing; nothing of how the run ended),
// ends with status 1, and replaces
// neither file: a picture or log that was there keeps its bytes, and
// nothing else is left beside them, neither a temporary file nor half a
// file. A file-size limit is no signal that ends the player.
TEST_F(PlayerCommand, AFailedRunReplacesNeitherFileAndLeavesNothingHalfWritten) {
  const std::string png = dir_ + "/out.png", log = dir_ + "/out.log";
  const std::string frames = dir_ + "/frames";
  const std::string ends_menu = "7 Enter", opens_topic = "1 Enter";
  struct Case {
    const char* what;
    std::string keys;
    std::string picture;
    std::string log;     // "": none
    std::string before;  // shell commands before the player: its limits
    bool old_files;      // a picture and a log were there before the run
    std::string says;    // the one line on standard error, after "player: "
    bool each = false;   // frames were written to `frames`
  };
  const std::string too_large = ": File too large";
  const std::string full = ": No space left on device";
  const Case cases[] = {
      {"a new picture beyond the size limit", ends_menu, png, "", "ulimit -f 8; ", false,
       "cannot write " + png + too_large},
      {"a picture beyond the size limit over an old one", ends_menu, png, "", "ulimit -f 8; ", true,
       "cannot write " + png + too_large},
      {"a topic's page beyond a limit of 64 blocks", opens_topic, png, "", "ulimit -f 64; ", false,
       "cannot write " + png + too_large},
      {"a picture and a log beyond the size limit", opens_topic, png, log, "ulimit -f 8; ", true,
       "cannot write the log " + log + too_large},
      {"the picture on a full device, over an old log", ends_menu, "/dev/full", log, "", true,
       "cannot write /dev/full" + full},
      {"the log on a full device, over an old picture", ends_menu, png, "/dev/full", "", true,
       "cannot write the log /dev/full" + full},
      {"the log on a full device, no old picture", ends_menu, png, "/dev/full", "", false,
       "cannot write the log /dev/full" + full},
      {"a frame beyond the size limit", ends_menu, png, log,
       "mkdir -p " + ShellQuoted(frames) + "; ulimit -f 8; ", true,
       "cannot write " + frames + "/0001.png" + too_large, true},
      // The frames are one run's: a run that fails keeps none.
      {"frames written, then the picture on a full device", opens_topic, "/dev/full", log,
       "mkdir -p " + ShellQuoted(frames) + "; ", true, "cannot write /dev/full" + full, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if ((c.picture == "/dev/full" || c.log == "/dev/full") && !Exists("/dev/full")) continue;
    std::vector<std::string> args = {"almeno", c.keys, c.picture};
    if (!c.log.empty()) args.insert(args.end(), {"--log", c.log});
    if (c.each) args.insert(args.end(), {"--each", frames});
    if (c.old_files) {
      std::ofstream(png) << "an old picture";
      std::ofstream(log) << "an old log\n";
    }
    const std::map<std::string, std::string> before = Contents(dir_);
    Outcome run = Player(args, "/dev/null", c.before);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "") << "how the run ended, printed for a run that failed";
    EXPECT_EQ(run.err, "player: " + c.says + "\n");
    std::map<std::string, std::string> after = Contents(dir_);
    if (c.each) {
      EXPECT_EQ(Listing(frames), std::set<std::string>()) << "a frame was left behind";
      after.erase("frames");
    }
    EXPECT_EQ(after, before) << "a file was replaced, cut or left behind";
    std::filesystem::remove_all(frames);
    std::remove(png.c_str());
    std::remove(log.c_str());
  }
}

// The same file given twice, where one would replace the other (or the key
// script being read), is refused before the run, however it is spelt.
TEST_F(PlayerCommand, OneFileGivenTwiceIsRefused) {
  const std::string png = dir_ + "/x.png", keys = dir_ + "/x.keys";
  std::ofstream(keys) << "7 Enter\n";
  struct Case {
    const char* what;
    std::string picture, log;
    bool there;  // the file is there before the run
    std::string keys = "7 Enter";
  };
  const std::string link = dir_ + "/link.png";
  const Case cases[] = {
      {"one new path twice", png, png, false},
      {"one file twice", png, png, true},
      {"./x.png and x.png, a new file", dir_ + "/./x.png", png, false},
      {"a folder and back, a new file", png, dir_ + "/sub/../x.png", false},
      {"a hard link", link, png, true},
      {"a symbolic link", png, link, true},
      {"the log over the keys", png, keys, true, "@" + keys},
      {"the picture over the keys", dir_ + "/./x.keys", "", true, "@" + keys},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::create_directory(dir_ + "/sub");
    if (c.there) std::ofstream(png) << "an old picture";
    if (std::string(c.what) == "a hard link") std::filesystem::create_hard_link(png, link);
    if (std::string(c.what) == "a symbolic link") std::filesystem::create_symlink(png, link);
    const std::map<std::string, std::string> before = Contents(dir_);
    std::vector<std::string> args = {"almeno", c.keys, c.picture};
    if (!c.log.empty()) args.insert(args.end(), {"--log", c.log});
    Outcome run = Player(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("are one file"), std::string::npos) << run.err;
    EXPECT_EQ(Contents(dir_), before);
    std::remove(png.c_str());
    std::remove(link.c_str());
  }
  // A device takes whatever is written to it, twice as well.
  Outcome run = Player({"almeno", "7 Enter", "/dev/null", "--log", "/dev/null"});
  EXPECT_EQ(run.status, 0) << run.err;
}

// A signal that ends the player during a run removes what the run made (its
// temporary files and its frames), leaves the files that were there as they
// were, and ends it as the signal does; so does a crash, with the crash's
// status.
TEST_F(PlayerCommand, ASignalOrACrashDuringARunLeavesTheFilesAsTheyWere) {
  // Arrow keys at the main menu, each logged: a run of some seconds.
  const std::string keys = LongScript(dir_, 1000000);
  const std::string png = dir_ + "/out.png", log = dir_ + "/out.log";
  const std::string frames = dir_ + "/frames";
  std::filesystem::create_directory(frames);
  struct Case {
    int signal;
    bool old_files;
    bool each = false;  // frames written to `frames`
  };
  const Case cases[] = {{SIGTERM, true},       {SIGINT, false},       {SIGHUP, true},
                        {SIGTERM, false},      {SIGSEGV, true},       {SIGTERM, true, true},
                        {SIGINT, false, true}, {SIGSEGV, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(strsignal(c.signal));
    if (c.old_files) {
      std::ofstream(png) << "an old picture";
      std::ofstream(log) << "an old log\n";
    }
    const std::map<std::string, std::string> before = Contents(dir_);
    std::vector<std::string> args = {"almeno", "@" + keys, png, "--log", log};
    if (c.each) args.insert(args.end(), {"--each", frames});
    const pid_t child = StartPlayer(args, dir_ + "/stderr");
    ASSERT_TRUE(UnderWay(child, {png, log}))
        << "the run ended before its temporary files were seen";
    // With frames, the run is under way once its second frame is there too.
    if (c.each) {
      bool ended = false;
      ASSERT_TRUE(WaitUntil("the run's second frame",
                            [&] {
                              ended = waitpid(child, nullptr, WNOHANG) == child;
                              return ended || Listing(frames).count("0002.png");
                            }) &&
                  !ended)
          << "the run ended before its frames, or they never came";
    }
    kill(child, c.signal);
    const int status = WaitFor(child);
    if (c.signal == SIGSEGV) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << status;
      // The last-chance message, one line.
      const std::string err = ReadFile(dir_ + "/stderr");
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    } else {
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
    }
    EXPECT_EQ(Contents(dir_), before) << "a file was replaced, cut or left behind";
    EXPECT_EQ(Listing(frames), std::set<std::string>()) << "a frame was left behind";
    std::remove(png.c_str());
    std::remove(log.c_str());
  }
}

}  // namespace

namespace {

// Without the fonts every Japanese character would be an empty box: the
// player says which font is missing and runs nothing.
TEST_F(PlayerCommand, WithoutItsFontsThePlayerSaysSoAndRunsNothing) {
  const std::string conf = dir_ + "/no-fonts.conf", png = dir_ + "/out.png";
  std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  setenv("FONTCONFIG_FILE", conf.c_str(), 1);
  Outcome run = Player({"almeno", "7 Enter", png});
  unsetenv("FONTCONFIG_FILE");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "player: the font IPAGothic is not installed (its texts would show as empty "
            "boxes)\n");
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(Exists(png));
}

}  // namespace
