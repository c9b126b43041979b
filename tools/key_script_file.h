// A key script read from a file (@FILE, @- for standard input) token by
// token, as the run asks for keys, so that a long script takes no more
// memory than a short one.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "file_ids.h"
#include "headless.h"
#include "key_script.h"

// Opening the script checks every token, so an unknown key is refused before
// the run; a regular file is then read again as the run goes, and anything
// else (standard input from a pipe, a FIFO, a device) is copied aside as it
// is checked, to a temporary file that has no name and so goes with the
// player, whatever ends it. Standard input, and any name of a descriptor
// (/dev/stdin, /dev/fd/3), is read through that descriptor from where it
// stands, as a filter reads it. A script holds at most kMostBytes, so that
// endless input (a device of zeros, a command that never stops) is refused
// instead of read and copied for ever. Finish tells whether the run read
// the very script that was checked: a file that changed meanwhile, or that
// could not be read, fails the run, and so does a path that no longer leads
// to the file read (replaced by another, as an editor saves; removed; a FIFO
// in its place).
class ScriptFile {
 public:
  // Room for a million keys of the longest name, and a million blanks.
  static constexpr long kMostBytes = 16L << 20;

  ScriptFile() = default;
  ~ScriptFile();
  ScriptFile(const ScriptFile&) = delete;
  ScriptFile& operator=(const ScriptFile&) = delete;

  // 0 when the script is there, holds at most kMostBytes and every token
  // is a key; else the status to end with, and `why` says why not. `path`
  // "-" is standard input.
  int Open(const std::string& path, std::string& why);
  // Up to `count` more keys; none when the script is used up (or stops
  // where the file changed, or could not be read).
  std::vector<std::string> Next(int count);
  // After the run: 0 when the run read, byte for byte, the script that was
  // checked (what it did not need is read now to compare) and the file,
  // read afresh as it stands now, still holds that script and nothing more,
  // and the path given (not a descriptor's name) still leads to it; else
  // the status to end with, and `why` says why not (it changed during the
  // run, or could not be read). Called again, it judges the file as it
  // stands then.
  int Finish(std::string& why);
  // Once open, the regular file the keys are read from (standard input's
  // among them); not known for a pipe, a FIFO or a device.
  const FileId& regular_file() const { return regular_; }

 private:
  // The next token; false at the end of the script, past its most bytes,
  // when the file cannot be read or when its copy cannot be written. A
  // key's name is far shorter than kTokenShown: a longer token is cut one
  // byte past it (so that it shows as longer), to be refused as soon as it
  // is read. Every byte read is also written to the copy, when there is
  // one, and counted in the hash.
  bool NextToken(std::string& token);

  std::FILE* file_ = nullptr;
  std::FILE* copy_ = nullptr;
  int copy_error_ = 0;
  int read_error_ = 0;
  // The script's path as given ("-": standard input), and how the messages
  // name it: the keys "FILE", or the keys from standard input.
  std::string path_;
  std::string keys_;
  // The file opened, and whether the path given leads to it (no name of a
  // descriptor) and so must lead to it still at the end.
  FileId opened_;
  FileId regular_;
  bool by_path_ = false;
  // Where the script starts in the file.
  long start_ = 0;
  // The bytes read, and the most that may be read: one past kMostBytes
  // while the script is checked (to tell a script of kMostBytes from a
  // longer one), what was checked during the run.
  long read_ = 0;
  long most_ = kMostBytes + 1;
  // A hash (FNV-1a) of the bytes read, and that of the script checked.
  static constexpr std::uint64_t kHashStart = 14695981039346656037ull;
  std::uint64_t hash_ = kHashStart;
  std::uint64_t checked_hash_ = 0;
  // The run met a token that was no key: the file changed.
  bool changed_ = false;
};

// The headless backend fed from a key script file as the run asks for keys
// (none: the keys given to it beforehand).
class StreamedKeys : public HeadlessBackend {
 public:
  explicit StreamedKeys(ScriptFile* script) : script_(script) {}
  std::string PollKey() override;

 private:
  static constexpr int kBatch = 1024;
  ScriptFile* script_;
};
