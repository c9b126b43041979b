#include "descriptor_names.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

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
  std::string at = path;
  // As many links as the system follows in one path.
  for (int links = 0; links < 40; ++links) {
    const size_t slash = at.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : at.substr(0, slash);
    const std::string name = slash == std::string::npos ? at : at.substr(slash + 1);
    std::unique_ptr<char, void (*)(void*)> real(realpath(folder.c_str(), nullptr), free);
    if (real && IsOwnDescriptorFolder(real.get())) return DescriptorNumber(name);
    struct stat st;
    if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return -1;
    std::string to(PATH_MAX, '\0');
    const ssize_t size = readlink(at.c_str(), to.data(), to.size());
    if (size <= 0) return -1;
    to.resize(size);
    // A relative link leads from the folder it is in.
    at = to[0] == '/' || slash == std::string::npos ? to : at.substr(0, slash + 1) + to;
  }
  return -1;
}

int DescriptorOpenFor(int fd, bool write) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || (flags & O_PATH)) return EBADF;
  const int access = flags & O_ACCMODE;
  return access == O_RDWR || access == (write ? O_WRONLY : O_RDONLY) ? 0 : EBADF;
}
