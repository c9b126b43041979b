#include "whole_file.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "scratch_files.h"

std::string FollowLinks(const std::string& path) {
  std::string at = path;
  // As many links as the system follows in one path.
  for (int links = 0; links < 40; ++links) {
    struct stat st;
    if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    std::string to(PATH_MAX, '\0');
    const ssize_t size = readlink(at.c_str(), to.data(), to.size());
    if (size <= 0) return at;
    to.resize(size);
    // A relative link leads from the folder it is in.
    const size_t slash = at.rfind('/');
    at = to[0] == '/' || slash == std::string::npos ? to : at.substr(0, slash + 1) + to;
  }
  errno = ELOOP;
  return "";
}

int WholeFile::Open(const std::string& path) {
  Discard();
  if (path.empty()) return ENOENT;
  struct stat st;
  mode_t mode;
  if (stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) {
      // Replacing a device or a pipe with a file would be wrong.
      file_ = std::fopen(path.c_str(), "wb");
      if (!file_) return errno;
      direct_ = true;
      return 0;
    }
    // A file no one may write is not replaced either.
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    close(fd);
    // Through a symbolic link (/dev/stdout sent to a file among them), the
    // file it leads to is replaced, not the link.
    std::unique_ptr<char, void (*)(void*)> real(realpath(path.c_str(), nullptr), free);
    if (!real) return errno;
    target_ = real.get();
    mode = st.st_mode & 07777;
  } else if (errno == ENOENT) {
    // No file yet: through a dangling link, the file it leads to is made
    // and the link kept.
    target_ = FollowLinks(path);
    if (target_.empty()) return errno;
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  } else {
    return errno;
  }
  temporary_ = target_ + ".XXXXXX";
  int fd;
  {
    // No signal comes between making the temporary and noting it.
    EndingSignalsHeld held;
    fd = mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd < 0) {
      const int error = errno;
      temporary_.clear();
      return error;
    }
    if (!AddScratchFile(temporary_.c_str())) {
      close(fd);
      unlink(temporary_.c_str());
      temporary_.clear();
      return ENAMETOOLONG;
    }
  }
  fchmod(fd, mode);
  file_ = fdopen(fd, "wb");
  if (!file_) {
    const int error = errno;
    close(fd);
    Discard();
    return error;
  }
  return 0;
}

int WholeFile::Finish() {
  if (!file_) return EBADF;
  int error = 0;
  if (std::fflush(file_) != 0) error = errno;
  if (std::ferror(file_) && error == 0) error = EIO;
  if (std::fclose(file_) != 0 && error == 0) error = errno;
  file_ = nullptr;
  return error;
}

int WholeFile::Commit() {
  if (temporary_.empty()) return 0;
  // The temporary takes its name and stops being a scratch file as one step.
  EndingSignalsHeld held;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    Discard();
    return error;
  }
  DropScratchFile(temporary_.c_str());
  temporary_.clear();
  return 0;
}

void WholeFile::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  direct_ = false;
  if (temporary_.empty()) return;
  unlink(temporary_.c_str());
  DropScratchFile(temporary_.c_str());
  temporary_.clear();
}
