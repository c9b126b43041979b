#include "headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "errors.h"
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

void HeadlessBackend::SetFrameFolder(const std::string& dir) {
  DiscardFrames();
  frame_dir_ = dir;
  frame_folder_ = open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (frame_folder_ >= 0) SetScratchSeries(frame_folder_, FrameNameInto);
}

void HeadlessBackend::KeepFrames() {
  if (frame_folder_ >= 0) ReleaseFrameFolder();
}

void HeadlessBackend::DiscardFrames() {
  if (frame_folder_ < 0) return;
  // A signal that comes meanwhile removes the rest.
  for (unsigned long long n = frame_; n > 0; --n) {
    unlinkat(frame_folder_, FrameName(n).c_str(), 0);
    CountScratchSeries(n - 1);
  }
  ReleaseFrameFolder();
}

void HeadlessBackend::ReleaseFrameFolder() {
  DropScratchSeries();
  close(frame_folder_);
  frame_folder_ = -1;
}

void HeadlessBackend::AddKeys(const std::vector<std::string>& keys) {
  keys_.insert(keys_.end(), keys.begin(), keys.end());
}

std::string HeadlessBackend::PollKey() {
  if (keys_.empty()) {
    used_up_ = true;
    throw HeadlessStop();
  }
  if (!frame_dir_.empty() && frame_not_written_.empty()) {
    const std::string path = frame_dir_ + "/" + FrameName(++frame_);
    // Counted before it may be there, so that a signal removes it too.
    CountScratchSeries(frame_);
    if (!page_->SavePng(path)) {
      frame_not_written_ = path;
      frame_error_ = errno;
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
