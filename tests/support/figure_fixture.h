// Test support for figures: a started program's page with an empty log and
// the thin draw width 2, so that each figure's own strokes stand out.
#pragma once

#include "headless_fixture.h"

class FigureTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    FE_SETDRAWWIDTH(2);
  }
};
