#include "flushed.h"

#include <cerrno>

int Flushed(std::FILE* stream) {
  if (std::fflush(stream) != 0) return errno ? errno : EIO;
  return std::ferror(stream) ? EIO : 0;
}
