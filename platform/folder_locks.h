// Locks on folders, so that two programs replacing files in the same folder
// take turns: while one holds a folder's lock, the other waits for it.
//
// The lock is the kernel's (flock) on the folder itself: no lock file is
// made, and a lock goes with its process, however the process ends. The
// folders of one set are locked in one order (by device and inode), so two
// programs that lock the same two folders never wait for each other in turn,
// and a folder named twice is locked once.
//
// Another program taking its turn holds a lock for a moment; one that holds
// it longer (any program may lock a folder, `flock DIR sleep 60`) is waited
// for a bounded time: after kFolderLockNoticeSeconds the program says on
// standard error, in one line headed by its name, which folder it waits
// for; after kFolderLockWaitSeconds it gives up.
#pragma once

#include <string>
#include <vector>

inline constexpr int kFolderLockNoticeSeconds = 1;
inline constexpr int kFolderLockWaitSeconds = 10;
// The error number of a lock that did not come in time: no error number of
// the system's (they are all positive), so that none is taken for it.
inline constexpr int kFolderStayedLocked = -1;
// How that is said after the file's name: "another program held the lock
// on its folder for 10 seconds".
const char* FolderStayedLockedWhy();

// A folder to lock: a descriptor of it (of any kind, O_PATH among them) and
// its name, for the line that says the program waits for it.
struct FolderToLock {
  int fd;
  std::string name;
};

class FolderLocks {
 public:
  // Waits until this process holds the lock of every folder of `folders`,
  // or until one stayed locked for kFolderLockWaitSeconds (see error()). A
  // folder that cannot be opened for reading (no permission) is not locked.
  explicit FolderLocks(const std::vector<FolderToLock>& folders);
  // Lets them go.
  ~FolderLocks();
  FolderLocks(const FolderLocks&) = delete;
  FolderLocks& operator=(const FolderLocks&) = delete;

  // 0 when every lock is held; kFolderStayedLocked when one did not come
  // (then none is held), and the place in `folders` of its folder.
  int error() const { return error_; }
  size_t stayed_locked() const { return stayed_locked_; }

 private:
  // Waits for the lock open as `lock`: true once it is held (at once on a
  // filesystem that keeps no such locks), false after kFolderLockWaitSeconds.
  bool Take(int lock, const std::string& name);

  std::vector<int> locked_;
  int error_ = 0;
  size_t stayed_locked_ = 0;
};
