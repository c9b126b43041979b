#include "whole_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "descriptor_names.h"
#include "flushed.h"
#include "folder_locks.h"
#include "scratch_files.h"
#include "symbolic_links.h"
#include "temporary_file.h"

namespace {

// The filesystem cannot exchange two names, or rename without replacing.
bool Unsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// How many times a file replaced while it is looked at is looked at again:
// far more than another program taking its turn ever needs.
constexpr int kLooks = 100;

// The new file open as `fd`, when it replaces the file `old`, takes that
// file's owner and group where this process may give them (as root; or its
// own and a group it belongs to), each on its own: a user replacing its own
// file in a group it is not in keeps the owner, one in the group but not the
// owner keeps the group. Returns the mode `mode` it is to take, a set-user
// or set-group bit kept only with the owner or the group it goes with. (The
// system then takes a set-group bit from a user who is not root and not in
// the file's group, even where the new file has that group already, from
// a set-group folder.)
mode_t GiveOwner(int fd, const struct stat* old, mode_t mode) {
  if (old) {
    // Giving a file the owner or group it has already always succeeds.
    if (fchown(fd, old->st_uid, -1) != 0) mode &= ~S_ISUID;
    if (fchown(fd, -1, old->st_gid) != 0) mode &= ~S_ISGID;
  }
  return mode;
}

}  // namespace

int WholeFile::Open(const std::string& path) {
  Discard();
  folder_takes_no_file_ = false;
  path_ = path;
  if (path.empty()) return ENOENT;
  if (const int fd = NamedDescriptor(path); fd >= 0) return OpenDescriptor(fd);
  struct stat st;
  mode_t mode;
  const struct stat* replaced = nullptr;
  // Another program may replace the file while it is looked at (another
  // player taking its turn): then it is looked at again, as it is now.
  for (int look = 1;; ++look) {
    if (stat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return errno;
      // No file yet: through a dangling link, the file it leads to is made
      // and the link kept.
      target_ = FollowLinks(path);
      if (target_.empty()) return errno;
      folder_path_ = FolderOf(target_);
      const mode_t mask = umask(0);
      umask(mask);
      mode = 0666 & ~mask;
      break;
    }
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) {
      // Replacing a device or a pipe with a file would be wrong.
      file_ = std::fopen(path.c_str(), "wb");
      if (!file_) return errno;
      direct_ = true;
      return 0;
    }
    // A file no one may write is not replaced either. The file is held
    // open while it is looked at, so that no other file can take its number
    // meanwhile.
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    // Through a symbolic link (/dev/stdout sent to a file among them), the
    // file it leads to is replaced, not the link.
    std::unique_ptr<char, void (*)(void*)> real(realpath(path.c_str(), nullptr), free);
    const int real_error = errno;
    // Through another process's descriptor (/proc/PID/fd/N) the path shown
    // may be none of this file's ("NAME (deleted)"): only a path that leads
    // to this very file is replaced. The path leading elsewhere by now means
    // the file was replaced meanwhile, and it is looked at again.
    struct stat there, now;
    const bool this_file = real && stat(real.get(), &there) == 0 && IdOf(there) == IdOf(st);
    const bool replaced_meanwhile =
        !regular || (!this_file && stat(path.c_str(), &now) == 0 && !(IdOf(now) == IdOf(st)));
    close(fd);
    if (replaced_meanwhile && look < kLooks) continue;
    if (!real) return real_error;
    if (!this_file || !regular) return ENOENT;
    target_ = real.get();
    // The path that leads to its folder, as the path given does: through
    // the links on the way as they stand when the name is taken.
    folder_path_ = FolderOf(FollowLinks(path));
    mode = st.st_mode & 07777;
    replaced = &st;
    break;
  }
  // The temporary is made in the file's folder, held open: it is removed
  // from there, and takes its name there, through that folder, whatever
  // becomes of the folder's path meanwhile (a path that no longer leads to
  // it then takes no file, see FolderStillReached). The folder is opened for
  // reading, as its lock is taken (see folder_locks.h): one this process may
  // write in but not read (mode 0300) could take no lock, and is refused
  // here, before the run.
  folder_fd_ = open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd_ < 0) {
    const int error = errno;
    Discard();
    return error;
  }
  name_ = target_.substr(target_.rfind('/') + 1);
  const int fd = MakeTemporaryFile(folder_fd_, name_, &temporary_);
  if (fd < 0) {
    const int error = errno;
    temporary_.clear();
    Discard();
    folder_takes_no_file_ = true;
    return error;
  }
  written_ = IdOfDescriptor(fd);
  mode_ = GiveOwner(fd, replaced, mode);
  file_ = fdopen(fd, "wb");
  if (!file_) {
    const int error = errno;
    close(fd);
    Discard();
    return error;
  }
  return 0;
}

