// The goal page of a topic: its aims under "<めあて>".
#pragma once

#include <initializer_list>
#include <string>

#include "layout_cursor.h"

// One aim of a goal page: its line step below the line before and its colour.
struct GoalAim {
  std::string text;
  float step = 65;
  float colour = 0;
};
// "<めあて>" at (44, 240) in colour 3, then each aim on its own line, `indent`
// right of the margin 44. Returns at once: the submenu prompt comes below.
void GoalPage(float indent, std::initializer_list<GoalAim> aims);
