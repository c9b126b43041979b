// The layout cursor: markup texts placed one after another.
#include "layout_cursor.h"

#include "shell.h"

void SetMargins(const Margins& margins) {
  if (margins.left) XI0 = *margins.left;
  if (margins.indent) XI1 = XI0 + *margins.indent;
  if (margins.margin) XI1 = *margins.margin;
  if (margins.top) YI1 = *margins.top;
}

void PrintAt(const std::string& text, float x, float y, float colour) {
  AA_s = text;
  X = x;
  Y = y;
  CCC1 = colour;
  PrintMarkup();
}

void Say(const std::string& text, float x, float y, float colour) {
  PrintAt(text, x, y, colour);
  KeepCursor();
}

void Continue(const std::string& text, float colour) {
  Say(text, XI2, YI1, colour);
}

void KeepCursor() {
  XI2 = X;
  YI1 = Y;
}

void Pieces(std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) Continue(piece.text, piece.colour);
}

void Pieces(float x, float y, std::initializer_list<Piece> pieces) {
  if (pieces.size() == 0) return;
  XI2 = x;
  YI1 = y;
  Pieces(pieces);
}
