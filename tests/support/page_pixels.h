// Reading the page's pixels in tests: where ink lies in a region.
#pragma once

#include <algorithm>

#include "page.h"

// The inked (not white) pixels of a region: their bounding rows and columns,
// and how many there are. `count` 0 means none.
struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1, count = 0;
};

// The ink of the device pixels x1 <= x < x2, y1 <= y < y2.
inline Ink InkIn(const Page& page, int x1, int y1, int x2, int y2) {
  Ink ink;
  for (int y = std::max(y1, 0); y < std::min(y2, page.pixel_height()); ++y) {
    for (int x = std::max(x1, 0); x < std::min(x2, page.pixel_width()); ++x) {
      if (page.Pixel(x, y) == 0xFFFFFF) continue;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
      ++ink.count;
    }
  }
  return ink;
}
