// What makes one program of the family: its title, its main-menu items and
// the topic entries the menu jumps to.
#pragma once

#include <string>
#include <vector>

#include "errors.h"

using Routine = void (*)();

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

// The program the start-up and the menu work for.
void SetProgram(const ProgramDescription* program);
const ProgramDescription& CurrentProgram();

// Start-up: the window, the font, the pen, the seed, the start values and
// the shared arrays, then the main menu. Returns when the program ends from
// the menu.
void ProgramStart();
// Everything the start-up does before the main menu.
void StartUpState();
// Seeds the random numbers again from the clock; the seed is left in `A`.
void ReseedRandom();
// The main menu: draws, reads a number, ends or jumps to a topic.
void MainMenu();
// The error screen: clears the window, shows the line and the code of
// `error` with the message, and keeps the window until it is closed.
[[noreturn]] void ErrorHandler(const RuntimeError& error);

// Runs a program on the installed backend, from start-up to its end, and
// returns its exit status: 0 after the end item or a closed window. A
// runtime error leads to the error screen.
int RunProgram(const ProgramDescription& program);
