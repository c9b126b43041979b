// A child process for the tests of how a program ends: how it ended and
// what it wrote on standard error.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

struct ChildEnding {
  bool exited = false;
  int status = -1;  // the exit status, or minus the signal that ended it
  std::string err;
};

// Runs `body` in a child process, its standard error kept; the child ends
// with the status `body` returns, when it returns at all.
inline ChildEnding RunChild(const std::function<int()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  std::fflush(nullptr);  // nothing buffered is written twice
  pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    dup2(fds[1], STDERR_FILENO);
    _exit(body());
  }
  close(fds[1]);
  ChildEnding ending;
  char buf[512];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) ending.err.append(buf, size_t(n));
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ending.exited = WIFEXITED(status);
  ending.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  return ending;
}
