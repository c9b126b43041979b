// Runtime errors and the ways a program run can end.
//
// A runtime error carries the runtime's error code and the source file and
// line of the statement that failed. Every checked operation takes the
// caller's source location as a defaulted argument, so the place is the
// caller's own. The build names source files relative to the top of the
// tree (lessons/pellith/reciprocal_pages.cpp).
#pragma once

#include <exception>
#include <source_location>
#include <string>

using Where = std::source_location;

// The runtime's error codes. The table is fixed and documented in the README.
enum ErrorCode : int {
  kIllegalFunctionCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
};

// Human-readable name of an error code (for logs and test messages).
const char* ErrorName(int code);

struct RuntimeError : std::exception {
  int code;
  unsigned line;
  const char* file;  // static storage, as the source location gives it
  RuntimeError(int c, unsigned l, const char* f = "") : code(c), line(l), file(f) {}
  const char* what() const noexcept override { return ErrorName(code); }
};

// How a run that reached the error screen is reported outside the window:
// the screen's "LINE,CODE" and where that line is, as in
// "error screen: 29,9 (lessons/pellith/reciprocal_pages.cpp:29)".
std::string ErrorScreenReport(unsigned line, int code, const std::string& file);

// The window was closed: the program ends at once with status 0.
struct WindowClosed : std::exception {
  const char* what() const noexcept override { return "window closed"; }
};

// The program asked the runtime to end (the menu's end item).
struct ProgramEnded : std::exception {
  int status;
  explicit ProgramEnded(int s) : status(s) {}
  const char* what() const noexcept override { return "program ended"; }
};

// Headless only: the key script is used up, or the error screen was reached.
struct HeadlessStop : std::exception {
  const char* what() const noexcept override { return "headless run stopped"; }
};

[[noreturn]] void RaiseError(int code, Where where);

// The line of the last statement that called into the runtime; the
// last-chance crash box reports it.
unsigned CurrentLine();
void NoteLine(Where where);
