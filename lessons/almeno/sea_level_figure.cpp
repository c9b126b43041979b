// The cross-section of land and sea from Mount Fuji's summit down to the
// Izu-Ogasawara trench, with its height scale (30 units per 1000 m) and the
// dotted sea level as the reference "基準".
#include <vector>

#include "figures.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "signed_quantities_pages.h"

namespace almeno {

namespace {

// A closed area through `points` (the first one repeated at the end),
// filled in `fill` and outlined in `outline`.
void ClosedPolygon(const std::vector<Pt>& points, float outline, float fill) {
  PsCONNECT_FILL(points, outline, fill);
}

}  // namespace

void SeaLevelFigure() {
  X_a(31) = 660;               // left end of the scale's ticks
  X_a(32) = X_a(31) + 20;      // left edge of the cross-section
  X_a(33) = X_a(32) + 30;      // foot of the mountain, left
  X_a(34) = X_a(33) + 60;      // the summit
  X_a(35) = X_a(34) + 80;      // foot of the mountain, right
  X_a(36) = X_a(35) + 80;      // the coast
  X_a(37) = X_a(36) + 120;     // the trench's deepest point
  X_a(38) = X_a(37) + 40;      // a rise of the sea floor
  X_a(39) = X_a(38) + 120;     // right edge
  Y_a(31) = 96;                // +4000 m
  Y_a(32) = Y_a(31) + 120;     // sea level
  Y_a(33) = Y_a(32) - 113.28;  // 3776 m
  Y_a(34) = Y_a(32) + 293.4;   // -9780 m
  Y_a(35) = Y_a(34) - 60;      // sea floor at X_a(38)
  Y_a(36) = Y_a(35) - 24;      // sea floor at the right edge
  Y_a(37) = Y_a(32) + 300;     // -10000 m, the bottom edge

  // The scale: a thick line with a tick every 1000 m.
  FE_SETDRAWWIDTH(7);
  PsLINE_STEP(X_a(31) + 10, Y_a(31), 0, 420, 0);
  for (int k = 0; k <= 14; ++k) {
    PsLINE(X_a(31), Y_a(31) + 30 * k, X_a(31) + 20, Y_a(31) + 30 * k, 0);
  }
  FE_SETDRAWWIDTH(3);
  const float label_x = X_a(31) - 44;
  PrintAt("+4000", label_x, Y_a(32) - 195, 3);
  PrintAt("0", label_x, Y_a(32) - 22, 3);
  PrintAt("-10000", label_x, Y_a(32) + 330, 3);

  // The sea, then the ground whose upper edge is the land and the sea floor.
  ClosedPolygon({{X_a(36), Y_a(32)},
                 {X_a(37), Y_a(34)},
                 {X_a(38), Y_a(35)},
                 {X_a(39), Y_a(36)},
                 {X_a(39), Y_a(32)},
                 {X_a(36), Y_a(32)}},
                0, 10);
  ClosedPolygon({{X_a(32), Y_a(32)},
                 {X_a(33), Y_a(32)},
                 {X_a(34), Y_a(33)},
                 {X_a(35), Y_a(32)},
                 {X_a(36), Y_a(32)},
                 {X_a(37), Y_a(34)},
                 {X_a(38), Y_a(35)},
                 {X_a(39), Y_a(36)},
                 {X_a(39), Y_a(37)},
                 {X_a(32), Y_a(37)},
                 {X_a(32), Y_a(32)}},
                0, 12);

  PsCIRCLE_DISC(X_a(34), Y_a(33), 10, 5);
  PrintAt("富士山山頂", X_a(34) + 44, Y_a(33), 0);
  PsCIRCLE_DISC(X_a(37), Y_a(34), 10, 5);
  PrintAt("伊豆・小笠原海溝", X_a(37) - 176, Y_a(34) + 16, 0);

  // Sea level: a dotted straight line with "基準" centred above it.
  FE_SETDRAWWIDTH(3);
  DottedArc({.x0 = X_a(31),
             .y0 = Y_a(32),
             .x1 = X_a(39),
             .y1 = Y_a(32),
             .side = -1,
             .step = 2,
             .bulge = 0,
             .colour = 13,
             .label_colour = 3,
             .label = "基準"});
  FE_SETDRAWWIDTH(3);
}

}  // namespace almeno
