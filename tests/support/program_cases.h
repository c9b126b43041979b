// Tests that run for every program of the list: each case is named and
// printed by the program's name.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "programs.h"

inline void PrintTo(const ProgramEntry& entry, std::ostream* out) {
  *out << entry.name;
}

inline std::string ProgramEntryName(const ::testing::TestParamInfo<ProgramEntry>& info) {
  return info.param.name;
}

// The row written for `entry` in a table of expectations whose rows are
// named by their `name`; nullptr when the program has none, which the
// caller fails on: a program added to the list must be added to its tests.
template <typename Case, size_t N>
const Case* CaseFor(const Case (&cases)[N], const ProgramEntry& entry) {
  for (const Case& c : cases) {
    if (std::string(c.name) == entry.name) return &c;
  }
  return nullptr;
}
