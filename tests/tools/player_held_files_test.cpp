// What the player holds decides, at the moment that decides: a file given
// twice through a folder swapped as the files are opened, a folder or a
// link changed between a look and the act, a key file replaced, a frame
// moved away and another file put under its name. Each case stops the
// player (strace sends it SIGSTOP) just after one call of its own, changes
// the files, and lets it go on.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "player_command.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

// The lines strace wrote of the calls it followed, but its notes ("---",
// "+++").
std::vector<std::string> CallLines(const std::string& trace) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFile(trace));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.rfind("---", 0) != 0 && line.rfind("+++", 0) != 0) {
      lines.push_back(line);
    }
  }
  return lines;
}

// The call a line is of: "renameat2" of "renameat2(3, ...) = 0".
std::string CallOf(const std::string& line) {
  return line.substr(0, line.find('('));
}

// Where a case stops the player: after the line (of the calls followed)
// that this picks, by its place in the lines of a run that was not stopped;
// lines.size() when there is none.
using StopAt = std::function<size_t(const std::vector<std::string>& lines)>;

// The first line that holds `text`.
StopAt First(const std::string& text) {
  return [text](const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].find(text) != std::string::npos) return i;
    }
    return lines.size();
  };
}

// The line just before the first of the call `call`.
StopAt JustBeforeFirst(const std::string& call) {
  return [call](const std::vector<std::string>& lines) {
    for (size_t i = 1; i < lines.size(); ++i) {
      if (CallOf(lines[i]) == call) return i - 1;
    }
    return lines.size();
  };
}

// Every file below `dir` (see Tree), a picture as "(picture)" and an
// operation log as "(log)".
std::map<std::string, std::string> Files(const std::string& dir) {
  std::map<std::string, std::string> files = Tree(dir);
  for (auto& [name, bytes] : files) {
    if (bytes.rfind("\x89PNG", 0) == 0) bytes = "(picture)";
    if (bytes.find("\nprint\t") != std::string::npos) bytes = "(log)";
  }
  return files;
}

struct Held {
  const char* what;
  std::string setup;  // shell commands, in the case's folder
  std::vector<std::string> args;
  // The files and folders (of the case's folder) whose calls are followed,
  // the calls followed, and after which of them the player stops.
  std::vector<std::string> traced;
  std::string calls;
  StopAt stop;
  std::string change;                        // shell commands while it is stopped
  int signal;                                // then sent to it, 0 for none
  int status;                                // its exit status, or minus the signal that ends it
  std::string says;                          // standard error, after "player: "
  std::map<std::string, std::string> files;  // the case's folder afterwards
};

class PlayerHeld : public PlayerCommand {
 protected:
  std::string folder() const { return dir_ + "/w"; }

  // A fresh case folder, set up as `c` says.
  void SetUpFolder(const Held& c) {
    fs::remove_all(folder());
    fs::create_directory(folder());
    ASSERT_EQ(std::system(("cd " + ShellQuoted(folder()) + " && " + c.setup).c_str()), 0);
  }

  // The shell command that runs the player on `c` under strace, its trace
  // to `trace`, with `inject` ("" for none). (The leak checker of the
  // checked build cannot work under a tracer.)
  std::string Traced(const Held& c, const std::string& trace, const std::string& inject) {
    std::string command = "cd " + ShellQuoted(folder()) +
                          " && ASAN_OPTIONS=detect_leaks=0 exec strace -qq -o " +
                          ShellQuoted(trace) + " -e trace=" + c.calls + " " + inject;
    for (const std::string& path : c.traced) {
      command += " -P " + ShellQuoted(path == "." ? folder() : folder() + "/" + path);
    }
    command += " " PLAYER_PATH;
    for (const std::string& a : c.args) command += " " + ShellQuoted(a);
    return command + " >" + ShellQuoted(dir_ + "/out") + " 2>" + ShellQuoted(dir_ + "/err");
  }

