#include "last_chance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

#include "bounded_wait.h"
#include "child_ending.h"
#include "errors.h"
#include "scratch_files.h"
#include "string_ops.h"

namespace {

TEST(LastChance, MessageNamesTheProgramAndTheLine) {
  EXPECT_EQ(LastChanceMessage("Almeno", 42),
            ToUtf8("続行不可能なエラーが発生しました Almeno [42行]"));
  EXPECT_EQ(LastChanceMessage("Quorrel", 0),
            ToUtf8("続行不可能なエラーが発生しました Quorrel [0行]"));
  EXPECT_EQ(LastChanceMessage("Vindrel", 4294967295u),
            ToUtf8("続行不可能なエラーが発生しました Vindrel [4294967295行]"));
}

using Ending = ChildEnding;

// Runs `crash` in a child that installed the handler and last ran a
// statement at `at`; returns how the child ended and what it wrote to
// standard error.
Ending CrashChild(Where at, const std::function<void()>& crash) {
  return RunChild([&] {
    InstallLastChance("Pellith");
    NoteLine(at);
    crash();
    return 0;
  });
}

// Every way a run can crash past the error trap ends the same: the message
// with the last line run, on one line of standard error, and status 3.
TEST(LastChance, ACrashWritesTheMessageAndEndsWithStatus3) {
  struct Case {
    const char* what;
    std::function<void()> crash;
  };
  const Case cases[] = {
      {"a write to memory the program may not touch",
       [] {
         void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
         *static_cast<volatile int*>(page) = 1;
       }},
      {"SIGFPE", [] { std::raise(SIGFPE); }},
      {"SIGBUS", [] { std::raise(SIGBUS); }},
      {"SIGILL", [] { std::raise(SIGILL); }},
      {"abort", [] { std::abort(); }},
      {"uncaught exception",
       [] { std::thread([] { throw std::runtime_error("uncaught"); }).join(); }},
  };
  const Where at = Where::current();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ending ending = CrashChild(at, c.crash);
    EXPECT_TRUE(ending.exited) << "ended by signal " << -ending.status;
    EXPECT_EQ(ending.status, kLastChanceStatus);
    EXPECT_EQ(ending.err, LastChanceMessage("Pellith", at.line()) + "\n");
  }
}

// A crash signal another process sends while a file is made and noted as a
// scratch file waits until the step is over: the handler then finds the
// file noted and removes it, whichever crash signal it is.
TEST(LastChance, ACrashSignalSentWhileAFileIsMadeRemovesItOnceNoted) {
  char folder_template[] = "/tmp/last-chance-XXXXXX";
  const std::string folder = mkdtemp(folder_template);
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
    SCOPED_TRACE(strsignal(sig));
    Ending ending = RunChild([&] {
      InstallLastChance("Pellith");
      const int folder_fd = open(folder.c_str(), O_PATH | O_DIRECTORY);
      EndingSignalsHeld held;
      const int fd = openat(folder_fd, "out.png.tmp", O_WRONLY | O_CREAT | O_EXCL, 0600);
      const FileId made = IdOfDescriptor(fd);
      close(fd);
      kill(getpid(), sig);  // made, not yet noted
      AddScratchFile(folder_fd, "out.png.tmp", made);
      return 0;
    });
    EXPECT_TRUE(ending.exited && ending.status == kLastChanceStatus)
        << (ending.exited ? "exit status " : "ended by signal ") << std::abs(ending.status);
    EXPECT_NE(access((folder + "/out.png.tmp").c_str(), F_OK), 0) << "the file was left";
    unlink((folder + "/out.png.tmp").c_str());
  }
  rmdir(folder.c_str());
}

// Only the private argument, with its caption and message, asks for the box.
TEST(LastChance, OnlyThePrivateArgumentAsksForTheBox) {
  char program[] = "almeno", caption[] = "Almeno", message[] = "m", other[] = "--other";
  char* box_arg = const_cast<char*>(LastChanceBoxArgument());
  char* asked[] = {program, box_arg, caption, message, nullptr};
  LastChanceBoxRequest box = FindLastChanceBoxRequest(4, asked);
  ASSERT_TRUE(box.asked);
  EXPECT_STREQ(box.caption, "Almeno");
  EXPECT_STREQ(box.message, "m");
  char* plain[] = {program, nullptr};
  char* wrong[] = {program, other, caption, message, nullptr};
  char* short_of_message[] = {program, box_arg, caption, nullptr};
  EXPECT_FALSE(FindLastChanceBoxRequest(1, plain).asked);
  EXPECT_FALSE(FindLastChanceBoxRequest(4, wrong).asked);
  EXPECT_FALSE(FindLastChanceBoxRequest(3, short_of_message).asked);
}

// The box's process is the program started again by the handler, and it
// inherits the signals the handler held back: once it finds its request it
// lets them through again, so that a crash of its own, or a signal that
// ends a program, ends it.
TEST(LastChance, TheBoxsProcessLetsTheHeldSignalsThroughAgain) {
  const int fatal[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTERM, SIGINT, SIGUSR1};
  char program[] = "almeno", caption[] = "Almeno", message[] = "m";
  char* asked[] = {program, const_cast<char*>(LastChanceBoxArgument()), caption, message, nullptr};
  pid_t child = fork();
  if (child == 0) {
    sigset_t held;
    sigemptyset(&held);
    for (int sig : fatal) sigaddset(&held, sig);
    sigprocmask(SIG_BLOCK, &held, nullptr);
    if (!FindLastChanceBoxRequest(4, asked).asked) _exit(1);
    sigset_t now;
    sigprocmask(SIG_BLOCK, nullptr, &now);
    for (int sig : fatal) {
      if (sigismember(&now, sig)) _exit(2);
    }
    std::raise(SIGABRT);
    _exit(3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT)
      << (WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status)) : "");
}

// The box may be shown by a child the box's process forks (the window
// system's message box does): ended from outside, by SIGTERM or SIGKILL, the
// box's process takes that child with it, rather than leave its window up.
TEST(LastChance, AChildOfTheBoxsProcessEndsWithIt) {
  char program[] = "almeno", caption[] = "Almeno", message[] = "m";
  char* asked[] = {program, const_cast<char*>(LastChanceBoxArgument()), caption, message, nullptr};
  // The child, once its parent is gone, becomes this process's to wait for.
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  for (int sig : {SIGTERM, SIGKILL}) {
    SCOPED_TRACE(strsignal(sig));
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::fflush(nullptr);
    const pid_t box = fork();
    if (box == 0) {
      if (!FindLastChanceBoxRequest(4, asked).asked) _exit(1);
      const pid_t shown = fork();
      if (shown == 0) {
        pause();  // a box that stays up
        _exit(0);
      }
      (void)!write(fds[1], &shown, sizeof shown);
      pause();
      _exit(0);
    }
    close(fds[1]);
    pid_t shown = 0;
    ASSERT_EQ(read(fds[0], &shown, sizeof shown), ssize_t(sizeof shown));
    close(fds[0]);
    kill(box, sig);
    int status = 0;
    waitpid(box, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig);
    // The child ends as its parent does (the system kills it); only a child
    // left running waits out the tests' patience.
    const bool ended = WaitUntil("the box's child to end with it",
                                 [&] { return waitpid(shown, &status, WNOHANG) == shown; });
    EXPECT_TRUE(ended) << "the child outlived the box's process";
    if (!ended) {
      kill(shown, SIGKILL);
      waitpid(shown, &status, 0);
    }
  }
  prctl(PR_SET_CHILD_SUBREAPER, 0);
}

}  // namespace
