// The layout cursor every lesson page prints with.
//
// A page prints its pieces one after another. After each piece the layout
// cursor stands after it: `XI2` = the pen X after the text, `YI1` = its line.
// The next piece either continues the line (`Continue`) or starts a new one
// at a margin and a line step below (`Say(text, XI1, YI1 + 65, colour)`).
// Everything works on the shared globals; nothing here keeps state.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "construct_globals.h"

// The margins the lines of a page, or of a part of it, start from: a column,
// a band or an example area that begins below or beside what stays on the
// page. A margin left unset keeps what it was.
struct Margins {
  std::optional<float> left = {};    // `XI0`: where labels such as "Q1" stand
  std::optional<float> indent = {};  // `XI1` = `XI0` + `indent`: the text margin
  std::optional<float> margin = {};  // or `XI1` given outright
  std::optional<float> top = {};     // `YI1`: the first line
};
// The margins named are set, `XI0` first (an indent counts from the new
// `XI0`); nothing is drawn.
void SetMargins(const Margins& margins);

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