int WholeFile::OpenDescriptor(int fd) {
  // A copy of it, closed when the writing is done; the descriptor itself
  // stays as it was handed over.
  int error = 0;
  file_ = DescriptorStream(fd, /*write=*/true, &error);
  direct_ = file_ != nullptr;
  return error;
}

int WholeFile::Finish() {
  if (!file_) return EBADF;
  int error = Flushed(file_);
  // The mode is given after the last write: a write by any user but root
  // clears the set-user and set-group bits.
  if (!temporary_.empty()) fchmod(fileno(file_), mode_);
  if (std::fclose(file_) != 0 && error == 0) error = errno;
  file_ = nullptr;
  return error;
}

int WholeFile::Commit() {
  return CommitTogether({this});
}

// 0 while the path that led to the file's folder when it was opened leads
// there still; else the error number of looking it up, ENOTDIR for a file
// in its place, or kFolderReplaced for another folder (or a link to one).
int WholeFile::FolderStillReached() const {
  struct stat now, held;
  if (stat(folder_path_.c_str(), &now) != 0) return errno;
  if (!S_ISDIR(now.st_mode)) return ENOTDIR;
  if (fstat(folder_fd_, &held) != 0) return errno;
  return IdOf(now) == IdOf(held) ? 0 : kFolderReplaced;
}

// 0 while the path given, followed afresh with its links, leads to the
// file written; else as FolderStillReached, or the error number of looking
// the path up, or kPathChanged.
int WholeFile::PathLeadsToIt() const {
  if (int error = FolderStillReached()) return error;
  const FileId now = IdOfPath(path_);
  if (!now.known()) return errno;
  return now == written_ ? 0 : kPathChanged;
}

// The temporary takes the file's name, and the file it replaces (if any)
// goes to a name of its own in the folder, old_, until the whole set of
// files took their names: exchanged with the temporary where the filesystem
// can exchange two names as one step, else moved aside first. Both names
// are taken through the folder held open, and only while the path still
// leads to it.
int WholeFile::TakeName(bool may_exchange) {
  if (int error = FolderStillReached()) return error;
  if (!may_exchange) return TakeNameMovingOldAside();
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (renameat2(folder_fd_, temporary_.c_str(), folder_fd_, name_.c_str(), RENAME_EXCHANGE) ==
        0) {
      // A folder put in the file's place meanwhile is not replaced (as a
      // plain rename would not replace it).
      struct stat old;
      const bool looked = fstatat(folder_fd_, temporary_.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
      if (looked && S_ISDIR(old.st_mode)) {
        renameat2(folder_fd_, temporary_.c_str(), folder_fd_, name_.c_str(), RENAME_EXCHANGE);
        return EISDIR;
      }
      taken_ = Taken::kExchanged;
      old_ = temporary_;
      old_id_ = looked ? IdOf(old) : FileId{};
      // The temporary's name now holds the old file: no scratch file.
      DropScratchFile(folder_fd_, temporary_.c_str());
      return 0;
    }
    int error = errno;
    if (error == ENOENT) {
      // No file of that name yet, or the temporary or the folder is gone:
      // the rename says which.
      if (renameat2(folder_fd_, temporary_.c_str(), folder_fd_, name_.c_str(), RENAME_NOREPLACE) ==
          0) {
        taken_ = Taken::kNew;
        DropScratchFile(folder_fd_, temporary_.c_str());
        return 0;
      }
      error = errno;
      // Made meanwhile: exchanged the next time round.
      if (error == EEXIST) continue;
    }
    if (Unsupported(error)) return TakeNameMovingOldAside();
    return error;
  }
  return EEXIST;
}

