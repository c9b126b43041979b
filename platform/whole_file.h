// A file written whole or not at all.
//
// A regular file, or a path with no file yet, is written to a temporary file
// beside it (beside the file a symbolic link leads to, or would lead to: a
// link that leads nowhere yet makes the file it names, as the shell's ">"
// does) that takes its name
// once it is complete: until then a file that was there keeps its content,
// and a failed write, a crash or a signal that ends the program leaves
// neither the temporary (a scratch file, see scratch_files.h) nor half a
// file. A device or a pipe (/dev/null, /dev/full, /dev/stdout) cannot be
// replaced: it is written directly.
#pragma once

#include <cstdio>
#include <string>

// The path the symbolic links of `path` lead to, followed one after the
// other as far as they go, dangling ones too: `path` itself when it is no
// link; "" with errno set when they go round in a loop.
std::string FollowLinks(const std::string& path);

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
  // number.
  int Commit();
  // Removes the temporary file, if there is one: the file stays as it was.
  void Discard();

 private:
  std::string target_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  bool direct_ = false;
};
