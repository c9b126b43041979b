#include "scratch_files.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace {

// A scratch file's folder, name and file; `used` is set only once all are
// whole, and cleared before the slot is written again, so a handler never
// reads half a name.
struct Slot {
  volatile sig_atomic_t used;
  int folder_fd;
  char name[NAME_MAX + 1];
  FileId made;
};
// The picture's and the log's temporaries at once, with room to spare.
Slot g_slots[8];

// The numbered series: its folder and naming, set before `series_used`,
// and how many of its names may have a file.
volatile sig_atomic_t g_series_used = 0;
int g_series_folder = -1;
void (*g_series_name)(unsigned long long, char*) = nullptr;
// Read and written with the compiler's atomic built-ins, which become single
// instructions in every build (std::atomic's members are calls where the
// checked build does not inline them, and the handler may call nothing).
unsigned long long g_series_count = 0;
static_assert(__atomic_always_lock_free(sizeof g_series_count, &g_series_count));
// The files of the series' members, published before the count that covers
// them.
const FileId* g_series_made = nullptr;
static_assert(__atomic_always_lock_free(sizeof g_series_made, &g_series_made));

// Whether the handler of the ending signals is installed, and those
// signals, for it. Once it is, a step that must not be cut in two lets them
// come to the handler, which puts the ending off until the step is over
// (see EndingSignalsHeld); before, the step holds them back.
bool g_handled = false;
sigset_t g_ending;
// How many steps that must not be cut in two are under way (one may run
// inside another), and the first ending signal that came during them.
volatile sig_atomic_t g_steps = 0;
volatile sig_atomic_t g_first = 0;

// Ends the program as the signal `sig` would have, the scratch files
// removed first; called by the handler or once a step is over, and safe in
// a signal handler: it calls only sigprocmask, RemoveScratchFiles (names
// written into buffers of its own, unlinkat, notes cleared), sigaction,
// raise and _exit. Every ending signal waits meanwhile; the signal's usual
// action is restored (from a record cleared on the stack) and the signal
// raised again, still held, and let through: it ends the program as it
// would have. Another ending signal that came meanwhile stays held and never
// runs the handler again, so however many come, the files go before any
// ends the program. (Resetting the action on entry instead, SA_RESETHAND,
// would let a second signal of the same kind end the program at once,
// before the files are gone: the kernel resets the action before it holds
// the signal.)
// Removes the file `name` of the folder open as `folder_fd` while that name
// still holds the file `made`: one fstatat and one unlinkat, safe in a
// signal handler.
RUNS_IN_SIGNAL_HANDLER void RemoveIfStillMade(int folder_fd, const char* name, const FileId& made) {
  struct stat st;
  if (made.inode != 0 && fstatat(folder_fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
      st.st_dev == made.device && st.st_ino == made.inode) {
    unlinkat(folder_fd, name, 0);
  }
}

[[noreturn]] RUNS_IN_SIGNAL_HANDLER void EndAs(int sig) {
  sigprocmask(SIG_BLOCK, &g_ending, nullptr);
  RemoveScratchFiles();
  struct sigaction usual;
  std::memset(&usual, 0, sizeof usual);
  usual.sa_handler = SIG_DFL;
  sigaction(sig, &usual, nullptr);
  raise(sig);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  // Not reached: the signal ended the program.
  _exit(128 + sig);
}

// Runs inside a signal handler, every ending signal held while it runs.
// During a step that must not be cut in two it notes the first signal that
// came and returns (the step goes on: the handler restarts the system call
// it interrupted); otherwise it ends the program as the first signal that
// came does.
RUNS_IN_SIGNAL_HANDLER void OnEndingSignal(int sig) {
  if (g_first == 0) g_first = sig;
  if (g_steps > 0) return;
  EndAs(g_first);
}

}  // namespace

bool AddScratchFile(int folder_fd, const char* name, const FileId& made) {
  if (std::strlen(name) > NAME_MAX) return false;
  EndingSignalsHeld held;
  for (Slot& slot : g_slots) {
    if (slot.used) continue;
    slot.folder_fd = folder_fd;
    std::strcpy(slot.name, name);
    slot.made = made;
    // The name is whole before a handler may read it.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    slot.used = 1;
    return true;
  }
  return false;
}

