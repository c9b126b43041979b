// The player run as a command: what it refuses, and the operation log it
// writes as the run goes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

struct Outcome {
  int status = -1;
  std::string out, err;
};

class PlayerCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir_template[] = "/tmp/player-command-XXXXXX";
    dir_ = mkdtemp(dir_template);
  }
  void TearDown() override { std::system(("rm -rf " + Quote(dir_)).c_str()); }

  // The player on `args`, its standard input from `input`, after the shell
  // commands `before` (limits, say).
  Outcome Player(const std::vector<std::string>& args, const std::string& input = "/dev/null",
                 const std::string& before = "") {
    std::string command = before + PLAYER_PATH;
    for (const std::string& a : args) command += " " + Quote(a);
    command +=
        " <" + Quote(input) + " >" + Quote(dir_ + "/stdout") + " 2>" + Quote(dir_ + "/stderr");
    Outcome run;
    int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(dir_ + "/stdout");
    run.err = ReadFile(dir_ + "/stderr");
    return run;
  }

  std::string dir_;
};

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
    bool runs;         // the program runs before the failure shows
  };
  const Case cases[] = {
      {"a clock past 23:59:59",
       {"almeno", "7 Enter", png, "--time", "99:99:99"},
       "99:99:99",
       false},
      {"hour 24", {"almeno", "7 Enter", png, "--time", "24:00:00"}, "24:00:00", false},
      {"a clock without seconds", {"almeno", "7 Enter", png, "--time", "12:00"}, "12:00", false},
      {"--each folder missing",
       {"almeno", "7 Enter", png, "--each", dir_ + "/missing"},
       "missing",
       false},
      {"--each a file", {"almeno", "7 Enter", png, "--each", file}, "a-file", false},
      {"a log in a missing folder",
       {"almeno", "7 Enter", png, "--log", dir_ + "/missing/log.txt"},
       "log.txt",
       false},
      {"a log to a folder", {"almeno", "7 Enter", png, "--log", dir_}, "log", false},
      {"a PNG in a missing folder",
       {"almeno", "7 Enter", dir_ + "/missing/out.png"},
       "out.png",
       false},
      {"a PNG that is a folder", {"almeno", "7 Enter", dir_}, dir_.c_str(), false},
      {"an empty PNG name", {"almeno", "7 Enter", ""}, "\"\"", false},
      // Not even root may make a file there.
      {"a PNG in a folder none can write",
       {"almeno", "7 Enter", "/proc/out.png"},
       "/proc/out.png",
       false},
      {"an empty log name", {"almeno", "7 Enter", png, "--log", ""}, "log \"\"", false},
      {"an empty --each folder", {"almeno", "7 Enter", png, "--each", ""}, "--each \"\"", false},
      {"a key file that is not there",
       {"almeno", "@" + dir_ + "/missing.keys", png},
       "missing.keys",
       false},
      {"a key file with an unknown key", {"almeno", bad_keys, png}, "key in script: Esc\n", false},
      {"a key file with a NUL byte", {"almeno", nul_keys, png}, "key in script: \\x00\n", false},
      {"a key file of binary bytes",
       {"almeno", binary_keys, png},
       "key in script: \\x89PNG\n",
       false},
      {"an unknown program", {"quintel", "7 Enter", png}, "quintel", false},
      {"an unknown key", {"almeno", "7 Esc", png}, "key in script: Esc\n", false},
      {"a key of binary bytes",
       {"almeno", "7 \xff\xfe\x1b[2J Enter", png},
       "key in script: \\xff\\xfe\\x1b[2J\n",
       false},
      {"an unknown option", {"almeno", "7 Enter", png, "--speed", "2"}, "--speed", false},
      {"an option without its value", {"almeno", "7 Enter", png, "--log"}, "--log", false},
      {"a log that fills up", {"almeno", "7 Enter", png, "--log", "/dev/full"}, "/dev/full", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.args.size() > 4 && c.args[4] == "/dev/full" && !Exists("/dev/full")) continue;
    Outcome run = Player(c.args);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    // Nothing but printable ASCII reaches the terminal.
    EXPECT_TRUE(std::all_of(run.err.begin(), run.err.end(), [](char ch) {
      return ch == '\n' || (ch >= ' ' && ch < 0x7F);
    })) << run.err;
    // Arguments are refused before the program runs: no picture, no ending.
    EXPECT_EQ(run.out.empty(), !c.runs) << run.out;
    EXPECT_EQ(Exists(png), c.runs);
    std::remove(png.c_str());
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
long PeakKilobytes(const std::vector<std::string>& args) {
  pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv = {const_cast<char*>(PLAYER_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    freopen("/dev/null", "w", stdout);
    execv(PLAYER_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  return usage.ru_maxrss;
}

// A script far longer than one argument can hold runs from a file, read as
// the run goes: 200,000 keys take no more memory than 2,000.
TEST_F(PlayerCommand, ALongKeyFileRunsInFlatMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address checker keeps freed memory aside";
#endif
  auto script = [&](int keys) {
    const std::string path = dir_ + "/" + std::to_string(keys) + ".keys";
    std::ofstream out(path);
    // Arrow keys at the main menu: taken and ignored, nothing drawn.
    for (int i = 0; i < keys; ++i) out << (i % 10 == 9 ? "Left\n" : "Left ");
    return "@" + path;
  };
  const long few = PeakKilobytes({"almeno", script(2000), "-"});
  const long many = PeakKilobytes({"almeno", script(200000), "-"});
  // Kept in memory, 200,000 keys would take several megabytes.
  EXPECT_LT(many - few, 2048) << few << " KB for 2,000 keys, " << many << " KB for 200,000";
  Outcome run = Player({"almeno", script(200000), "-"});
  EXPECT_EQ(run.out, "script used up\n");
}

// A picture that cannot be written is reported in the player's one line, no
// other (libpng says nothing), and leaves no file behind: neither half a
// picture nor a temporary file; a picture that was there stays as it was.
TEST_F(PlayerCommand, AFailedPictureLeavesNothingHalfWritten) {
  const std::string png = dir_ + "/out.png";
  // Files beyond 8 blocks cannot be written (and that is no signal).
  const std::string small_files = "trap '' XFSZ; ulimit -f 8; ";
  struct Case {
    const char* what;
    std::string out;
    const char* before;  // the file's content before the run; nullptr: none
  };
  const Case cases[] = {
      {"a new picture too large", png, nullptr},
      {"a picture too large over an old one", png, "old picture"},
      {"a device that is full", "/dev/full", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.out == "/dev/full" && !Exists("/dev/full")) continue;
    if (c.before) std::ofstream(c.out) << c.before;
    Outcome run = Player({"almeno", "7 Enter", c.out}, "/dev/null", small_files);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "program ended (status 0)\n");
    EXPECT_EQ(run.err, "player: cannot write " + c.out + "\n");
    if (c.out == png) {
      EXPECT_EQ(Exists(png), c.before != nullptr);
      if (c.before) {
        EXPECT_TRUE(ReadFile(png) == c.before) << "the old picture was overwritten";
      }
    }
    // Nothing else beside it: no temporary file left over.
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
      left.insert(entry.path().filename());
    std::set<std::string> expected = {"stdout", "stderr"};
    if (c.out == png && c.before) expected.insert("out.png");
    EXPECT_EQ(left, expected);
    std::remove(png.c_str());
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
