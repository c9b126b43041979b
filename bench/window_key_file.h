// The keys the window benchmark presses in one program, as its file in
// bench/window_keys/ writes them: one group of keys a line, each group done
// a number of times in order.
//
//   # a note (as is a blank line)
//   once: KEYS          done once
//   each cycle: KEYS    done as many times as the run's cycles
//   N times: KEYS       done N times
//
// KEYS are X key names ("4", "Return", "a", "Right") or pauses ("500ms"),
// separated by blanks; LABEL=KEY is a key measured under LABEL. Reading the
// file knows nothing of X: whether a key name stands for a key is for the
// one who presses it to say.
#pragma once

#include <string>
#include <vector>

// The cycles of a run unless it asks for others.
constexpr int kDefaultCycles = 8;

struct KeyStep {
  std::string key;    // an X key name; empty for a pause
  std::string label;  // measured under this label; empty for none
  int pause_ms = 0;
};

struct KeyGroup {
  int times = 0;
  std::vector<KeyStep> steps;
};

// The groups of `text` (a key file's contents) with `cycles` for "each
// cycle". On a line it cannot read, returns false and says in `error` which
// line and why.
bool ReadKeyGroups(const std::string& text, int cycles, std::vector<KeyGroup>* groups,
                   std::string* error);

// The same from the file at `path`; a file that cannot be read is an error
// too.
bool ReadKeyFile(const std::string& path, int cycles, std::vector<KeyGroup>* groups,
                 std::string* error);