void DropScratchFile(int folder_fd, const char* name) {
  EndingSignalsHeld held;
  for (Slot& slot : g_slots) {
    if (slot.used && slot.folder_fd == folder_fd && std::strcmp(slot.name, name) == 0) {
      slot.used = 0;
      return;
    }
  }
}

void SetScratchSeries(int folder_fd, void (*name_of)(unsigned long long n, char* name)) {
  EndingSignalsHeld held;
  g_series_used = 0;
  g_series_folder = folder_fd;
  g_series_name = name_of;
  __atomic_store_n(&g_series_count, 0, __ATOMIC_SEQ_CST);
  __atomic_store_n(&g_series_made, nullptr, __ATOMIC_SEQ_CST);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  g_series_used = 1;
}

void CountScratchSeries(unsigned long long count, const FileId* made) {
  __atomic_store_n(&g_series_made, made, __ATOMIC_SEQ_CST);
  __atomic_store_n(&g_series_count, count, __ATOMIC_SEQ_CST);
}

void DropScratchSeries() {
  g_series_used = 0;
}

RUNS_IN_SIGNAL_HANDLER void RemoveScratchFiles() {
  for (Slot& slot : g_slots) {
    if (!slot.used) continue;
    RemoveIfStillMade(slot.folder_fd, slot.name, slot.made);
    slot.used = 0;
  }
  if (g_series_used) {
    char name[NAME_MAX + 1];
    // The count first: the files it covers were published before it.
    const unsigned long long count = __atomic_load_n(&g_series_count, __ATOMIC_SEQ_CST);
    const FileId* made = __atomic_load_n(&g_series_made, __ATOMIC_SEQ_CST);
    for (unsigned long long n = count; n > 0 && made; --n) {
      g_series_name(n, name);
      RemoveIfStillMade(g_series_folder, name, made[n - 1]);
    }
    g_series_used = 0;
  }
}

const sigset_t& EndingSignals() {
  static const sigset_t set = [] {
    sigset_t s;
    sigemptyset(&s);
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM,
                    SIGPROF, SIGIO, SIGPWR, SIGSTKFLT, SIGXCPU, SIGSYS, SIGTRAP}) {
      sigaddset(&s, sig);
    }
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) sigaddset(&s, sig);
    return s;
  }();
  return set;
}

const sigset_t& CrashSignals() {
  static const sigset_t set = [] {
    sigset_t s;
    sigemptyset(&s);
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) sigaddset(&s, sig);
    return s;
  }();
  return set;
}

void ProtectScratchFiles() {
  g_ending = EndingSignals();
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  // Every ending signal waits while the handler runs. It returns only
  // during a step that must not be cut in two, which then goes on as if
  // nothing came.
  action.sa_mask = EndingSignals();
  action.sa_flags = SA_RESTART;
  for (int sig = 1; sig <= SIGRTMAX; ++sig) {
    if (!sigismember(&EndingSignals(), sig)) continue;
    struct sigaction old {};
    sigaction(sig, nullptr, &old);
    if (old.sa_handler != SIG_IGN) sigaction(sig, &action, nullptr);
  }
  g_handled = true;
  signal(SIGXFSZ, SIG_IGN);
}

// The ending signals are not held back once the handler is installed: the
// kernel lets several held signals through lowest number first, and the
// program is to end as the first that came. The handler notes it instead.
EndingSignalsHeld::EndingSignalsHeld() {
  sigset_t held = CrashSignals();
  if (!g_handled) sigorset(&held, &held, &EndingSignals());
  sigprocmask(SIG_BLOCK, &held, &old_);
  g_steps = g_steps + 1;
}

EndingSignalsHeld::~EndingSignalsHeld() {
  g_steps = g_steps - 1;
  sigprocmask(SIG_SETMASK, &old_, nullptr);
  // A signal that comes from here on finds the step over and ends the
  // program as the first one did.
  if (g_steps == 0 && g_first != 0) EndAs(g_first);
}
