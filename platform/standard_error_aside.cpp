#include "standard_error_aside.h"

#include <sys/mman.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace {

// The descriptor of the terminal's standard error while an aside lives.
volatile sig_atomic_t g_terminal = -1;

}  // namespace

StandardErrorAside::StandardErrorAside() {
  std::fflush(stderr);
  saved_ = dup(STDERR_FILENO);
  aside_ = memfd_create("standard error aside", MFD_CLOEXEC);
  outer_terminal_ = g_terminal;
  if (saved_ < 0 || aside_ < 0 || dup2(aside_, STDERR_FILENO) < 0) {
    Restore();
    return;
  }
  if (outer_terminal_ < 0) g_terminal = saved_;
}

StandardErrorAside::~StandardErrorAside() {
  Restore();
}

bool StandardErrorAside::Written() const {
  std::fflush(stderr);
  return aside_ < 0 || lseek(aside_, 0, SEEK_END) != 0;
}

int StandardErrorAside::Terminal() {
  return g_terminal >= 0 ? g_terminal : STDERR_FILENO;
}

void StandardErrorAside::Restore() {
  std::fflush(stderr);
  std::clearerr(stderr);
  if (saved_ >= 0) {
    dup2(saved_, STDERR_FILENO);
    g_terminal = outer_terminal_;
    close(saved_);
    saved_ = -1;
  }
  if (aside_ >= 0) {
    if (pass_on_) {
      char buffer[4096];
      ssize_t got;
      for (off_t at = 0; (got = pread(aside_, buffer, sizeof buffer, at)) > 0; at += got) {
        if (write(STDERR_FILENO, buffer, size_t(got)) != got) break;
      }
    }
    close(aside_);
    aside_ = -1;
  }
}
