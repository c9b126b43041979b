// The layout cursor every lesson page prints with.
//
// A page prints its pieces one after another. After each piece the layout
// cursor stands after it: `XI2` = the pen X after the text, `YI1` = its line.
// The next piece either continues the line (`Continue`) or starts a new one
// at a margin and a line step below (`Say(text, XI1, YI1 + 65, colour)`).
// Everything works on the shared globals; nothing here keeps state.
#pragma once

#include <initializer_list>
#include <string>

#include "construct_globals.h"

// Markup `text` with its top left at (x, y) in `colour`; `X` ends after it.
// The layout cursor is left alone (figure labels).
void PrintAt(const std::string& text, float x, float y, float colour);
// The same, and the layout cursor moves after the text.
void Say(const std::string& text, float x, float y, float colour);
// Continues the current line right after the last piece (at `XI2`, `YI1`).
void Continue(const std::string& text, float colour);
// The layout cursor moves to the pen (`XI2` = `X`, `YI1` = `Y`): after a
// piece drawn by another routine, such as a table cell.
void KeepCursor();

// One piece of a line that changes colour word by word.
struct Piece {
  const char* text;
  float colour;
};
// The pieces one after another, continuing the current line; the layout
// cursor ends after the last.
void Pieces(std::initializer_list<Piece> pieces);
// The same with the first piece at (x, y).
void Pieces(float x, float y, std::initializer_list<Piece> pieces);
