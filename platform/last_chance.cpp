#include "last_chance.h"

#include <errno.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstring>
#include <exception>

#include "errors.h"
#include "memory_room.h"
#include "scratch_files.h"
#include "string_ops.h"

extern char** environ;

namespace {

constexpr char kBoxArgument[] = "--last-chance-box";

// The message around its line number, in UTF-8.
struct MessageParts {
  std::string head;  // up to the line number
  std::string tail;  // after it
};

MessageParts Parts(const std::string& name) {
  // The format is kept in Shift-JIS like every text of the programs.
  const std::string format = ToUtf8("続行不可能なエラーが発生しました %s [%u行]");
  const auto s = format.find("%s"), u = format.find("%u");
  return {format.substr(0, s) + name + format.substr(s + 2, u - s - 2), format.substr(u + 2)};
}

// Everything the handler uses, prepared when it is installed: fixed buffers,
// so that the handler neither allocates nor converts.
struct Prepared {
  char head[512];
  size_t head_size;
  char tail[32];
  size_t tail_size;
  char caption[256];
  // "who: out of memory" and its line break.
  char out_of_memory[300];
  size_t out_of_memory_size;
  // The whole message with its line break, written by the handler.
  char message[sizeof head + 12 + sizeof tail + 1];
  bool show_box;
  // The ending signals, held while the handler runs.
  sigset_t ending;
  char box_argument[sizeof kBoxArgument];
  char* box_argv[5];
};
Prepared g_prepared;

// Room for the handler's own stack: a stack overflow leaves none on the
// program's stack.
alignas(16) char g_handler_stack[64 * 1024];

size_t CopyTruncated(char* to, size_t room, const std::string& from) {
  size_t n = from.size() < room ? from.size() : room - 1;
  std::memcpy(to, from.data(), n);
  to[n] = '\0';
  return n;
}

// The digits of `value` at `out`; returns how many.
RUNS_IN_SIGNAL_HANDLER size_t PutDigits(unsigned value, char* out) {
  char reversed[12];
  size_t n = 0;
  do {
    reversed[n++] = char('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (size_t i = 0; i < n; ++i) out[i] = reversed[n - 1 - i];
  return n;
}

void WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    data += n;
    size -= size_t(n);
  }
}

// Runs inside a signal handler: only sigprocmask, unlinkat, mmap and munmap
// (whether memory is exhausted), write, execve and _exit, on the buffers
// prepared beforehand.
[[noreturn]] RUNS_IN_SIGNAL_HANDLER void ShowAndEnd() {
  // A signal that would end the program waits (the box's process lets it
  // through again): the crash ends as a crash, its message whole.
  sigprocmask(SIG_BLOCK, &g_prepared.ending, nullptr);
  // Half-written files go first: the program may not get further.
  RemoveScratchFiles();
  Prepared& p = g_prepared;
  if (MemoryExhausted()) {
    WriteAll(STDERR_FILENO, p.out_of_memory, p.out_of_memory_size);
    _exit(1);
  }
  size_t size = 0;
  std::memcpy(p.message, p.head, p.head_size);
  size += p.head_size;
  size += PutDigits(CurrentLine(), p.message + size);
  std::memcpy(p.message + size, p.tail, p.tail_size);
  size += p.tail_size;
  p.message[size] = '\n';
  WriteAll(STDERR_FILENO, p.message, size + 1);
  p.message[size] = '\0';
  if (p.show_box) execve("/proc/self/exe", p.box_argv, environ);
  _exit(kLastChanceStatus);
}

RUNS_IN_SIGNAL_HANDLER void OnSignal(int) {
  ShowAndEnd();
}

}  // namespace

std::string LastChanceMessage(const std::string& name, unsigned line) {
  MessageParts parts = Parts(name);
  return parts.head + std::to_string(line) + parts.tail;
}

const char* LastChanceBoxArgument() {
  return kBoxArgument;
}

namespace {

pid_t g_box_process = 0;

// In a child the box's process forks (the window system's message box may
// be shown by one): it ends when the box's process does, however that ends,
// and its window goes with it. A child whose parent ended before this ran
// ends at once.
void EndWithTheBoxProcess() {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != g_box_process) _exit(kLastChanceStatus);
}

}  // namespace

LastChanceBoxRequest FindLastChanceBoxRequest(int argc, char** argv) {
  if (argc != 4 || std::strcmp(argv[1], kBoxArgument) != 0) return {};
  // The crashed run's handler held its signals back, and a program started
  // again inherits that: the box's own process must crash, and end on a
  // signal, as any other.
  sigset_t held;
  sigorset(&held, &CrashSignals(), &EndingSignals());
  sigprocmask(SIG_UNBLOCK, &held, nullptr);
  g_box_process = getpid();
  pthread_atfork(nullptr, nullptr, EndWithTheBoxProcess);
  return {true, argv[2], argv[3]};
}

void InstallLastChance(const std::string& name, bool show_box, const std::string& who) {
  Prepared& p = g_prepared;
  MessageParts parts = Parts(name);
  p.out_of_memory_size =
      CopyTruncated(p.out_of_memory, sizeof p.out_of_memory,
                    (who.empty() ? name : who).substr(0, 200) + ": " + kOutOfMemory + "\n");
  p.head_size = CopyTruncated(p.head, sizeof p.head, parts.head);
  p.tail_size = CopyTruncated(p.tail, sizeof p.tail, parts.tail);
  CopyTruncated(p.caption, sizeof p.caption, name);
  std::memcpy(p.box_argument, kBoxArgument, sizeof kBoxArgument);
  p.show_box = show_box;
  p.box_argv[0] = program_invocation_name;
  p.box_argv[1] = p.box_argument;
  p.box_argv[2] = p.caption;
  p.box_argv[3] = p.message;
  p.box_argv[4] = nullptr;
  p.ending = EndingSignals();

  std::set_terminate([] { ShowAndEnd(); });

  stack_t stack{};
  stack.ss_sp = g_handler_stack;
  stack.ss_size = sizeof g_handler_stack;
  sigaltstack(&stack, nullptr);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  // One crash at a time, and no ending signal while it is shown: each waits,
  // however many come, as the handler never returns. (A fault inside the
  // handler itself still ends the program at once: the kernel does not hold
  // back a fault of the running code.) The action is kept while it runs:
  // reset on entry, a second signal of the kind could end the program before
  // the files are removed.
  sigorset(&action.sa_mask, &EndingSignals(), &CrashSignals());
  action.sa_flags = SA_ONSTACK;
  for (int sig = 1; sig < NSIG; ++sig) {
    if (sigismember(&CrashSignals(), sig)) sigaction(sig, &action, nullptr);
  }
}
