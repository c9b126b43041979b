// Each program's window icon takes the tile colour of its place in the list
// of programs.
#include "icon_tiles.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "palette.h"
#include "programs.h"

namespace {

TEST(IconTiles, EachProgramHasATileColourOfItsOwn) {
  const std::span<const ProgramEntry> programs = AllPrograms();
  ASSERT_LE(programs.size(), static_cast<size_t>(kIconTileCount));
  std::set<std::tuple<int, int, int>> colours;
  for (size_t i = 0; i < programs.size(); ++i) {
    const int place = ProgramPlace(programs[i].name);
    EXPECT_EQ(place, static_cast<int>(i)) << programs[i].name;
    const Rgb tile = PaletteColour(IconTileColour(place));
    EXPECT_TRUE(colours.insert({tile.r, tile.g, tile.b}).second)
        << programs[i].name << " shares its tile colour with an earlier program";
  }
  EXPECT_EQ(ProgramPlace("nonesuch"), -1);
}

}  // namespace
