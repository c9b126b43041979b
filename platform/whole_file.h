// A file written whole or not at all.
//
// A regular file, or a path with no file yet, is written to a temporary file
// beside it (beside the file a symbolic link leads to; see temporary_file.h
// for its name) that takes its name once it is complete: until then a file
// that was there keeps its content, and a failed write, a crash or a signal
// that ends the program leaves neither the temporary (a scratch file, see
// scratch_files.h) nor half a file. A device or a pipe (/dev/null,
// /dev/full, /dev/stdout) cannot be replaced: it is written directly.
#pragma once

#include <cstdio>
#include <string>

class WholeFile {
 public:
  WholeFile() = default;
  // Discards what was not committed.
  ~WholeFile() { Discard(); }
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  // Opens `path` for writing: 0, or the error number that says why it cannot
  // be written (an empty path, a folder, a file or folder no one may write).
  // A file that is there keeps its permissions.
  int Open(const std::string& path);
  // Where to write, once open.
  std::FILE* stream() const { return file_; }
  // A device or a pipe, written directly.
  bool direct() const { return direct_; }
  // Writes out what is buffered and closes the stream: 0, or the error
  // number of the first write that failed (EIO when the stream kept none).
  int Finish();
  // After Finish, the temporary file takes the file's name: 0, or the error
  // number (the file then stays as it was, and the temporary is removed).
  int Commit();
  // Removes the temporary file, if there is one: the file stays as it was.
  void Discard();

 private:
  std::string target_;
  // The folder the temporary was made in, and its name there.
  int folder_fd_ = -1;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  bool direct_ = false;
};
