// The player run as a command: what it refuses, and the operation log it
// writes as the run goes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
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

  Outcome Player(const std::vector<std::string>& args) {
    std::string command = PLAYER_PATH;
    for (const std::string& a : args) command += " " + Quote(a);
    command += " >" + Quote(dir_ + "/stdout") + " 2>" + Quote(dir_ + "/stderr");
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
      {"an unknown program", {"quintel", "7 Enter", png}, "quintel", false},
      {"an unknown key", {"almeno", "7 Escape", png}, "Escape", false},
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
