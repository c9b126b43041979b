// The number prompts of the bottom strip: the menu prompt beside the answer
// field, the submenu line, the next-step box, and the boxes that erase them.
//
// The prompt is AA_s (AskNextStep writes its own), the answer field stands at
// KAIX, KAIY; the number read is left in AINP (AINP_s, I_s as the field leaves
// them). Work: CCC1, DR, X, Y and
// DrawPlainText's, InputLine's and ParseAnswer's.
#include "globals.h"
#include "shell.h"

void AskMenuNumber() {
  // The prompt ends 80 units left of the field, 32 before its label.
  CCC1 = 5;
  X = KAIX - (PfKLEN(AA_s) + 5) * 16;
  Y = KAIY;
  DrawPlainText();
  InputLine();
  ParseAnswer();
}

void ClearPromptArea() {
  PsBOX_STEP(KAIX - 640, KAIY - 8, 1056, 50, 15, 15);
}

void AskNumberAtBottom() {
  // The prompt stays on the bottom line until the caller clears it.
  CCC1 = 0;
  X = 16;
  Y = 666;
  DrawPlainText();
  InputLine();
  ParseAnswer();
}

void ClearBottomLine() {
  PsBOX(0, 657, 992, 720, 15, 15);
}

void AskNextStep() {
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(2);
  PsBOX(96, 639, 400, 675, 13, 12);
  CCC1 = 9;
  X = 128;
  Y = 648;
  AA_s = "次のステップは１を入力。";
  DrawPlainText();
  InputLine();
  ParseAnswer();
  PsBOX_STEP(KAIX - 48, KAIY - 9, 160, 27, 15, 15);
  PsBOX(96, 639, 400, 675, 15, 15);
  FE_SETDRAWWIDTH(DR);
}
