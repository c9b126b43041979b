#include "whole_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "scratch_files.h"
#include "temporary_file.h"

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
    target_ = path;
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  } else {
    return errno;
  }
  // The temporary is made in the file's folder, held open: it is removed
  // from there, and takes its name from there, even if the folder is moved
  // meanwhile.
  const size_t slash = target_.rfind('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : target_.substr(0, slash);
  folder_fd_ = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd_ < 0) {
    const int error = errno;
    Discard();
    return error;
  }
  const int fd = MakeTemporaryFile(folder_fd_, target_.substr(slash + 1), &temporary_);
  if (fd < 0) {
    const int error = errno;
    temporary_.clear();
    Discard();
    return error;
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
  if (renameat(folder_fd_, temporary_.c_str(), AT_FDCWD, target_.c_str()) != 0) {
    const int error = errno;
    Discard();
    return error;
  }
  DropScratchFile(folder_fd_, temporary_.c_str());
  temporary_.clear();
  Discard();
  return 0;
}

void WholeFile::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  direct_ = false;
  if (!temporary_.empty()) {
    unlinkat(folder_fd_, temporary_.c_str(), 0);
    DropScratchFile(folder_fd_, temporary_.c_str());
    temporary_.clear();
  }
  if (folder_fd_ >= 0) close(folder_fd_);
  folder_fd_ = -1;
}
