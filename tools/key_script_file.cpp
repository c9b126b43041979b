#include "key_script_file.h"

#include <cctype>
#include <cerrno>
#include <stdexcept>

#include "player_failures.h"

ScriptFile::~ScriptFile() {
  if (copy_) std::fclose(copy_);
  if (file_ && file_ != stdin) std::fclose(file_);
}

int ScriptFile::Open(const std::string& path, std::string& why) {
  const std::string keys =
      path == "-" ? std::string("the keys from standard input") : "the keys " + Quoted(path);
  file_ = path == "-" ? stdin : std::fopen(path.c_str(), "r");
  if (!file_) {
    const int error = errno;
    why = "cannot read " + keys + ": " + Why(error);
    return StatusOf(error);
  }
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    copy_ = std::tmpfile();
    if (!copy_) {
      why = "cannot keep " + keys + " aside: " + Why(errno);
      return kNotWritten;
    }
  }
  try {
    std::string token;
    while (NextToken(token)) ParseKeyScript(token);
  } catch (const std::invalid_argument& e) {
    why = e.what();
    return kRefused;
  }
  if (copy_ && (std::fflush(copy_) != 0 || std::ferror(copy_)) && !copy_error_) {
    copy_error_ = errno ? errno : EIO;
  }
  if (copy_error_) {
    why = "cannot keep " + keys + " aside: " + Why(copy_error_);
    return kNotWritten;
  }
  if (read_ > kMostBytes) {
    why = keys + " hold more than " + std::to_string(kMostBytes) + " bytes";
    return kRefused;
  }
  if (std::ferror(file_)) {
    why = "cannot read " + keys + ": " + Why(errno);
    return kRefused;
  }
  if (copy_) {
    if (file_ != stdin) std::fclose(file_);
    file_ = copy_;
    copy_ = nullptr;
  }
  // The run reads no more than was checked.
  most_ = read_;
  read_ = 0;
  if (std::fseek(file_, 0, SEEK_SET) != 0) {
    why = "cannot read " + keys + " again: " + Why(errno);
    return kRefused;
  }
  return 0;
}

std::vector<std::string> ScriptFile::Next(int count) {
  std::vector<std::string> keys;
  std::string token;
  try {
    while (static_cast<int>(keys.size()) < count && NextToken(token)) {
      keys.push_back(ParseKeyScript(token).front());
    }
  } catch (const std::invalid_argument&) {
    // The file changed under the run: it ends where the keys stop.
  }
  return keys;
}

bool ScriptFile::NextToken(std::string& token) {
  token.clear();
  int c;
  while (read_ < most_ && !copy_error_ && (c = std::getc(file_)) != EOF) {
    ++read_;
    if (copy_ && std::putc(c, copy_) == EOF) copy_error_ = errno ? errno : EIO;
    if (!std::isspace(c)) {
      token += char(c);
      if (token.size() > kTokenShown) return true;
    } else if (!token.empty()) {
      return true;
    }
  }
  return !token.empty() && !copy_error_ && read_ <= kMostBytes;
}

std::string StreamedKeys::PollKey() {
  if (script_ && keys_left() == 0) AddKeys(script_->Next(kBatch));
  return HeadlessBackend::PollKey();
}
