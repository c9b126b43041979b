// Random signed whole numbers for the generated examples of the addition
// topics.
#pragma once

namespace torvane {

// A whole number from 1 to `largest` (INT(RND * largest + 1)), then its sign
// draw INT(RND * 2 + 1) into `sign_draw`: 1 makes the number negative.
float DrawSignedNumber(float largest, float& sign_draw);

}  // namespace torvane
