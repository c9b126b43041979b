#include "globals.h"
#include "program.h"

void ErrorHandler(unsigned line, int code) {
  PsCLS();
  A = static_cast<float>(line);
  A_s = PfSTR244(A);
  B = static_cast<float>(code);
  B_s = PfSTR244(B);
  PsSYMBOL40(288, 432, 1, 1, 13,
             A_s + "," + B_s + "エラーが発生しました。マウスで×をクリックして下さい。");
  WaitUntilClosed(line, code);
}
