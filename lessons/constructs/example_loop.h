// The loop of random examples a page shows until the learner goes on.
#pragma once

#include <string>

#include "construct_globals.h"
#include "program.h"

// How a loop begins. Entered from a submenu, the `AINP` = 10 the submenu left
// shows the first example; a loop that follows another part of the same page
// sets `AINP` = 3 first.
enum class LoopEntry { kAsSubmenuLeft, kFreshStart };
// Examples until the learner types exactly 1 at the next-step prompt: each
// pass calls `generate` (random numbers into `T()`, `F()` and their texts; may
// be null) and `show` (blank, draw and reveal the example), then asks
// `AskNextStep`. `NO` counts the finished examples, from 0 on every entry.
void RandomExampleLoop(const Action& generate, const Action& show,
                       LoopEntry entry = LoopEntry::kAsSubmenuLeft);

// A random whole number from 1 to `largest` (INT(RND * largest + 1)), then
// its sign draw INT(RND * 2 + 1) into `sign_draw`: 1 makes the number
// negative. Either sign has chance one half.
float DrawSignedNumber(float largest, float& sign_draw);

// The head of a page of random examples: blanked 1760 wide and `height`
// high, the margins `XI0` = 40 and `XI1` = 40 + `indent`, the pen width 5,
// `title` at (40, 30) in colour 3 and the example area from (40, 90) kept in
// `U(31)`, `V(31)`.
void RandomExamplePageHead(float height, const std::string& title, float indent);
// That example area, from `U(31)`, `V(31)`, erased for the next example,
// whose first line `YI1` is `V(31)`.
void EraseExampleArea();
