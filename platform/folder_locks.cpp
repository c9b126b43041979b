#include "folder_locks.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

FolderLocks::FolderLocks(const std::vector<int>& folder_fds) {
  std::vector<std::pair<std::pair<dev_t, ino_t>, int>> folders;
  for (int fd : folder_fds) {
    struct stat st;
    if (fstat(fd, &st) == 0) folders.push_back({{st.st_dev, st.st_ino}, fd});
  }
  std::sort(folders.begin(), folders.end());
  for (size_t i = 0; i < folders.size(); ++i) {
    // Two descriptors of one folder would wait for each other.
    if (i > 0 && folders[i].first == folders[i - 1].first) continue;
    const int lock = openat(folders[i].second, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock < 0) continue;
    while (flock(lock, LOCK_EX) != 0 && errno == EINTR) {
    }
    locked_.push_back(lock);
  }
}

FolderLocks::~FolderLocks() {
  for (int lock : locked_) close(lock);
}
