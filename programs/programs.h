// The programs of the family, as programs/program_list.h lists them.
#pragma once

#include <span>
#include <string>

#include "program.h"

// Each program's title, menu items and dispatch table, in its own namespace.
#define PROGRAM(name)                  \
  namespace name {                     \
  const ProgramDescription& Program(); \
  }
#include "program_list.h"
#undef PROGRAM

// One program of the list: the name of its executable and its entry.
struct ProgramEntry {
  const char* name;
  const ProgramDescription& (*program)();
};

// Every program, in the list's order.
std::span<const ProgramEntry> AllPrograms();

// The program of that executable name; nullptr when none.
const ProgramDescription* FindProgram(const std::string& name);

// The names of all programs in the list's order, `separator` between them
// and `last_separator` before the last (", " and " or ": "a, b or c").
std::string ProgramNames(const char* separator, const char* last_separator);
