// The tile colours of the programs' window icons: palette numbers, one for
// each place in the list of programs, all different and each dark enough
// for the white initial drawn on it. A program takes the colour of its
// place in the list, so no two programs share one as long as the list is no
// longer than this table; the programs' entry point refuses to build a
// longer list.
#pragma once

#include <iterator>

inline constexpr int kIconTiles[] = {3, 1, 5, 6, 10, 4, 9, 2};
inline constexpr int kIconTileCount = static_cast<int>(std::size(kIconTiles));

// The palette number of the tile of the program at `place` (0 for the first
// of the list, up to kIconTileCount - 1).
constexpr int IconTileColour(int place) {
  return kIconTiles[place];
}
