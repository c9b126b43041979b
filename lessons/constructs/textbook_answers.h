// Textbook questions: the line that names the question to do now, and the
// pages that show their answers.
#pragma once

#include <string>

#include "explanation_page.h"

// The line in colour 7 that names the textbook question to do now.
void TextbookTaskLine(const std::string& text, float x, float y);
// An answer page of textbook questions begins: blanked (1760 x 1300 unless
// given), margin and line at the heading, and the heading in `colour`.
void TextbookAnswersPage(const std::string& heading, float x, float y, float colour = 3,
                         float width = 1760, float height = 1300);
