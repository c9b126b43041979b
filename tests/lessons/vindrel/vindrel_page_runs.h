// Test support for Vindrel's pages: how often a player run drew the main
// menu.
#pragma once

#include <string>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"

namespace vindrel_test {

// How often the main menu was drawn in a run.
inline int MainMenus(const ItemRun& r) {
  int menus = 0;
  for (const std::string& line : r.run.log) {
    menus += line.find(Utf8("＜Vindrel　メニュー＞")) != std::string::npos;
  }
  return menus;
}

}  // namespace vindrel_test