  // The player on `c`, stopped as the case says, the files changed and the
  // player let go on: its wait status, or -1 when it never stopped there.
  int RunHeld(const Held& c) {
    // A run not stopped, with the same files, shows which call it is and
    // how many of that call come before it.
    SetUpFolder(c);
    const std::string trace = dir_ + "/trace";
    std::system(Traced(c, trace, "").c_str());
    const std::vector<std::string> lines = CallLines(trace);
    const size_t at = c.stop(lines);
    EXPECT_LT(at, lines.size()) << "no line to stop after, of " << lines.size();
    if (at >= lines.size()) return -1;
    const std::string call = CallOf(lines[at]);
    int nth = 0;
    for (size_t i = 0; i <= at; ++i) nth += CallOf(lines[i]) == call;

    SetUpFolder(c);
    const std::string inject = "-e inject=" + call + ":signal=SIGSTOP:when=" + std::to_string(nth);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      setpgid(0, 0);
      execl("/bin/sh", "sh", "-c", Traced(c, trace, inject).c_str(), nullptr);
      _exit(127);
    }
    setpgid(child, child);
    bool ended = false;
    const bool stopped = WaitUntil("the player to stop after " + lines[at], [&] {
      ended = waitpid(child, nullptr, WNOHANG) == child;
      return ended || ReadFile(trace).find("--- stopped by SIGSTOP") != std::string::npos;
    });
    if (!stopped || ended) {
      ADD_FAILURE() << "the player did not stop after " << lines[at];
      if (!ended) kill(-child, SIGKILL);
      if (!ended) waitpid(child, nullptr, 0);
      return -1;
    }
    EXPECT_EQ(std::system(("cd " + ShellQuoted(folder()) + " && " + c.change).c_str()), 0);
    if (c.signal) {
      // The player is strace's child.
      const std::string task = "/proc/" + std::to_string(child) + "/task/" + std::to_string(child);
      const pid_t player = std::atoi(ReadFile(task + "/children").c_str());
      EXPECT_GT(player, 0);
      if (player > 0) kill(player, c.signal);
    }
    kill(-child, SIGCONT);
    return WaitFor(child);
  }
};

