#include "palette.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>

#include "icon_tiles.h"

namespace {

// Every text colour the lessons draw, on the background it is drawn on; on
// the cell fills 13 and 11 also black headings and titles, the shaded primes
// of a factor tree (3) and the grey corner word of a table (7).
TEST(Palette, EveryTextAndBackgroundPairReadsClearly) {
  const std::pair<int, int> pairs[] = {
      {0, 15},  {3, 15},  {4, 15}, {5, 15}, {7, 15}, {9, 15}, {11, 15}, {13, 15},
      {15, 10}, {13, 10}, {9, 4},  {9, 12}, {5, 13}, {5, 11}, {13, 3},  {13, 6},
      {13, 8},  {15, 6},  {15, 8}, {0, 13}, {3, 13}, {7, 13}, {0, 11},
  };
  for (auto [text, background] : pairs) {
    EXPECT_GE(ContrastRatio(text, background), 3.0) << "text " << text << " on " << background;
  }
  Rgb page = PaletteColour(15);
  EXPECT_EQ(page.r + page.g + page.b, 3 * 255);
}

// The pages name colour 13 "yellow" and colour 11 "light blue" (水色): their
// hues must look so.
TEST(Palette, TheColoursPagesNameByTheirNameLookSo) {
  const Rgb yellow = PaletteColour(13);
  EXPECT_GT(yellow.r, 2 * yellow.b);
  EXPECT_GT(yellow.g, 2 * yellow.b);
  EXPECT_LE(std::abs(yellow.r - yellow.g), yellow.r / 4);
  const Rgb light_blue = PaletteColour(11);
  EXPECT_GT(light_blue.b, light_blue.r + 100);
  EXPECT_GT(light_blue.b, light_blue.g);
}

// The window icons' tiles: as many different colours as the table has
// places, each dark enough for the white initial on it.
TEST(Palette, EveryIconTileIsAColourOfItsOwnUnderAWhiteInitial) {
  std::set<std::tuple<int, int, int>> colours;
  for (int place = 0; place < kIconTileCount; ++place) {
    const Rgb tile = PaletteColour(IconTileColour(place));
    EXPECT_TRUE(colours.insert({tile.r, tile.g, tile.b}).second) << "place " << place;
    EXPECT_GE(ContrastRatio(15, IconTileColour(place)), 4.5) << "place " << place;
  }
}

}  // namespace
