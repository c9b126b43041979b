// What makes one program of the family: its title, its main-menu items and
// the topic entries the menu jumps to.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "errors.h"

using Routine = void (*)();
// What a construct calls back: a routine, or a callable that carries what
// its caller gives it (a page's data, the example drawn last).
using Action = std::function<void()>;

struct ProgramDescription {
  std::string title;               // shown in the menu header and the window title
  std::vector<std::string> items;  // menu item texts; the last one ends the program
  // One entry per item but the last; nullptr for the empty item, which leads
  // back to the menu.
  std::vector<Routine> dispatch;
  // What follows the dispatch table: the routine an index outside the table
  // falls into (nullptr: back to the menu).
  Routine after_table = nullptr;
};

// Start-up of `program`: the window, the font, the pen, the seed, the start
// values, its title and the shared arrays, then its main menu. Never returns:
// the menu's end item ends the run with ProgramEnded (PsEND), which RunProgram
// turns into the exit status.
void ProgramStart(const ProgramDescription& program);
// Everything the start-up does before the main menu; `TITLE_s` becomes the
// program's title.
void StartUpState(const ProgramDescription& program);
// Seeds the random numbers again from the clock; the seed is left in `A`.
void ReseedRandom();
// The main menu of `program`: draws, reads a number, ends or jumps to a
// topic.
void MainMenu(const ProgramDescription& program);
// The error screen: clears the window, shows the line and the code of
// `error` with the message, and keeps the window until it is closed.
[[noreturn]] void ErrorHandler(const RuntimeError& error);

// Runs a program on the installed backend, from start-up to its end, and
// returns its exit status: 0 after the end item or a closed window. A
// runtime error leads to the error screen. Every variable of the programs
// starts the run at its start value, whatever an earlier run in the same
// process left (fresh_run.h).
int RunProgram(const ProgramDescription& program);
