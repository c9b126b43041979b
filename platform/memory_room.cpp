#include "memory_room.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace {

// The two gothic font files a run maps to draw its first text, 6.2 MB
// each: less room than this and no page can be drawn.
constexpr size_t kRoomARunNeeds = size_t(12) << 20;

// More than the memory allocator asks the system for when its heap cannot
// grow: with less room than this, an allocation of any size can fail. And
// more than the libraries' own start-up code takes, and the program's before
// main: some of those libraries use memory they could not get, and crash.
constexpr size_t kLeastRoom = size_t(1) << 20;

// Whether the system gives this process `bytes` more: address space asked
// for and given back untouched, which counts against a limit on memory
// (ulimit -v, -d) and against the system's commit limit as the program's
// own allocations would, and costs no page of memory.
bool RoomFor(size_t bytes) {
  void* room = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (room == MAP_FAILED) return false;
  munmap(room, bytes);
  return true;
}

// Run before any library's start-up code: without the room they need, the
// program ends at once with one line, "NAME: out of memory", status 1 (the
// name as it was started, the program's own not being known yet). Only
// system calls: nothing else is ready.
void EnsureRoomToStart(int argc, char** argv, char**) {
  if (!MemoryExhausted()) return;
  const char* name = argc > 0 && argv[0] ? argv[0] : "";
  if (const char* slash = std::strrchr(name, '/')) name = slash + 1;
  const char tail[] = ": out of memory\n";
  if (write(STDERR_FILENO, name, std::strlen(name)) >= 0) {
    if (write(STDERR_FILENO, tail, sizeof tail - 1) < 0) _exit(1);
  }
  _exit(1);
}

__attribute__((section(".preinit_array"),
               used)) void (*const kEnsureRoomToStart)(int, char**, char**) = EnsureRoomToStart;

}  // namespace

bool MemoryTooShortForARun() {
  return !RoomFor(kRoomARunNeeds);
}

bool MemoryExhausted() {
  return !RoomFor(kLeastRoom);
}
