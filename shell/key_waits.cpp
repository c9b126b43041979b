// Waits for a key: the press-any-key box, the notice box of the key
// exercises, and the quiet wait that only empties the keyboard.
#include "globals.h"
#include "shell.h"

namespace {

void WaitForKey() {
  do {
    I_s = PfINKEY24();
  } while (I_s.empty());
}

}  // namespace

void ShowNoticeWaitKey() {
  CCC0 = CCC1;
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(3);
  PsBOX_STEP(16, 657, 480, 36, 13, 4);
  CCC1 = 9;
  X = 48;
  Y = 666;
  DrawPlainText();
  WaitForKey();
  PsBOX(0, 657, 992, 720, 15, 15);
  CCC1 = CCC0;
  FE_SETDRAWWIDTH(DR);
}

void WaitAnyKey() {
  CCC0 = CCC1;
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(3);
  PsBOX(96, 657, 400, 693, 13, 4);
  CCC1 = 9;
  X = 128;
  Y = 666;
  AA_s = "何かキーを押して下さい。";
  DrawPlainText();
  WaitForKey();
  PsBOX(0, 657, 400, 693, 15, 15);
  CCC1 = CCC0;
  FE_SETDRAWWIDTH(DR);
}

void WaitKeyQuiet() {
  do {
    I_s = PfINKEY24();
  } while (!I_s.empty());
}
