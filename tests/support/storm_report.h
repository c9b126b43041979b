// What a key storm reports of a failing run.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "program_items.h"

// What the run typed: the walk from the main menu into `item` (none for a
// run that started at the main menu), `walk_typed` of its `walk_keys` keys,
// then `count` of the storm's own keys from key `first` (counted from 1).
// A run stopped during its walk typed only part of it and none of the
// storm's keys.
inline std::string TypedKeys(const ItemPlace* item, size_t walk_typed, size_t walk_keys,
                             size_t first, size_t count) {
  std::string typed;
  if (item) {
    const std::string into =
        "item " + std::to_string(item->item) + " of topic " + std::to_string(item->topic);
    typed = walk_typed < walk_keys
                ? std::to_string(walk_typed) + " of the " + std::to_string(walk_keys) +
                      " keys of the walk into " + into
                : "the walk into " + into;
  }
  if (count == 0) return typed.empty() ? "no key" : typed + ", no key of the storm";
  const std::string keys = "keys " + std::to_string(first) + " to " +
                           std::to_string(first + count - 1) + " of the storm";
  return typed.empty() ? keys : typed + ", then " + keys;
}

// Where the reading of a program's items stopped: in `topic`, the one of
// `topics` (the main menu's, in order) being read, or at the main menu (0),
// with the topics read before it.
inline std::string ReadingPlace(const std::vector<int>& topics, int topic) {
  if (topic == 0) return "at the main menu";
  std::string before;
  for (size_t i = 0; i < topics.size() && topics[i] != topic; ++i) {
    const bool last = i + 1 < topics.size() && topics[i + 1] == topic;
    before += (before.empty() ? "" : last ? " and " : ", ") + std::to_string(topics[i]);
  }
  const std::string at = "at topic " + std::to_string(topic);
  if (before.empty()) return at + ", the first";
  return at + ", after topic" + (before.find(' ') == std::string::npos ? " " : "s ") + before;
}
