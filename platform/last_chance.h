// The last-chance handler: a crash that escapes the runtime's error trap (a
// fatal signal, an uncaught exception) shows "続行不可能なエラーが発生しました"
// with the program's name and the line being run, then the program ends with
// kLastChanceStatus.
//
// The handler runs in a program that may be broken anywhere, inside the
// memory allocator or the text converter among others, so it does nothing
// that could wait on them: the message is prepared when the handler is
// installed, and the handler only removes the scratch files (see
// scratch_files.h), fills in the line number, writes the message to standard
// error and ends. A message box needs a whole window system, so the handler
// leaves it to a fresh start of the program itself (see
// LastChanceBoxRequest).
#pragma once

#include <string>

inline constexpr int kLastChanceStatus = 3;

// `name` in UTF-8. The message goes to standard error; with `show_box`, the
// program is then started again with LastChanceBoxArgument() to show it in a
// message box captioned `name` as well.
// A crash while memory is exhausted is memory that ran out (a library that
// used memory it could not get), not a fault of the program: the handler
// then says "`who`: out of memory" (`who` empty: `name`) and ends with
// status 1, with no box (started again, the program would have no more
// memory than it had).
void InstallLastChance(const std::string& name, bool show_box = false, const std::string& who = "");

// The message the handler shows, in UTF-8.
std::string LastChanceMessage(const std::string& name, unsigned line);

// The first argument of a program started only to show the last-chance box;
// the caption and the message follow it.
const char* LastChanceBoxArgument();

// When the program's arguments ask for the last-chance box, its caption and
// message; `asked` false otherwise. A process asked for the box also lets
// through again the signals the crashed run's handler held back (a started
// program inherits them), so that it can crash and end as any other.
struct LastChanceBoxRequest {
  bool asked = false;
  const char* caption = nullptr;
  const char* message = nullptr;
};
LastChanceBoxRequest FindLastChanceBoxRequest(int argc, char** argv);
