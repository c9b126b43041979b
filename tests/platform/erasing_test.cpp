#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "page_pixels.h"

namespace {

class ErasingTest : public HeadlessTest {
 protected:
  // Pixels of the page that are not pure white.
  int MarkedPixels() { return InkIn(backend().page(), 0, 0, kPageWidth, kPageHeight).count; }
};

// Drawing a shape again in the page colour must leave no trace of it, not
// even the soft edge of the first drawing.
TEST_F(ErasingTest, DrawingAgainInThePageColourLeavesNoGhost) {
  StartUp();
  PsCIRCLE_DISC(1064.3, 656.7, 4, 5);
  PsLINE(100, 100, 300, 171.5, 3);
  PsBOX_STEP(40.5, 650, 400, 40, 13, 12);
  PsCIRCLE_ARC(500, 500, 37.2, 4, 0.1, 0.6);
  ASSERT_GT(MarkedPixels(), 0);
  PsCIRCLE_DISC(1064.3, 656.7, 4, 15);
  PsLINE(100, 100, 300, 171.5, 15);
  PsBOX_STEP(40.5, 650, 400, 40, 15, 15);
  PsCIRCLE_ARC(500, 500, 37.2, 15, 0.1, 0.6);
  EXPECT_EQ(MarkedPixels(), 0);
}

}  // namespace
