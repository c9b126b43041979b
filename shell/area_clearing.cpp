// Fixed areas of the page erased to the background.
//
// ClearStripRight reads KAIX, KAIY and changes X, Y.
#include "globals.h"
#include "shell.h"

void ClearContentArea() {
  PsBOX(0, 54, 1440, 900, 15, 15);
}

void ClearStripRight() {
  X = KAIX + 80;
  Y = KAIY - 72;
  PsBOX_STEP(X, Y, 1440, 90, 15, 15);
}
