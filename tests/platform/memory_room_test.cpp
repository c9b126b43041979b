#include "memory_room.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <string>

#include "child_ending.h"
#include "errors.h"
#include "last_chance.h"

namespace {

// The address space this process holds, in bytes.
size_t AddressSpace() {
  std::ifstream status("/proc/self/status");
  std::string key;
  size_t kilobytes = 0;
  while (status >> key) {
    if (key == "VmSize:") {
      status >> kilobytes;
      break;
    }
  }
  return kilobytes << 10;
}

// Runs `then` in a child whose address space is limited to what it holds
// plus `room` bytes; returns how the child ended and its standard error.
ChildEnding WithRoom(size_t room, const std::function<int()>& then) {
  return RunChild([&] {
    const rlimit limit{AddressSpace() + room, RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    return then();
  });
}

// Whether memory is short is asked of the system itself, against whatever
// limits this process: with ample room neither check says so, with less
// than a run needs the one for a run does, and with none left both do.
TEST(MemoryRoom, TheChecksFollowTheRoomLeft) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address checker maps more address space as it goes";
#endif
  auto checks = [](size_t room) {
    return WithRoom(room, [] { return MemoryTooShortForARun() * 2 + MemoryExhausted(); }).status;
  };
  EXPECT_EQ(checks(size_t(64) << 20), 0);
  EXPECT_EQ(checks(size_t(4) << 20), 2);
  EXPECT_EQ(checks(0), 3);
}

// A crash when no memory is left is memory that ran out, said in one line
// with status 1 (no crash message, no box); with memory left, it is the
// crash it is.
TEST(MemoryRoom, ACrashWithNoMemoryLeftSaysSo) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address checker reports the crash itself";
#endif
  auto crash = [](bool show_box) {
    return [show_box] {
      InstallLastChance("Pellith", show_box, "who");
      std::raise(SIGSEGV);
      return 0;
    };
  };
  // The box would start the program again: it is not shown either.
  const ChildEnding none = WithRoom(0, crash(/*show_box=*/true));
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "who: out of memory\n");
  const ChildEnding ample = WithRoom(size_t(64) << 20, crash(/*show_box=*/false));
  EXPECT_EQ(ample.status, kLastChanceStatus);
  EXPECT_EQ(ample.err, LastChanceMessage("Pellith", CurrentLine()) + "\n");
}

}  // namespace
