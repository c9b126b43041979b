#include "descriptor_names.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "standard_streams.h"
#include "symbolic_links.h"

namespace {

// A descriptor's number as its entry is named: digits, no leading zero.
int DescriptorNumber(const std::string& name) {
  if (name.empty() || name.size() > 9 || (name[0] == '0' && name.size() > 1)) return -1;
  int n = 0;
  for (char c : name) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// Whether `folder` (a real path) holds this process's descriptors:
// /proc/PID/fd, or /proc/PID/task/TID/fd of one of its threads.
bool IsOwnDescriptorFolder(const std::string& folder) {
  const std::string own = "/proc/" + std::to_string(getpid());
  if (folder == own + "/fd") return true;
  const std::string task = own + "/task/";
  if (folder.rfind(task, 0) != 0 || folder.size() < task.size() + 4) return false;
  const std::string tid = folder.substr(task.size(), folder.size() - task.size() - 3);
  return folder.compare(folder.size() - 3, 3, "/fd") == 0 && DescriptorNumber(tid) >= 0;
}

}  // namespace

int NamedDescriptor(const std::string& path) {
  int fd = -1;
  // Each path on the way, until one is an entry of this process's
  // descriptor folder.
  FollowLinks(path, [&fd](const std::string& at) {
    std::unique_ptr<char, void (*)(void*)> real(realpath(FolderOf(at).c_str(), nullptr), free);
    if (!real || !IsOwnDescriptorFolder(real.get())) return false;
    fd = DescriptorNumber(at.substr(at.rfind('/') + 1));
    return true;
  });
  return fd < 0 ? fd : StandardDescriptor(fd);
}

int DescriptorOpenFor(int fd, bool write) {
  if (HeldClosed(fd)) return EBADF;
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || (flags & O_PATH)) return EBADF;
  const int access = flags & O_ACCMODE;
  return access == O_RDWR || access == (write ? O_WRONLY : O_RDONLY) ? 0 : EBADF;
}

std::FILE* DescriptorStream(int fd, bool write, int* error) {
  *error = DescriptorOpenFor(fd, write);
  if (*error) return nullptr;
  // Never a standard descriptor's number, and not handed to a program
  // started.
  const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  if (copy < 0) {
    *error = errno;
    return nullptr;
  }
  std::FILE* stream = fdopen(copy, write ? "wb" : "r");
  if (!stream) {
    *error = errno;
    close(copy);
  }
  return stream;
}
