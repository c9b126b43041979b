// The glyph pen the markup printer and the bold printer share: one glyph B_s
// at a time in colour CCC1, after which the working pen TX moves on by a
// fixed advance, whatever the font.
#pragma once

#include <string>

// The glyph in the current font at (x, y), then the pen moves on.
void Put(float x, float y, int hmag, int vmag, float advance);

// The letters drawn in italic serif: a, x and c.
bool IsItalicLetter(const std::string& c);

// An italic serif letter; afterwards the face is "ゴシック" 16, not italic.
void PutItalicLetter(float x, float y, int hmag, int vmag, float advance);
