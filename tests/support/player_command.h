// The player run as a command in a folder of its own, for the tests of the
// player: its status, what it printed, and the files it left. PLAYER_PATH,
// the player's path, comes from the build of the tests that include it.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "test_files.h"

inline bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// In a child process: becomes the player on `args` (status 127 when it
// cannot).
[[noreturn]] inline void ExecPlayer(const std::vector<std::string>& args) {
  std::vector<char*> argv = {const_cast<char*>(PLAYER_PATH)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(PLAYER_PATH, argv.data());
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
