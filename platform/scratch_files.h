// Scratch files: files being written that must not outlive an abnormal end
// of the program, such as the temporary file a whole file is written to
// before it takes its name, or the frames of a run that may yet fail. The
// last-chance handler removes them, and so does the handler of the signals
// that end a program once ProtectScratchFiles() installed it.
//
// Each is kept as its folder (an open descriptor), its name in a fixed
// buffer and the file the program made there (device and inode), and a
// numbered series (the frames) as its folder, a routine that names its
// members, their count and the file each is. Removing them allocates
// nothing and takes no lock: a member's name is written into a buffer on the
// stack, each file goes by unlinkat through its folder's descriptor, and its
// note is cleared. So it is safe in a signal handler, whatever the program
// was doing, and right even when the folder was moved or renamed meanwhile.
// A name goes only while it still holds the file the program made: one that
// something else took meanwhile (the file moved away and another put in its
// place) is left as it is. (Between that look and the removal no program can
// tell: a file swapped in at that very moment would go.)
#pragma once

#include <signal.h>

#include "file_ids.h"

// Marks code that runs in a signal handler, kept out of the checked build's
// address checker: its bookkeeping before each call that does not return
// (_exit) reads a file into memory it allocates, and it may keep a local
// array's frame aside in memory of its own, so a signal that came while the
// program was inside the memory allocator would wait for the allocator's
// lock for ever.
#define RUNS_IN_SIGNAL_HANDLER __attribute__((no_sanitize_address))

// Notes the file `name` of the folder open as `folder_fd`, the file `made`,
// as a scratch file; false when it cannot be kept (too many at once, or a
// name longer than any a folder takes).
bool AddScratchFile(int folder_fd, const char* name, const FileId& made);
// Forgets it: it is no scratch file any more.
void DropScratchFile(int folder_fd, const char* name);
// A numbered series of scratch files in the folder open as `folder_fd`, one
// at a time: the files `name_of` names for 1, 2, ... up to the count last
// given to CountScratchSeries (none yet), member n the file `made[n - 1]`.
// `name_of` writes a name of at most NAME_MAX bytes and its NUL into `name`,
// and must be safe in a signal handler. `made` stays as it is, and where it
// is, until the next call (a caller that needs more room gives the new
// array, whole, before it lets the old one go).
void SetScratchSeries(int folder_fd, void (*name_of)(unsigned long long n, char* name));
void CountScratchSeries(unsigned long long count, const FileId* made);
// Forgets the series: its files are no scratch files any more.
void DropScratchSeries();
// Removes every scratch file, the series' among them, and forgets it. Safe
// in a signal handler.
void RemoveScratchFiles();

// The signals whose usual action ends the program and that a program may
// catch: SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1,
// SIGUSR2, SIGVTALRM, SIGPROF, SIGIO, SIGPWR, SIGSTKFLT, SIGXCPU, SIGSYS,
// SIGTRAP and the real-time signals (SIGKILL cannot be caught; the crash
// signals are the last-chance handler's, and SIGXFSZ is ignored, below).
const sigset_t& EndingSignals();

// The signals of a crash, the last-chance handler's (see last_chance.h):
// SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT.
const sigset_t& CrashSignals();

// From now on every ending signal, however many come and in whatever order,
// removes the scratch files first and then ends the program as the first of
// them that reached it would have (its usual status); one that was ignored
// when the program started stays ignored. Signals that reach the program
// together (sent while it is stopped, or one right after another) are
// handed over by the system by number, not by when they came: SIGHUP before
// SIGTERM. A write beyond the file-size limit fails (EFBIG) instead of
// ending the program with SIGXFSZ.
void ProtectScratchFiles();

// While one lives, the ending signals wait, and so do the crash signals
// another process sends (`kill -SEGV`): a step that must not be cut in two
// (a file made and noted as a scratch file, two files taking their names
// together) finishes first, and the last-chance handler then finds every
// file noted. Once ProtectScratchFiles installed its handler, the ending
// signals are not held back but noted by it: when the step is over, the
// program ends as the first of them that came (held back, several would be
// let through lowest number first). The step's system calls go on as if
// nothing came (the handler restarts them). A fault of the step's own code
// is not held back by the system: it would end the program at once by its
// signal, without the last-chance message (the steps are short: system
// calls on names prepared beforehand, and at most a line written to a
// stream).
class EndingSignalsHeld {
 public:
  EndingSignalsHeld();
  ~EndingSignalsHeld();
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

 private:
  sigset_t old_;
};
