// Locks on folders, so that two programs replacing files in the same folder
// take turns: while one holds a folder's lock, the other waits for it.
//
// The lock is the kernel's (flock) on the folder itself: no lock file is
// made, and a lock goes with its process, however the process ends. The
// folders of one set are locked in one order (by device and inode), so two
// programs that lock the same two folders never wait for each other in turn,
// and a folder named twice is locked once.
#pragma once

#include <vector>

class FolderLocks {
 public:
  // Waits until this process holds the lock of every folder open as one of
  // `folder_fds` (descriptors of any kind, O_PATH among them). A folder that
  // cannot be opened for reading (no permission) is not locked.
  explicit FolderLocks(const std::vector<int>& folder_fds);
  // Lets them go.
  ~FolderLocks();
  FolderLocks(const FolderLocks&) = delete;
  FolderLocks& operator=(const FolderLocks&) = delete;

 private:
  std::vector<int> locked_;
};
