// Answer boxes drawn empty beside a question and filled after a key, and
// answers shown later at places kept while the questions were printed.
#include "answer_reveal.h"

#include "page_faces.h"
#include "shell.h"

namespace {

// The answer cell at the pen.
void AnswerCell(float width, const std::string& text, float border) {
  Cell(X, Y, width, 46, 5, border, 13, text);
}

// The kept place of answer 1 to 4; any other slot is a subscript error.
int SlotIndex(int slot, Where where) {
  if (slot < 1 || slot > 4) RaiseError(kSubscriptOutOfRange, where);
  return slot - 1;
}
float& PlaceX(int slot, Where where = Where::current()) {
  static float* const xs[] = {&X11, &X12, &X13, &X14};
  return *xs[SlotIndex(slot, where)];
}
float& PlaceY(int slot, Where where = Where::current()) {
  static float* const ys[] = {&Y11, &Y12, &Y13, &Y14};
  return *ys[SlotIndex(slot, where)];
}

}  // namespace

void EmptyAnswerBox(float width, float border) {
  EmptyAnswerBoxAt(XI2, YI1, width, border);
}

void EmptyAnswerBoxAt(float x, float y, float width, float border) {
  X11 = x;
  Y11 = y;
  X = x;
  Y = y;
  AnswerCell(width, "", border);
  KeepCursor();
}

void FillAnswerBox(float width, const std::string& answer, float border) {
  X = X11;
  Y = Y11;
  AnswerCell(width, answer, border);
}

void RevealAnswerBox(float width, const std::string& answer) {
  EmptyAnswerBox(width);
  WaitAnyKey();
  FillAnswerBox(width, answer);
}

void KeepAnswerPlace(int slot) {
  PlaceX(slot) = XI2;
  PlaceY(slot) = YI1;
}

void ShowAnswerAt(int slot, const std::string& answer) {
  Say(answer, PlaceX(slot), PlaceY(slot), 5);
}
