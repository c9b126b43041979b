#include "folder_locks.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "readable.h"

extern char* program_invocation_short_name;

namespace {

double SecondsSince(const timespec& start) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec - start.tv_sec) + double(now.tv_nsec - start.tv_nsec) / 1e9;
}

}  // namespace

const char* FolderStayedLockedWhy() {
  static const std::string why = "another program held the lock on its folder for " +
                                 std::to_string(kFolderLockWaitSeconds) + " seconds";
  return why.c_str();
}

FolderLocks::FolderLocks(const std::vector<FolderToLock>& folders) {
  std::vector<std::tuple<dev_t, ino_t, const FolderToLock*>> order;
  for (const FolderToLock& folder : folders) {
    struct stat st;
    if (fstat(folder.fd, &st) == 0) order.push_back({st.st_dev, st.st_ino, &folder});
  }
  std::sort(order.begin(), order.end());
  for (size_t i = 0; i < order.size(); ++i) {
    const auto& [device, inode, folder] = order[i];
    // Two descriptors of one folder would wait for each other.
    if (i > 0 && std::get<0>(order[i - 1]) == device && std::get<1>(order[i - 1]) == inode) {
      continue;
    }
    const int lock = openat(folder->fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock < 0) continue;
    if (!Take(lock, folder->name)) {
      close(lock);
      for (int held : locked_) close(held);
      locked_.clear();
      error_ = kFolderStayedLocked;
      stayed_locked_ = size_t(folder - folders.data());
      return;
    }
    locked_.push_back(lock);
  }
}

bool FolderLocks::Take(int lock, const std::string& name) {
  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  bool said = false;
  // Tried again and again, at first often: another program taking its turn
  // lets the lock go within moments.
  long pause_ns = 1000000;
  for (;;) {
    if (flock(lock, LOCK_EX | LOCK_NB) == 0) return true;
    // A filesystem that keeps no such locks: on without it.
    if (errno != EWOULDBLOCK && errno != EINTR) return true;
    const double waited = SecondsSince(start);
    if (waited >= kFolderLockWaitSeconds) return false;
    if (!said && waited >= kFolderLockNoticeSeconds) {
      std::fprintf(stderr,
                   "%s: waiting for the lock on the folder \"%s\", which another program "
                   "holds\n",
                   program_invocation_short_name, Readable(name).c_str());
      said = true;
    }
    const timespec pause{0, pause_ns};
    nanosleep(&pause, nullptr);
    pause_ns = std::min(pause_ns * 2, 50000000L);
  }
}

FolderLocks::~FolderLocks() {
  for (int lock : locked_) close(lock);
}
