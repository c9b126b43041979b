// The number line from 0 to 7 with half-unit marks and a digit under each
// unit: X_a(32) is 0, one unit is 80. Ends with draw width 2.
#pragma once

void DrawPositiveNumberLine();
