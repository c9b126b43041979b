// How explanation pages begin.
#include "explanation_page.h"

#include "shell.h"

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
