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
  SetMargins({.left = page.left, .indent = page.indent, .margin = page.margin, .top = page.top});
}

void ExplanationPage(float width, float height, float left, float top) {
  OpenPage({.width = width, .height = height, .margin = left, .top = top});
}
