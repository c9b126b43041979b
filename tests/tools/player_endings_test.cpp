// How a player run ends, and what it leaves: ending signals however many
// come, and names as long as a folder takes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
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

// The player started in the background as a terminal starts it: every
// signal at its usual action and none held, no core file (SIGQUIT would
// write one), standard output to /dev/null and standard error to `err`.
pid_t StartPlayer(const std::vector<std::string>& args, const std::string& err) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    for (int sig = 1; sig < NSIG; ++sig) signal(sig, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    const int out = open("/dev/null", O_WRONLY),
              errors = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    std::vector<char*> argv = {const_cast<char*>(PLAYER_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(PLAYER_PATH, argv.data());
    _exit(127);
  }
  return child;
}

// How `child` ended (a wait status), waiting at most `seconds`; -1 when it
// was still running then (it is killed).
int WaitFor(pid_t child, int seconds = 60) {
  int status = 0;
  for (int waited = 0; waited < seconds * 1000; ++waited) {
    if (waitpid(child, &status, WNOHANG) == child) return status;
    usleep(1000);
  }
  kill(child, SIGKILL);
  waitpid(child, &status, 0);
  return -1;
}

std::string Describe(int status) {
  if (status == -1) return "still running";
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  return std::string("ended by ") + strsignal(WTERMSIG(status));
}

// A key script of `count` arrow keys at the main menu, each logged: a run of
// some time.
std::string LongScript(const std::string& dir, int count) {
  const std::string path = dir + "/" + std::to_string(count) + ".keys";
  std::ofstream out(path);
  for (int i = 0; i < count; ++i) out << (i % 10 == 9 ? "Left\n" : "Left ");
  return path;
}

// The names of the temporary files beside `file` in its folder.
std::vector<std::string> TemporariesOf(const std::string& file) {
  std::vector<std::string> names;
  const fs::path path(file);
  const std::string prefix = path.filename().string() + ".";
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(path.parent_path(), error)) {
    const std::string name = entry.path().filename();
    if (name.rfind(prefix, 0) == 0) names.push_back(name);
  }
  return names;
}

// Waits until the run of `child` is under way: the temporary files of all
// `files` are there. False when the player ended first.
bool UnderWay(pid_t child, const std::vector<std::string>& files) {
  for (;;) {
    bool all = true;
    for (const std::string& file : files) all = all && !TemporariesOf(file).empty();
    if (all) return true;
    if (waitpid(child, nullptr, WNOHANG) == child) return false;
    usleep(500);
  }
}

// Every signal whose usual action ends a program, sent 100 at a time (one
// kind, or several in turn) to a player under way: the first removes the
// temporary files before any ends the player, the files that were there keep
// their bytes, and the player ends as the first signal delivered ends it,
// printing nothing. A crash signal shows the last-chance message and ends
// with status 3 instead. SIGKILL cannot be caught: it leaves the two
// temporaries, named for the player and its process number.
TEST_F(PlayerCommand, EveryEndingSignalLeavesNothingHoweverManyCome) {
  const std::string keys = "@" + LongScript(dir_, 400000);
  const std::string files = dir_ + "/files", err = dir_ + "/err";
  const std::string png = files + "/out.png", log = files + "/out.log";
  struct Case {
    const char* what;
    std::vector<int> signals;  // sent in turn, 100 in all
    bool old_files;            // a picture and a log were there before the run
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
    for (int i = 0; i < 100; ++i) kill(child, c.signals[i % c.signals.size()]);
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
