// A key script read from a file (@FILE, @- for standard input) token by
// token, as the run asks for keys, so that a long script takes no more
// memory than a short one.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "headless.h"

// Opening the script checks every token, so an unknown key is refused before
// the run; standard input (and any file that cannot be read twice) is copied
// aside as it is checked, to a temporary file that has no name and so goes
// with the player, whatever ends it. A script holds at most kMostBytes, so
// that endless input (a device of zeros, a command that never stops) is
// refused instead of read and copied for ever.
class ScriptFile {
 public:
  // Room for a million keys of the longest name, and a million blanks.
  static constexpr long kMostBytes = 16L << 20;

  ScriptFile() = default;
  ~ScriptFile();
  ScriptFile(const ScriptFile&) = delete;
  ScriptFile& operator=(const ScriptFile&) = delete;

  // 0 when the script is there, holds at most kMostBytes and every token
  // is a key; else the status to end with, and `why` says why not.
  int Open(const std::string& path, std::string& why);
  // Up to `count` more keys; none when the script is used up.
  std::vector<std::string> Next(int count);

 private:
  // The next token; false at the end of the script, past its most bytes or
  // when its copy cannot be written. A key's name is far shorter than
  // kTokenShown: a longer token is cut there, to be refused as soon as it
  // is read. Every byte read is also written to the copy, when there is one.
  bool NextToken(std::string& token);

  std::FILE* file_ = nullptr;
  std::FILE* copy_ = nullptr;
  int copy_error_ = 0;
  // The bytes read, and the most that may be read: one past kMostBytes
  // while the script is checked (to tell a script of kMostBytes from a
  // longer one), what was checked during the run.
  long read_ = 0;
  long most_ = kMostBytes + 1;
};

// The headless page fed from a key script file as the run asks for keys
// (none: the keys given to it beforehand).
class StreamedKeys : public HeadlessBackend {
 public:
  explicit StreamedKeys(ScriptFile* script) : script_(script) {}
  std::string PollKey() override;

 private:
  static constexpr int kBatch = 1024;
  ScriptFile* script_;
};
