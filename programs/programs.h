// The programs of the family, as programs/program_list.h lists them.
#pragma once

#include <iterator>
#include <span>
#include <string>
#include <string_view>

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

// The names of the programs, in the list's order, for use at compile time.
inline constexpr std::string_view kProgramNames[] = {
#define PROGRAM(name) #name,
#include "program_list.h"
#undef PROGRAM
};

// The place of the program `name` in the list (0 for the first); -1 when
// the list does not name it.
constexpr int ProgramPlace(std::string_view name) {
  for (size_t i = 0; i < std::size(kProgramNames); ++i) {
    if (kProgramNames[i] == name) return static_cast<int>(i);
  }
  return -1;
}

// Every program, in the list's order.
std::span<const ProgramEntry> AllPrograms();

// The program of that executable name; nullptr when none.
const ProgramDescription* FindProgram(const std::string& name);

// The names of all programs in the list's order, `separator` between them
// and `last_separator` before the last (", " and " or ": "a, b or c").
std::string ProgramNames(const char* separator, const char* last_separator);