// A change made while the player is stopped at the moment that decides is
// judged by what the player holds: a file given twice once its folder was
// swapped is refused before the run; a path that no longer leads, at the
// end of the run, to the file the player named (its folder moved or
// replaced, before or after the name was taken; a link pointed elsewhere)
// or to the key file it read (replaced by another, removed, a FIFO in its
// place) fails the run, every file as it was. A run that fails, or a
// signal, removes no file that took a frame's name meanwhile: only frames
// whose name still holds them.
TEST_F(PlayerHeld, AChangeAtTheMomentThatDecidesIsJudgedByWhatThePlayerHolds) {
  if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "strace cannot run here";
  }
  const std::string old_files =
      "mkdir p l && printf oldpic > p/out.png && printf oldlog > l/out.log";
  const std::vector<std::string> picture_and_log = {"almeno", "1 Enter", "p/out.png", "--log",
                                                    "l/out.log"};
  const std::string key_file = "printf '1 Enter\\n' > k && printf oldpic > out.png";
  const std::string keys_changed = "the keys \"k\" changed during the run";
  const std::map<std::string, std::string> old_picture_and_keys = {{"k", "1 Enter\n"},
                                                                   {"out.png", "oldpic"}};
  const Held cases[] = {
      {"the log's folder swapped for a link to the picture's as the files are opened",
       "mkdir p l && printf oldpic > p/out.png && printf oldlog > l/out.png",
       {"almeno", "1 Enter", "p/out.png", "--log", "l/out.png"},
       {"p"},
       "openat",
       First("O_CREAT"),
       "mv l l2 && ln -s p l",
       0,
       2,
       "the picture \"p/out.png\" and the log \"l/out.png\" are one file",
       {{"p", "folder"},
        {"p/out.png", "oldpic"},
        {"l", "link to p"},
        {"l2", "folder"},
        {"l2/out.png", "oldlog"}}},
      {"the picture's folder swapped for a link to the frames' as the files are opened",
       "mkdir x fr && printf oldpic > x/0001.png",
       {"almeno", "1 Enter 2 Enter", "x/0001.png", "--each", "fr"},
       {"fr"},
       "openat",
       First("O_TMPFILE"),
       "mv x x2 && ln -s fr x",
       0,
       2,
       "a frame of --each \"fr\" would replace the picture \"x/0001.png\"",
       {{"fr", "folder"}, {"x", "link to fr"}, {"x2", "folder"}, {"x2/0001.png", "oldpic"}}},
      {"the log's folder replaced between its last look and its rename",
       old_files,
       picture_and_log,
       {"l"},
       "newfstatat,renameat2",
       JustBeforeFirst("renameat2"),
       "mv l l2 && mkdir l && printf newlog > l/out.log",
       0,
       1,
       "cannot write l/out.log: its folder was moved or replaced during the run",
       {{"p", "folder"},
        {"p/out.png", "oldpic"},
        {"l", "folder"},
        {"l/out.log", "newlog"},
        {"l2", "folder"},
        {"l2/out.log", "oldlog"}}},
      {"the picture's folder moved once the picture took its name",
       old_files,
       picture_and_log,
       {"p"},
       "renameat2",
       First("renameat2"),
       "mv p p2",
       0,
       1,
       "cannot write p/out.png: No such file or directory",
       {{"p2", "folder"}, {"p2/out.png", "oldpic"}, {"l", "folder"}, {"l/out.log", "oldlog"}}},
      {"the picture's link pointed at another file as the folders are locked",
       "mkdir a b && printf A > a/out.png && printf B > b/out.png && ln -s a/out.png out.png",
       {"almeno", "1 Enter", "out.png"},
       {"a"},
       "flock",
       First("flock"),
       "ln -sfn b/out.png out.png",
       0,
       1,
       "cannot write out.png: its path was changed during the run",
       {{"a", "folder"},
        {"a/out.png", "A"},
        {"b", "folder"},
        {"b/out.png", "B"},
        {"out.png", "link to b/out.png"}}},
      {"the key file replaced by another of the same keys, as an editor saves it",
       key_file,
       {"almeno", "@k", "out.png"},
       {"."},
       "flock",
       First("flock"),
       "printf '1 Enter\\n' > k2 && mv k2 k",
       0,
       1,
       keys_changed,
       old_picture_and_keys},
      {"the key file removed",
       key_file,
       {"almeno", "@k", "out.png"},
       {"."},
       "flock",
       First("flock"),
       "rm k",
       0,
       1,
       keys_changed,
       {{"out.png", "oldpic"}}},
      {"a FIFO put in the key file's place",
       key_file,
       {"almeno", "@k", "out.png"},
       {"."},
       "flock",
       First("flock"),
       "rm k && mkfifo k",
       0,
       1,
       keys_changed,
       {{"k", "fifo"}, {"out.png", "oldpic"}}},
      {"a frame moved away and another file put under its name, the run failing",
       "mkdir fr && printf '1 Enter 2 Enter\\n' > k",
       {"almeno", "@k", "-", "--each", "fr"},
       {"fr"},
       "linkat",
       First("linkat"),
       "mv fr/0001.png fr/moved.png && printf mine > fr/0001.png && printf '1 Enter 3 Enter\\n' > "
       "k",
       0,
       1,
       keys_changed,
       {{"fr", "folder"},
        {"fr/0001.png", "mine"},
        {"fr/moved.png", "(picture)"},
        {"k", "1 Enter 3 Enter\n"}}},
      {"a frame moved away and another file put under its name, then SIGTERM",
       "mkdir fr && printf '1 Enter 2 Enter\\n' > k",
       {"almeno", "@k", "-", "--each", "fr"},
       {"fr"},
       "linkat",
       First("linkat"),
       "mv fr/0001.png fr/moved.png && printf mine > fr/0001.png",
       SIGTERM,
       -SIGTERM,
       "",
       {{"fr", "folder"},
        {"fr/0001.png", "mine"},
        {"fr/moved.png", "(picture)"},
        {"k", "1 Enter 2 Enter\n"}}},
  };
  for (const Held& c : cases) {
    SCOPED_TRACE(c.what);
    const int status = RunHeld(c);
    if (c.status >= 0) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.status) << Describe(status);
    } else {
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == -c.status) << Describe(status);
    }
    EXPECT_EQ(ReadFile(dir_ + "/err"), c.says.empty() ? "" : "player: " + c.says + "\n");
    EXPECT_EQ(ReadFile(dir_ + "/out"), "") << "the run said it ended well";
    EXPECT_EQ(Files(folder()), c.files);
  }
}

}  // namespace
