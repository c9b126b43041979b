// Textbook task lines and the pages of their answers.
#include "textbook_answers.h"

void TextbookTaskLine(const std::string& text, float x, float y) {
  Say(text, x, y, 7);
}

void TextbookAnswersPage(const std::string& heading, float x, float y, float colour, float width,
                         float height) {
  ExplanationPage(width, height, x, y);
  Say(heading, x, y, colour);
}
