// The window icon of a program: its initial on a coloured tile above a small
// number line, in a colour of the program's own.
#pragma once

#include <SDL.h>

#include <string>

// A new 64 x 64 surface for the program titled `title` (Shift-JIS); the
// caller frees it. nullptr when it cannot be made.
SDL_Surface* MakeWindowIcon(const std::string& title);
