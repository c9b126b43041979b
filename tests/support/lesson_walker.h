// A learner who walks through a whole program: every topic of the main menu,
// every item of every submenu, then the end item. It reads the prompt on the
// screen before each key and answers it as a learner would: any key at
// "何かキーを押して下さい。", 1 at the next-step prompt, the arrow keys and Enter
// at a number-line notice (sweeping right, then left, until Enter is taken).
// A prompt that the answer field follows asks for a number: at a submenu
// line (choices numbered ① to ⑳, the last "終了") the walk types the next
// item it has not opened, at any other question (on the bottom line, as
// AskNumberAtBottom asks, or beside the field) 7, then 1, 2, 3, ... for as
// long as the same question comes back at once. Any other prompt stops the
// walk (`stuck`).
#pragma once

#include <map>
#include <string>

#include "program.h"

struct WalkResult {
  int status = -1;            // the program's exit status, -1 if it did not end
  bool error_screen = false;  // the error screen was reached
  std::string stuck;          // why the walk gave up, empty when it did not
  int keys = 0;               // keys typed
  // For each submenu line, how many of its items were opened (the last,
  // "終了", not counted).
  std::map<std::string, int> items_opened;
  int topics_opened = 0;
  // Every key typed, as the player's key script spells it ("7 Enter Right"),
  // so that a walk can be replayed with the player and its log compared.
  std::string script;
};

WalkResult WalkProgram(const ProgramDescription& program, const std::string& clock = "12:00:00");
