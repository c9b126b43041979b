#include "player_failures.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "folder_locks.h"
#include "memory_room.h"
#include "readable.h"

void Say(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::fputs("player: ", stderr);
  std::vfprintf(stderr, format, args);
  std::fputc('\n', stderr);
  va_end(args);
}

std::string Quoted(const std::string& name) {
  return "\"" + Readable(name) + "\"";
}

const char* Why(int error) {
  if (error == kFolderStayedLocked) return kFolderStayedLockedWhy;
  return error == ENOMEM ? kOutOfMemory : std::strerror(error);
}

int StatusOf(int error) {
  const bool limit = error == ENOMEM || error == EMFILE || error == ENFILE;
  return limit ? kNotWritten : kRefused;
}
