// Answers revealed after a key: in a box beside the question, or without a
// box at a place kept while the question was printed.
#pragma once

#include <string>

#include "layout_cursor.h"

// An empty answer box 46 high right after the last piece (fill colour 13,
// border `border`); its corner is kept in `X11`, `Y11` and the cursor moves
// after it, so the question may go on beside it.
void EmptyAnswerBox(float width, float border = 3);
// The same empty box with its corner at (x, y), kept in `X11`, `Y11`.
void EmptyAnswerBoxAt(float x, float y, float width, float border = 3);
// The same box again at `X11`, `Y11`, now with `answer` in colour 5.
void FillAnswerBox(float width, const std::string& answer, float border = 3);
// The whole reveal: the empty box, a key, the box with the answer.
void RevealAnswerBox(float width, const std::string& answer);

// Without a box: the pen after the last piece is kept as the place of answer
// `slot` (1 to 4: `X11`, `Y11` to `X14`, `Y14`) ...
void KeepAnswerPlace(int slot);
// ... and the answer is printed there later in colour 5.
void ShowAnswerAt(int slot, const std::string& answer);