int WholeFile::TakeNameMovingOldAside() {
  // An empty file of a new name, that the old file then replaces.
  std::string aside;
  const int fd = MakeTemporaryFile(folder_fd_, name_, &aside);
  if (fd < 0) return errno;
  close(fd);
  DropScratchFile(folder_fd_, aside.c_str());
  const bool moved = renameat(folder_fd_, name_.c_str(), folder_fd_, aside.c_str()) == 0;
  if (!moved) {
    const int error = errno;
    unlinkat(folder_fd_, aside.c_str(), 0);
    if (error != ENOENT) return error;
  }
  if (renameat(folder_fd_, temporary_.c_str(), folder_fd_, name_.c_str()) != 0) {
    const int error = errno;
    if (moved) renameat(folder_fd_, aside.c_str(), folder_fd_, name_.c_str());
    return error;
  }
  DropScratchFile(folder_fd_, temporary_.c_str());
  taken_ = moved ? Taken::kMovedAside : Taken::kNew;
  if (moved) {
    old_ = aside;
    struct stat old;
    old_id_ =
        fstatat(folder_fd_, aside.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 ? IdOf(old) : FileId{};
  }
  return 0;
}

// Undoes TakeName: the old file takes its name again (or none has it), and
// what the temporary held is a scratch file again, for Discard to remove.
// Only while the name still holds the new file: a file that something else
// put there meanwhile keeps the name, and the old file stays where it went.
void WholeFile::GiveNameBack() {
  const bool ours = NameHolds(folder_fd_, name_.c_str(), written_);
  switch (ours ? taken_ : Taken::kNot) {
    case Taken::kNot:
      break;
    case Taken::kNew:
      AddScratchFile(folder_fd_, temporary_.c_str(), written_);
      if (renameat(folder_fd_, name_.c_str(), folder_fd_, temporary_.c_str()) != 0) {
        unlinkat(folder_fd_, name_.c_str(), 0);
      }
      break;
    case Taken::kExchanged:
      AddScratchFile(folder_fd_, temporary_.c_str(), written_);
      renameat2(folder_fd_, temporary_.c_str(), folder_fd_, name_.c_str(), RENAME_EXCHANGE);
      break;
    case Taken::kMovedAside:
      renameat(folder_fd_, old_.c_str(), folder_fd_, name_.c_str());
      break;
  }
  taken_ = Taken::kNot;
  old_.clear();
  old_id_ = {};
}

// Once every file of the set took its name, the files they replaced go.
void WholeFile::DropOld() {
  if (!old_.empty() && NameHolds(folder_fd_, old_.c_str(), old_id_)) {
    unlinkat(folder_fd_, old_.c_str(), 0);
  }
  old_.clear();
  old_id_ = {};
  taken_ = Taken::kNot;
  temporary_.clear();
  Discard();
}

void WholeFile::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  direct_ = false;
  if (!temporary_.empty()) {
    if (NameHolds(folder_fd_, temporary_.c_str(), written_)) {
      unlinkat(folder_fd_, temporary_.c_str(), 0);
    }
    DropScratchFile(folder_fd_, temporary_.c_str());
    temporary_.clear();
  }
  if (folder_fd_ >= 0) close(folder_fd_);
  folder_fd_ = -1;
}

int CommitTogether(std::initializer_list<WholeFile*> files, WholeFile** failed, bool may_exchange,
                   const std::function<int()>& in_step) {
  std::vector<WholeFile*> named;
  std::vector<FolderToLock> folders;
  for (WholeFile* file : files) {
    if (file->temporary_.empty()) continue;
    named.push_back(file);
    folders.push_back({file->folder_fd_, FolderOf(file->target_)});
  }
  if (named.empty() && !in_step) return 0;
  // Another program replacing files in these folders finishes first (an
  // ending signal that comes while this waits ends the program as usual);
  // then no signal cuts the step in two.
  FolderLocks locks(folders);
  if (locks.error()) {
    for (WholeFile* file : named) file->Discard();
    if (failed) *failed = named[locks.stayed_locked()];
    return locks.error();
  }
  EndingSignalsHeld held;
  // The names taken so far give them back, and every temporary goes.
  auto undo = [&named](size_t taken) {
    for (size_t j = taken; j-- > 0;) named[j]->GiveNameBack();
    for (WholeFile* file : named) file->Discard();
  };
  for (size_t i = 0; i < named.size(); ++i) {
    if (int error = named[i]->TakeName(may_exchange)) {
      undo(i);
      if (failed) *failed = named[i];
      return error;
    }
  }
  // The moment the files count as written: every path, followed afresh,
  // leads to its new file. A folder moved or a link pointed elsewhere
  // while the names were taken gives them all back.
  for (WholeFile* file : named) {
    if (int error = file->PathLeadsToIt()) {
      undo(named.size());
      if (failed) *failed = file;
      return error;
    }
  }
  if (int error = in_step ? in_step() : 0) {
    undo(named.size());
    if (failed) *failed = nullptr;
    return error;
  }
  for (WholeFile* file : named) file->DropOld();
  return 0;
}
