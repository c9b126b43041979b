// How explanation pages begin.
#include "explanation_page.h"

#include "shell.h"

void BlankPage(float width, float height) {
  BlankBand(0, width, height);
}

void BlankBand(float top, float width, float height) {
  PsBOX_STEP(0, top, width, height, 15, 15);
}

void OpenPage(const PageOpening& page) {
  BlankPage(page.width, page.height);
  if (page.left) XI0 = *page.left;
  if (page.indent) XI1 = XI0 + *page.indent;
  if (page.margin) XI1 = *page.margin;
  if (page.top) YI1 = *page.top;
}

void ExplanationPage(float width, float height, float left, float top) {
  OpenPage({.width = width, .height = height, .margin = left, .top = top});
}
