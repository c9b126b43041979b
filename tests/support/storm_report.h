// What a key storm reports of a failing run.
#pragma once

#include <cstddef>
#include <string>

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
