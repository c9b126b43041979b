// The error screen: the line and the code of the runtime error that ended
// the run, and the request to close the window, until it is closed.
//
// Work: A, A_s (the line), B, B_s (the code).
#include "globals.h"
#include "program.h"

void ErrorHandler(const RuntimeError& error) {
  PsCLS();
  A = static_cast<float>(error.line);
  A_s = PfSTR244(A);
  B = static_cast<float>(error.code);
  B_s = PfSTR244(B);
  PsSYMBOL40(288, 432, 1, 1, 13,
             A_s + "," + B_s + "エラーが発生しました。マウスで×をクリックして下さい。");
  WaitUntilClosed(error);
}
