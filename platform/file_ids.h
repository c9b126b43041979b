// A file as the system knows it, by device and inode: what a name leads to
// at one moment, or what a descriptor holds. Comparing these, rather than
// paths, tells whether two names are one file, and whether a name still
// holds the file a program made.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <string>

struct FileId {
  dev_t device = 0;
  ino_t inode = 0;

  // No file has inode 0: an id that is not known.
  bool known() const { return inode != 0; }
  bool operator==(const FileId&) const = default;
};

inline FileId IdOf(const struct stat& st) {
  return {st.st_dev, st.st_ino};
}

// The file open as `fd`: not known when it cannot be looked at.
inline FileId IdOfDescriptor(int fd) {
  struct stat st;
  return fstat(fd, &st) == 0 ? IdOf(st) : FileId{};
}

// What `path` leads to now, its links followed: not known when it leads
// nowhere (errno says why).
inline FileId IdOfPath(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? IdOf(st) : FileId{};
}

// Whether the name `name` in the folder open as `folder_fd` holds the file
// `id` (itself, not a link to it). Safe in a signal handler: one fstatat.
inline bool NameHolds(int folder_fd, const char* name, const FileId& id) {
  struct stat st;
  return id.known() && fstatat(folder_fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
         st.st_dev == id.device && st.st_ino == id.inode;
}
