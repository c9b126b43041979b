#include "errors.h"

namespace {
unsigned g_current_line = 0;
}

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
  g_current_line = where.line();
  throw RuntimeError(code, where.line());
}

unsigned CurrentLine() {
  return g_current_line;
}
void NoteLine(Where where) {
  g_current_line = where.line();
}
