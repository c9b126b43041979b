// Waits for a key: the press-any-key box, the notice box of the key
// exercises, and the quiet wait that only empties the keyboard.
//
// Each wait leaves its last key in I_s (the empty answer of the last poll
// for WaitKeyQuiet); the boxes put CCC1 and the pen width back. The notice
// box shows AA_s; WaitAnyKey sets its own text there first. Both leave AA_s
// empty, as DrawPlainText does. Work: CCC0, DR, X, Y, AA_s and DrawPlainText's.
#include "globals.h"
#include "shell.h"

namespace {

void WaitForKey() {
  do {
    I_s = PfINKEY24();
  } while (I_s.empty());
}

// The key-wait box: a box from x `left` to `right` on the bottom line
// (border 13, fill 4, pen 3) with AA_s from `text_x` in colour 9; after a key
// the strip up to (`erase_right`, `erase_bottom`) is erased, and the text
// colour and the pen width are put back.
void KeyWaitBox(float left, float right, float text_x, float erase_right, float erase_bottom) {
  CCC0 = CCC1;
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(3);
  PsBOX(left, 657, right, 693, 13, 4);
  CCC1 = 9;
  X = text_x;
  Y = 666;
  DrawPlainText();
  WaitForKey();
  PsBOX(0, 657, erase_right, erase_bottom, 15, 15);
  CCC1 = CCC0;
  FE_SETDRAWWIDTH(DR);
}

}  // namespace

void ShowNoticeWaitKey() {
  KeyWaitBox(16, 496, 48, 992, 720);
}

void WaitAnyKey() {
  AA_s = "何かキーを押して下さい。";
  KeyWaitBox(96, 400, 128, 400, 693);
}

void WaitKeyQuiet() {
  do {
    I_s = PfINKEY24();
  } while (!I_s.empty());
}
