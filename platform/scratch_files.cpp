#include "scratch_files.h"

#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE};

// A scratch file's path; `used` is set only once the path is whole, and
// cleared before the slot is written again, so a handler never reads half a
// path.
struct Slot {
  volatile sig_atomic_t used;
  char path[PATH_MAX];
};
// A whole file, its frame of a run and the log at once, with room to spare.
Slot g_slots[8];

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int sig : kEndingSignals) sigaddset(&set, sig);
  return set;
}

// Runs inside a signal handler: only unlink and raise.
void OnEndingSignal(int sig) {
  RemoveScratchFiles();
  // The handler was reset on entry (SA_RESETHAND): once it returns, the
  // signal raised again ends the program with its usual status.
  raise(sig);
}

}  // namespace

bool AddScratchFile(const char* path) {
  if (std::strlen(path) >= PATH_MAX) return false;
  EndingSignalsHeld held;
  for (Slot& slot : g_slots) {
    if (slot.used) continue;
    std::strcpy(slot.path, path);
    // The path is whole before a handler may read it.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    slot.used = 1;
    return true;
  }
  return false;
}

void DropScratchFile(const char* path) {
  EndingSignalsHeld held;
  for (Slot& slot : g_slots) {
    if (slot.used && std::strcmp(slot.path, path) == 0) {
      slot.used = 0;
      return;
    }
  }
}

void RemoveScratchFiles() {
  for (Slot& slot : g_slots) {
    if (!slot.used) continue;
    unlink(slot.path);
    slot.used = 0;
  }
}

void ProtectScratchFiles() {
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  // One ending signal at a time: another that comes meanwhile waits, and
  // ends the program once the first is handled.
  action.sa_mask = EndingSignals();
  action.sa_flags = SA_RESETHAND;
  for (int sig : kEndingSignals) {
    struct sigaction old {};
    sigaction(sig, nullptr, &old);
    if (old.sa_handler != SIG_IGN) sigaction(sig, &action, nullptr);
  }
  signal(SIGXFSZ, SIG_IGN);
}

EndingSignalsHeld::EndingSignalsHeld() {
  const sigset_t ending = EndingSignals();
  sigprocmask(SIG_BLOCK, &ending, &old_);
}

EndingSignalsHeld::~EndingSignalsHeld() {
  sigprocmask(SIG_SETMASK, &old_, nullptr);
}
