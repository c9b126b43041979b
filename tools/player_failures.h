// How the player says what it cannot do: one line on standard error headed
// "player: ", names shown as a terminal can show them, and the status it
// ends with.
#pragma once

#include <string>

// Arguments refused before the run: an unknown program, key or option, a
// file that cannot be read or written, one file given twice.
inline constexpr int kRefused = 2;
// Something could not be written or drawn, or memory ran out.
inline constexpr int kNotWritten = 1;

// One line on standard error, after "player: ".
void Say(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A name in quotes, every byte that is not printable ASCII (a line end among
// them) written as \xHH.
std::string Quoted(const std::string& name);

// How a line names a file the player was given as `what` ("picture", "log",
// "keys"): the picture by its name alone, the log and the keys after "the
// log" and "the keys"; keys read from standard input (`path` "-", or a name
// of descriptor 0) as "the keys from standard input".
std::string Named(const std::string& what, const std::string& path);

// The line for a file given as `what` that cannot be read or written as
// the player does with it: "cannot write "out.png": WHY", "cannot write the
// log "x.log": WHY", "cannot read the keys from standard input: WHY".
std::string CannotUse(const std::string& what, const std::string& path, int error);

// The line for a picture or a log (`what`) whose folder took no new file,
// the temporary it is written to (see WholeFile): "cannot write
// "/proc/version": its folder cannot take a new file (WHY)"; memory or file
// descriptors that ran out as CannotUse says them.
std::string CannotMakeBeside(const std::string& what, const std::string& path, int error);

// Why a file could not be read or written: memory that ran out is said in
// the words used wherever it runs out, a folder's lock that another program
// kept and a folder replaced under a file as such (see folder_locks.h and
// whole_file.h), any other error as the system says it.
const char* Why(int error);

// The status a failure to read or write a file ends the player with:
// memory or file descriptors that ran out are no refused argument.
int StatusOf(int error);
