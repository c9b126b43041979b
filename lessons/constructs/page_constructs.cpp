// The layout cursor, goal pages, explanation pages and textbook lines.
#include "page_constructs.h"

#include "shell.h"

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

void GoalPage(float indent, std::initializer_list<GoalAim> aims) {
  XI1 = 44;
  YI1 = 240;
  Say("<めあて>", XI1, YI1, 3);
  for (const GoalAim& aim : aims) Say(aim.text, XI1 + indent, YI1 + aim.step, aim.colour);
}

void BlankPage(float width, float height) {
  BlankBand(0, width, height);
}

void BlankBand(float top, float width, float height) {
  PsBOX_STEP(0, top, width, height, 15, 15);
}

void ExplanationPage(float width, float height, float left, float top) {
  BlankPage(width, height);
  XI1 = left;
  YI1 = top;
}

void TextbookTaskLine(const std::string& text, float x, float y) {
  Say(text, x, y, 7);
}

void TextbookAnswersPage(const std::string& heading, float x, float y, float colour, float width,
                         float height) {
  ExplanationPage(width, height, x, y);
  Say(heading, x, y, colour);
}
