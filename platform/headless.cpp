#include "headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "errors.h"
#include "folder_locks.h"
#include "frame_names.h"
#include "scratch_files.h"

HeadlessBackend::HeadlessBackend(std::vector<std::string> keys, std::string clock)
    : keys_(keys.begin(), keys.end()), clock_(std::move(clock)) {
  page_ = std::make_unique<Page>(1.0);
  page_->logging = true;
}

HeadlessBackend::~HeadlessBackend() {
  DiscardFrames();
}

void HeadlessBackend::SetFrameFolder(int folder_fd, const std::string& dir) {
  DiscardFrames();
  frame_dir_ = dir;
  frame_folder_ = folder_fd;
  frames_made_ = 0;
  // A file without a name is given one through its link in /proc.
  unnamed_frames_ = access("/proc/self/fd", F_OK) == 0;
  SetScratchSeries(frame_folder_, FrameNameInto);
}

void HeadlessBackend::KeepFrames() {
  if (frame_folder_ >= 0) ReleaseFrameFolder();
}

void HeadlessBackend::DiscardFrames() {
  if (frame_folder_ < 0) return;
  // A signal that comes meanwhile removes the rest. A name that no longer
  // holds the frame made there (moved away, another file put in its place)
  // is left as it is.
  for (unsigned long long n = frames_made_; n > 0; --n) {
    const std::string name = FrameName(n);
    if (NameHolds(frame_folder_, name.c_str(), frame_ids_[n - 1])) {
      unlinkat(frame_folder_, name.c_str(), 0);
    }
    CountScratchSeries(n - 1, frame_ids_.data());
  }
  frames_made_ = 0;
  ReleaseFrameFolder();
}

void HeadlessBackend::ReleaseFrameFolder() {
  DropScratchSeries();
  // No handler reads the frames' files any more.
  std::vector<FileId>().swap(frame_ids_);
  close(frame_folder_);
  frame_folder_ = -1;
}

void HeadlessBackend::NoteFrame(unsigned long long n, const FileId& made) {
  if (frame_ids_.size() == frame_ids_.capacity()) {
    // A larger array, whole, before the one a handler may be reading goes.
    std::vector<FileId> larger;
    larger.reserve(std::max<size_t>(64, 2 * frame_ids_.capacity()));
    larger.assign(frame_ids_.begin(), frame_ids_.end());
    CountScratchSeries(n - 1, larger.data());
    frame_ids_.swap(larger);
  }
  frame_ids_.push_back(made);
  CountScratchSeries(n, frame_ids_.data());
}

int HeadlessBackend::NameFrame(unsigned long long n, const FileId& made,
                               const std::function<FileId()>& take_name) {
  FolderLocks lock({{frame_folder_, frame_dir_}});
  if (lock.error()) return lock.error();
  // Counted before the name is taken, so that a signal removes the frame
  // too; counted back when the name was not taken, so that nothing removes
  // what took it.
  EndingSignalsHeld held;
  NoteFrame(n, made);
  const FileId taken = take_name();
  if (!taken.known()) {
    const int error = errno;
    frame_ids_.pop_back();
    CountScratchSeries(n - 1, frame_ids_.data());
    return error;
  }
  frame_ids_[n - 1] = taken;
  frames_made_ = n;
  return 0;
}

int HeadlessBackend::WriteFrame(unsigned long long n) {
  const std::string name = FrameName(n);
  int fd = -1;
  if (unnamed_frames_) {
    fd = openat(frame_folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // A filesystem that makes no file without a name: made under its name
    // from now on.
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR) return errno;
    unnamed_frames_ = fd >= 0;
  }
  if (!unnamed_frames_) {
    // Made new, never through a link or into another's file; which file it
    // is, is known once it is made.
    const int error = NameFrame(n, FileId{}, [&] {
      fd = openat(frame_folder_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  0666);
      return fd >= 0 ? IdOfDescriptor(fd) : FileId{};
    });
    if (error) return error;
  }
  std::FILE* file = fdopen(fd, "wb");
  if (!file) {
    const int error = errno;
    close(fd);
    return error;
  }
  int error = page_->SavePng(file) ? 0 : errno;
  if (error == 0 && unnamed_frames_) {
    // The whole frame takes its name, which must be free: a link there is
    // not followed, and nothing that took the name is replaced.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const FileId made = IdOfDescriptor(fd);
    error = NameFrame(n, made, [&] {
      return linkat(AT_FDCWD, self.c_str(), frame_folder_, name.c_str(), AT_SYMLINK_FOLLOW) == 0
                 ? made
                 : FileId{};
    });
  }
  if (std::fclose(file) != 0 && error == 0) error = errno;
  return error;
}

void HeadlessBackend::AddKeys(const std::vector<std::string>& keys) {
  keys_.insert(keys_.end(), keys.begin(), keys.end());
}

std::string HeadlessBackend::PollKey() {
  if (keys_.empty()) {
    used_up_ = true;
    throw HeadlessStop();
  }
  if (frame_folder_ >= 0 && frame_not_written_.empty()) {
    if (const int error = WriteFrame(++frame_)) {
      frame_not_written_ = frame_dir_ + "/" + FrameName(frame_);
      frame_error_ = error;
    }
  }
  std::string key = keys_.front();
  keys_.pop_front();
  return key;
}

void HeadlessBackend::WaitUntilClosed(const RuntimeError& error) {
  error_screen_ = true;
  error_line_ = error.line;
  error_code_ = error.code;
  error_file_ = error.file;
  throw HeadlessStop();
}
