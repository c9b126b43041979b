#include <iterator>

#include "programs.h"

namespace {

constexpr ProgramEntry kPrograms[] = {
#define PROGRAM(name) {#name, name::Program},
#include "program_list.h"
#undef PROGRAM
};

}  // namespace

std::span<const ProgramEntry> AllPrograms() {
  return kPrograms;
}

const ProgramDescription* FindProgram(const std::string& name) {
  for (const ProgramEntry& entry : kPrograms) {
    if (name == entry.name) return &entry.program();
  }
  return nullptr;
}

std::string ProgramNames(const char* separator, const char* last_separator) {
  std::string names;
  for (size_t i = 0; i < std::size(kPrograms); ++i) {
    if (i > 0) names += i + 1 == std::size(kPrograms) ? last_separator : separator;
    names += kPrograms[i].name;
  }
  return names;
}
