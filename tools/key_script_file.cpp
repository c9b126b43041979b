#include "key_script_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "descriptor_names.h"
#include "flushed.h"
#include "player_failures.h"

namespace {

// One byte more of an FNV-1a hash.
std::uint64_t HashedByte(std::uint64_t hash, unsigned char byte) {
  return (hash ^ byte) * 1099511628211ull;
}

// Reads the file open as `fd` afresh from `start`, through the system and
// not through a stream's buffer, at most `most` bytes: their hash on from
// `hash`, how many they were (`got`) and whether anything follows them
// (`more`, read as one byte past them). 0, or the error of a read that
// failed.
int ReadAfresh(int fd, long start, long most, std::uint64_t& hash, long& got, bool& more) {
  std::vector<unsigned char> buffer(64 * 1024);
  long read = 0;
  while (read <= most) {
    const ssize_t n =
        pread(fd, buffer.data(), std::min<long>(most + 1 - read, buffer.size()), start + read);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    for (ssize_t i = 0; i < n && read + i < most; ++i) hash = HashedByte(hash, buffer[i]);
    read += n;
  }
  got = std::min(read, most);
  more = read > most;
  return 0;
}

}  // namespace

ScriptFile::~ScriptFile() {
  if (copy_) std::fclose(copy_);
  if (file_) std::fclose(file_);
}

int ScriptFile::Open(const std::string& path, std::string& why) {
  const int fd = path == "-" ? STDIN_FILENO : NamedDescriptor(path);
  path_ = path;
  keys_ = Named("keys", path);
  // A descriptor is read through a copy, sharing its place in the file.
  int error = 0;
  if (fd >= 0) {
    file_ = DescriptorStream(fd, /*write=*/false, &error);
  } else if (!(file_ = std::fopen(path.c_str(), "re"))) {
    error = errno;
  }
  if (!file_) {
    why = CannotUse("keys", path, error);
    return StatusOf(error);
  }
  // A regular file is read again from where the script starts; anything
  // else is copied aside as it is checked.
  struct stat st;
  const bool looked = fstat(fileno(file_), &st) == 0;
  start_ = looked && S_ISREG(st.st_mode) ? ftell(file_) : -1;
  opened_ = looked ? IdOf(st) : FileId{};
  regular_ = start_ >= 0 ? opened_ : FileId{};
  by_path_ = fd < 0;
  if (start_ < 0) {
    copy_ = std::tmpfile();
    if (!copy_) {
      why = "cannot keep " + keys_ + " aside: " + Why(errno);
      return kNotWritten;
    }
  }
  try {
    std::string token;
    while (NextToken(token)) KeyOfToken(token);
  } catch (const std::invalid_argument& e) {
    why = e.what();
    return kRefused;
  }
  if (copy_ && !copy_error_) copy_error_ = Flushed(copy_);
  if (copy_error_) {
    why = "cannot keep " + keys_ + " aside: " + Why(copy_error_);
    return kNotWritten;
  }
  if (read_ > kMostBytes) {
    why = keys_ + " hold more than " + std::to_string(kMostBytes) + " bytes";
    return kRefused;
  }
  if (read_error_) {
    why = CannotUse("keys", path_, read_error_);
    return kRefused;
  }
  if (copy_) {
    std::fclose(file_);
    file_ = copy_;
    copy_ = nullptr;
    start_ = 0;
  }
  // The run reads no more than was checked, and reads it again from the
  // start.
  most_ = read_;
  read_ = 0;
  checked_hash_ = hash_;
  hash_ = kHashStart;
  if (std::fseek(file_, start_, SEEK_SET) != 0) {
    why = "cannot read " + keys_ + " again: " + Why(errno);
    return kRefused;
  }
  return 0;
}

std::vector<std::string> ScriptFile::Next(int count) {
  std::vector<std::string> keys;
  std::string token;
  try {
    while (static_cast<int>(keys.size()) < count && NextToken(token)) {
      keys.push_back(KeyOfToken(token));
    }
  } catch (const std::invalid_argument&) {
    // The file changed under the run: it ends where the keys stop.
    changed_ = true;
  }
  return keys;
}

int ScriptFile::Finish(std::string& why) {
  std::string token;
  while (!changed_ && NextToken(token)) {
  }
  // The file as it stands now, read afresh from where the script starts:
  // the stream's buffer may still hold bytes read before a change (all of a
  // short script, read whole when it was checked). It must hold the script
  // that was checked and nothing more. A file is judged by what it gives
  // when read, never by the size the system reports for it: a file of /proc
  // or /sys reports none (or a page), and standard input may stand past the
  // file's end. (The copy of a script that is no regular file holds what
  // was checked, and is read afresh the same way.)
  std::uint64_t hash_now = kHashStart;
  long bytes_now = 0;
  bool more = false;
  if (!changed_ && !read_error_) {
    read_error_ = ReadAfresh(fileno(file_), start_, most_, hash_now, bytes_now, more);
  }
  if (!read_error_ && std::ferror(file_)) read_error_ = errno ? errno : EIO;
  if (read_error_) {
    why = CannotUse("keys", path_, read_error_);
    return kNotWritten;
  }
  // The path given leads to the file read, looked up afresh.
  const bool moved = by_path_ && !(IdOfPath(path_) == opened_);
  if (changed_ || read_ != most_ || hash_ != checked_hash_ || more || bytes_now != most_ ||
      hash_now != checked_hash_ || moved) {
    why = keys_ + " changed during the run";
    return kNotWritten;
  }
  return 0;
}

bool ScriptFile::NextToken(std::string& token) {
  token.clear();
  int c;
  while (read_ < most_ && !copy_error_ && !read_error_ && (c = std::getc(file_)) != EOF) {
    ++read_;
    hash_ = HashedByte(hash_, static_cast<unsigned char>(c));
    if (copy_ && std::putc(c, copy_) == EOF) copy_error_ = errno ? errno : EIO;
    if (!IsKeyScriptBlank(char(c))) {
      token += char(c);
      if (token.size() > kTokenShown) return true;
    } else if (!token.empty()) {
      return true;
    }
  }
  if (!read_error_ && std::ferror(file_)) read_error_ = errno ? errno : EIO;
  return !token.empty() && !copy_error_ && !read_error_ && read_ <= kMostBytes;
}

std::string StreamedKeys::PollKey() {
  if (script_ && keys_left() == 0) AddKeys(script_->Next(kBatch));
  return HeadlessBackend::PollKey();
}
