#include "player_failures.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "descriptor_names.h"
#include "folder_locks.h"
#include "memory_room.h"
#include "readable.h"
#include "whole_file.h"

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

std::string Named(const std::string& what, const std::string& path) {
  if (what == "picture") return Quoted(path);
  if (what == "keys" && (path == "-" || NamedDescriptor(path) == STDIN_FILENO)) {
    return "the keys from standard input";
  }
  return "the " + what + " " + Quoted(path);
}

std::string CannotUse(const std::string& what, const std::string& path, int error) {
  return (what == "keys" ? "cannot read " : "cannot write ") + Named(what, path) + ": " +
         Why(error);
}

std::string CannotMakeBeside(const std::string& what, const std::string& path, int error) {
  if (StatusOf(error) != kRefused) return CannotUse(what, path, error);
  return "cannot write " + Named(what, path) + ": its folder cannot take a new file (" +
         Why(error) + ")";
}

const char* Why(int error) {
  if (error == kFolderStayedLocked) return FolderStayedLockedWhy();
  if (error == kFolderReplaced) return kFolderReplacedWhy;
  if (error == kPathChanged) return kPathChangedWhy;
  return error == ENOMEM ? kOutOfMemory : std::strerror(error);
}

int StatusOf(int error) {
  const bool limit = error == ENOMEM || error == EMFILE || error == ENFILE;
  return limit ? kNotWritten : kRefused;
}
