// The window icon of a program: its initial on a tile of the colour the
// program gives (see icon_tiles.h), above a small number line.
#pragma once

#include <SDL.h>

#include <string>

// A new 64 x 64 surface for the program titled `title` (Shift-JIS), its tile
// of palette colour `tile_colour`; the caller frees it. nullptr when it
// cannot be made.
SDL_Surface* MakeWindowIcon(const std::string& title, int tile_colour);
