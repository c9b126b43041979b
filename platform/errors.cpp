#include "errors.h"

#include <atomic>

namespace {
// Read by the crash handler, which may interrupt any statement: a lock-free
// atomic is the one kind of variable a signal handler may read safely.
std::atomic<unsigned> g_current_line = 0;
static_assert(std::atomic<unsigned>::is_always_lock_free);
}  // namespace

const char* ErrorName(int code) {
  switch (code) {
    case kIllegalFunctionCall:
      return "illegal function call";
    case kOverflow:
      return "overflow";
    case kSubscriptOutOfRange:
      return "subscript out of range";
    case kDivisionByZero:
      return "division by zero";
  }
  return "unknown error";
}

void RaiseError(int code, Where where) {
  g_current_line.store(where.line(), std::memory_order_relaxed);
  throw RuntimeError(code, where.line(), where.file_name());
}

std::string ErrorScreenReport(unsigned line, int code, const std::string& file) {
  std::string where = std::to_string(line);
  return "error screen: " + where + "," + std::to_string(code) + " (" +
         (file.empty() ? "unknown file" : file) + ":" + where + ")";
}

unsigned CurrentLine() {
  return g_current_line.load(std::memory_order_relaxed);
}
void NoteLine(Where where) {
  g_current_line.store(where.line(), std::memory_order_relaxed);
}
