#include "standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <initializer_list>

namespace {

bool g_held[3] = {false, false, false};
// Where standard output is kept once set aside, or -1.
int g_output_kept = -1;

}  // namespace

void HoldClosedStandardDescriptors() {
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // The lowest free number: this one.
    const int held = open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    if (held == fd) g_held[fd] = true;
    if (held >= 0 && held != fd) close(held);
  }
}

bool HeldClosed(int fd) {
  return fd >= 0 && fd <= STDERR_FILENO && g_held[fd];
}

int SetStandardOutputAside() {
  if (g_output_kept >= 0 || HeldClosed(STDOUT_FILENO)) return 0;
  std::fflush(stdout);
  const int kept = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  if (kept < 0) return errno;
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0 || dup2(null, STDOUT_FILENO) < 0) {
    const int error = errno;
    if (null >= 0) close(null);
    close(kept);
    return error;
  }
  close(null);
  g_output_kept = kept;
  return 0;
}

int StandardDescriptor(int fd) {
  return fd == STDOUT_FILENO && g_output_kept >= 0 ? g_output_kept : fd;
}
