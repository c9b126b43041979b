// The player run as a command in a folder of its own, for the tests of the
// player: its status, what it printed, and the files it left; or started as
// a child the test holds, to signal it during its run. PLAYER_PATH, the
// player's path, comes from the build of the tests that include it.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bounded_wait.h"
#include "test_files.h"

inline bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// In a child process: becomes the player on `args`, or with `through` the
// program its words name (found on PATH), given them, the player's path and
// `args` (a tracer that runs the player); status 127 when it cannot.
[[noreturn]] inline void ExecPlayer(const std::vector<std::string>& args,
                                    const std::vector<std::string>& through = {}) {
  std::vector<char*> argv;
  for (const std::string& word : through) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(const_cast<char*>(PLAYER_PATH));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  if (through.empty()) {
    execv(PLAYER_PATH, argv.data());
  } else {
    execvp(argv[0], argv.data());
  }
  _exit(127);
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
  void TearDown() override { std::system(("rm -rf " + ShellQuoted(dir_)).c_str()); }

  // The player on `args`, its standard input from `input`, after the shell
  // commands `before` (limits, say), with the redirections `after` made
  // last (a descriptor closed, standard output to a device).
  Outcome Player(const std::vector<std::string>& args, const std::string& input = "/dev/null",
                 const std::string& before = "", const std::string& after = "") {
    std::string command = before + PLAYER_PATH;
    for (const std::string& a : args) command += " " + ShellQuoted(a);
    command += " <" + ShellQuoted(input) + " >" + ShellQuoted(dir_ + "/stdout") + " 2>" +
               ShellQuoted(dir_ + "/stderr") + after;
    Outcome run;
    int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(dir_ + "/stdout");
    run.err = ReadFile(dir_ + "/stderr");
    return run;
  }

  std::string dir_;
};

// The files a failed run must leave as they were: their names and contents.
inline std::map<std::string, std::string> Contents(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const std::string& name : Listing(dir)) {
    if (name != "stdout" && name != "stderr") files[name] = ReadFile(dir + "/" + name);
  }
  return files;
}

// A key script of `count` arrow keys at the main menu, each taken and
// ignored (and logged, with a log): a run of some time. Written in `dir`,
// its path.
inline std::string LongScript(const std::string& dir, int count) {
  const std::string path = dir + "/" + std::to_string(count) + ".keys";
  std::ofstream out(path);
  for (int i = 0; i < count; ++i) out << (i % 10 == 9 ? "Left\n" : "Left ");
  return path;
}

// In a child process about to become another program: as a terminal starts
// it, every signal at its usual action and none held, no core file (SIGQUIT
// would write one), standard output to the file `out` and standard error to
// the file `err`.
inline void AsATerminalStartsIt(const std::string& out, const std::string& err) {
  for (int sig = 1; sig < NSIG; ++sig) signal(sig, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  const rlimit no_core{0, 0};
  setrlimit(RLIMIT_CORE, &no_core);
  const int output = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644),
            errors = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  dup2(output, STDOUT_FILENO);
  dup2(errors, STDERR_FILENO);
}

// The player on `args` started in the background as a terminal starts it,
// standard output to the file `out` (/dev/null unless given) and standard
// error to the file `err`. Returns its process number.
inline pid_t StartPlayer(const std::vector<std::string>& args, const std::string& err,
                         const std::string& out = "/dev/null") {
  std::fflush(nullptr);  // nothing buffered is written twice
  const pid_t child = fork();
  if (child == 0) {
    AsATerminalStartsIt(out, err);
    ExecPlayer(args);
  }
  return child;
}

// How the started player `child` ended (a wait status), with what it used
// in `usage` when given; -1 when the wait gave up on it, which only a player
// that hangs doing next to nothing makes it do (it is then killed).
inline int WaitFor(pid_t child, rusage* usage = nullptr) {
  int status = 0;
  if (WaitUntil("the player (process " + std::to_string(child) + ") to end",
                [&] { return wait4(child, &status, WNOHANG, usage) == child; })) {
    return status;
  }
  kill(child, SIGKILL);
  wait4(child, &status, 0, usage);
  return -1;
}

// A wait status as words.
inline std::string Describe(int status) {
  if (status == -1) return "still running";
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  return std::string("ended by ") + strsignal(WTERMSIG(status));
}

// The names of the temporary files beside `file` in its folder.
inline std::vector<std::string> TemporariesOf(const std::string& file) {
  std::vector<std::string> names;
  const std::filesystem::path path(file);
  const std::string prefix = path.filename().string() + ".";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), error)) {
    const std::string name = entry.path().filename();
    if (name.rfind(prefix, 0) == 0) names.push_back(name);
  }
  return names;
}

// Waits until the run of the started player `child` is under way: the
// temporary files of all `files` are there. False when the player ended
// first (it is then waited for), or when they never came (it is then
// killed).
inline bool UnderWay(pid_t child, const std::vector<std::string>& files) {
  bool ended = false;
  const bool seen = WaitUntil("the player's temporary files", [&] {
    bool all = true;
    for (const std::string& file : files) all = all && !TemporariesOf(file).empty();
    ended = !all && waitpid(child, nullptr, WNOHANG) == child;
    return all || ended;
  });
  if (!seen) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  return seen && !ended;
}
