#include "temporary_file.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <string>

#include "scratch_files.h"

extern char* program_invocation_short_name;

namespace {

// Six characters no other temporary is likely to have.
std::string UniqueCharacters() {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char bytes[6];
  if (getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != sizeof bytes) {
    // Without the kernel's random numbers, the clock and a count differ
    // from one try to the next.
    static unsigned count = 0;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    unsigned long mix = static_cast<unsigned long>(now.tv_nsec) ^ (++count * 2654435761u);
    for (unsigned char& b : bytes) {
      b = static_cast<unsigned char>(mix);
      mix = mix * 6364136223846793005ul + 1442695040888963407ul;
      b ^= static_cast<unsigned char>(mix >> 56);
    }
  }
  std::string unique;
  for (unsigned char b : bytes) unique += kAlphabet[b % (sizeof kAlphabet - 1)];
  return unique;
}

}  // namespace

std::string TemporaryName(const std::string& beside, const std::string& unique, long name_max) {
  std::string owner = program_invocation_short_name;
  if (owner.size() > 32) owner.resize(32);
  const std::string suffix = "." + owner + "-" + std::to_string(getpid()) + "-" + unique;
  size_t keep = beside.size();
  if (name_max > 0 && keep + suffix.size() > size_t(name_max)) {
    keep = suffix.size() < size_t(name_max) ? size_t(name_max) - suffix.size() : 0;
    // Not in the middle of a character: a UTF-8 continuation byte is
    // 10xxxxxx.
    while (keep > 0 && (static_cast<unsigned char>(beside[keep]) & 0xC0) == 0x80) --keep;
  }
  return beside.substr(0, keep) + suffix;
}

int MakeTemporaryFile(int folder_fd, const std::string& beside, std::string* name) {
  long name_max = fpathconf(folder_fd, _PC_NAME_MAX);
  if (name_max <= 0) name_max = NAME_MAX;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = TemporaryName(beside, UniqueCharacters(), name_max);
    // No ending signal comes between making the file and noting it.
    EndingSignalsHeld held;
    const int fd = openat(folder_fd, name->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    if (!AddScratchFile(folder_fd, name->c_str(), IdOfDescriptor(fd))) {
      close(fd);
      unlinkat(folder_fd, name->c_str(), 0);
      errno = ENAMETOOLONG;
      return -1;
    }
    return fd;
  }
  errno = EEXIST;
  return -1;
}
