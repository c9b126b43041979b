// The headless backend: the same page without a window. Keys come from a
// script; when it is used up the next poll stops the run. The clock is fixed,
// so the random seed is too. With a folder for frames, the page is saved
// there before every key.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "backend.h"
#include "file_ids.h"

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(std::vector<std::string> keys = {}, std::string clock = "12:00:00");
  // Removes the frames not kept.
  ~HeadlessBackend() override;
  HeadlessBackend(const HeadlessBackend&) = delete;
  HeadlessBackend& operator=(const HeadlessBackend&) = delete;

  std::string PollKey() override;
  std::string Clock() override { return clock_; }
  [[noreturn]] void WaitUntilClosed(const RuntimeError& error) override;

  void AddKeys(const std::vector<std::string>& keys);
  void SetClock(const std::string& clock) { clock_ = clock; }
  // With a folder set (open as `folder_fd`, which the backend takes over;
  // `dir` is its name as given, for what is said about a frame), the page
  // is saved as 0001.png, 0002.png, ... (see FrameName) in that folder
  // before every key is handed out, until one cannot be written. The frames
  // go through the descriptor, to the folder opened whatever becomes of its
  // name meanwhile. Each is made new, whole before it takes its name where
  // the folder's filesystem can make a file without a name and /proc gives
  // it one (else written under its name): a name that something already
  // took (a file, a link, a FIFO) is left alone, and that frame is not
  // written. The folder's lock
  // (see folder_locks.h) is held while a frame takes its name. The frames
  // are one run's: scratch files (see scratch_files.h) until KeepFrames,
  // removed by a signal or a crash that ends the program, by DiscardFrames,
  // or when the backend goes; only the frames this backend made are
  // removed, each only while its name still holds it.
  void SetFrameFolder(int folder_fd, const std::string& dir);
  void KeepFrames();
  void DiscardFrames();
  // The frames' folder, open while the frames are not kept (else -1).
  int frame_folder() const { return frame_folder_; }
  // The first frame that could not be written (no frame is written after
  // it), "" when all were, and the error number that says why.
  const std::string& frame_not_written() const { return frame_not_written_; }
  int frame_error() const { return frame_error_; }

  bool script_used_up() const { return used_up_; }
  // Whether the run stopped at the error screen, and the error it showed.
  bool error_screen() const { return error_screen_; }
  unsigned error_line() const { return error_line_; }
  int error_code() const { return error_code_; }
  // The source file of the failing line, relative to the top of the tree.
  const std::string& error_file() const { return error_file_; }
  // "error screen: LINE,CODE (FILE:LINE)".
  std::string ErrorReport() const {
    return ErrorScreenReport(error_line_, error_code_, error_file_);
  }
  size_t keys_left() const { return keys_.size(); }

 private:
  // Lets the frames' folder go, whatever became of the frames.
  void ReleaseFrameFolder();
  // Writes the frame numbered `n`: 0, or the error number that says why it
  // was not written.
  int WriteFrame(unsigned long long n);
  // Frame `n`, the file `made` (when it is known before it is named), takes
  // its name by `take_name` (the file that took it; not known when it did
  // not, and errno says why), the folder's lock held and no ending signal
  // between the name and its count as a scratch file: 0, or the error
  // number.
  int NameFrame(unsigned long long n, const FileId& made, const std::function<FileId()>& take_name);
  // Counts frame `n`, the file `made`, among the scratch files.
  void NoteFrame(unsigned long long n, const FileId& made);

  std::deque<std::string> keys_;
  std::string clock_;
  std::string frame_dir_;
  int frame_folder_ = -1;  // open while the frames are not kept
  // Whether frames are made without a name first (see SetFrameFolder).
  bool unnamed_frames_ = false;
  unsigned long long frames_made_ = 0;  // the frames that took their names
  // The file each frame is, frame n at n - 1: a frame's name is removed
  // only while it holds that file. A signal's handler reads it too (see
  // CountScratchSeries).
  std::vector<FileId> frame_ids_;
  std::string frame_not_written_;
  int frame_error_ = 0;
  unsigned long long frame_ = 0;
  bool used_up_ = false;
  bool error_screen_ = false;
  unsigned error_line_ = 0;
  int error_code_ = 0;
  std::string error_file_;
};
