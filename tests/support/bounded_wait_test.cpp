// The tests' one wait goes on for as long as the test's processes work, and
// gives up once they have done next to nothing for its patience (shortened
// here to a few seconds).
#include "bounded_wait.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr double kShortPatience = 2;
// Processor time a spinner that ends uses: more than the patience, so that
// it runs for longer than the patience whatever the machine's load.
constexpr double kSpinSeconds = 1.5 * kShortPatience;

double Seconds(clockid_t clock) {
  timespec t;
  clock_gettime(clock, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Keeps a core busy until this process has used `seconds` of processor time
// in all.
void SpinUntil(double seconds) {
  while (Seconds(CLOCK_PROCESS_CPUTIME_ID) < seconds) {
  }
}

// The processor time this process's ended and waited-for children used.
double ChildrenSeconds() {
  rusage usage;
  getrusage(RUSAGE_CHILDREN, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// In a child process: runs `body`, then ends with status 0.
pid_t Start(const std::function<void()>& body) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    body();
    _exit(0);
  }
  return child;
}

void StartAndWait(const std::function<void()>& body) {
  const pid_t child = Start(body);
  waitpid(child, nullptr, 0);
}

TEST(BoundedWait, GoesOnWhileTheTestsProcessesWork) {
  struct Case {
    const char* what;
    std::function<void()> body;  // the process the test waits for
    bool ends;                   // the wait sees it end; else it gives up
    bool stopped = false;        // the test stops it (SIGSTOP)
    bool aside = false;          // WAIT_TREE_ASIDE names it
  };
  const Case cases[] = {
      {"spins itself", [] { SpinUntil(kSpinSeconds); }, true},
      {"spins in a child it waits for", [] { StartAndWait([] { SpinUntil(kSpinSeconds); }); },
       true},
      {"spins in short-lived children, one after the other",
       [] {
         while (ChildrenSeconds() < kSpinSeconds) StartAndWait([] { SpinUntil(0.05); });
       },
       true},
      {"sleeps", [] { pause(); }, false},
      {"wakes twice a second to work a millisecond, as an idle program's blink does",
       [] {
         for (;;) {
           usleep(500000);
           SpinUntil(Seconds(CLOCK_PROCESS_CPUTIME_ID) + 0.001);
         }
       },
       false},
      {"spins, stopped by the test", [] { SpinUntil(1e9); }, false, true},
      {"spins, set aside as the X server is", [] { SpinUntil(1e9); }, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const pid_t child = Start(c.body);
    ASSERT_GT(child, 0);
    if (c.stopped) {
      kill(child, SIGSTOP);
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
      ASSERT_TRUE(WIFSTOPPED(status));
    }
    if (c.aside) setenv("WAIT_TREE_ASIDE", std::to_string(child).c_str(), 1);
    const bool ended = WaitUntil(
        std::string("the fixture that ") + c.what + " to end",
        [&] { return waitpid(child, nullptr, WNOHANG) == child; }, 0.001, kShortPatience);
    unsetenv("WAIT_TREE_ASIDE");
    EXPECT_EQ(ended, c.ends);
    if (!ended) {
      kill(child, SIGKILL);
      kill(child, SIGCONT);
      waitpid(child, nullptr, 0);
    }
  }
}

// A wait in a process that the test started beside the one it waits for
// (as the window tests' scripts start a program and the tool that looks at
// its window) counts the work of the root WAIT_TREE_ROOT names: named, the
// spinner's work keeps the wait going; not named, the waiting process has
// no descendant and gives up.
TEST(BoundedWait, CountsTheWorkUnderTheRootTheEnvironmentNames) {
  for (const bool named : {true, false}) {
    SCOPED_TRACE(named ? "the root named" : "no root named");
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    // The spinner holds the pipe's writing end until it ends.
    const pid_t spinner = Start([&] {
      close(ends[0]);
      SpinUntil(named ? kSpinSeconds : 1e9);
    });
    close(ends[1]);
    if (named) setenv("WAIT_TREE_ROOT", std::to_string(getpid()).c_str(), 1);
    const pid_t waiter = Start([&] {
      fcntl(ends[0], F_SETFL, O_NONBLOCK);
      char byte;
      const bool ended = WaitUntil(
          "the spinner beside this process to end", [&] { return read(ends[0], &byte, 1) == 0; },
          0.001, kShortPatience);
      _exit(ended ? 0 : 1);
    });
    unsetenv("WAIT_TREE_ROOT");
    close(ends[0]);
    int status = 0;
    waitpid(waiter, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), named ? 0 : 1) << "1: the wait gave up";
    kill(spinner, SIGKILL);
    waitpid(spinner, nullptr, 0);
  }
}

}  // namespace
