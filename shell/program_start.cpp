// The start of a program: the window, the font and the pen, the random
// numbers seeded from the clock, the start values, then the main menu.
//
// Out: CCC1 4, KAIX, KAIY (1056, 648), TITLE_s the program's title, the
// shared arrays emptied (DimSharedArrays' list, globals.cpp). Work: A (the
// seed), and MainMenu's.
#include "globals.h"
#include "program.h"

void ReseedRandom() {
  std::string now = PfTIME24();
  A = PfVAL(PfLEFT24(now, 2)) + PfVAL(PfMID24(now, 4, 2)) + PfVAL(PfRIGHT24(now, 2));
  PaRandomize(A);
}

void StartUpState(const ProgramDescription& program) {
  FE_SETMAPMODE(1);
  FE_MAXIMIZEWINDOW();
  FE_SETFONTNAME("ｺﾞｼｯｸ");
  FE_SETFONTSIZE(16);
  FE_SETDRAWWIDTH(3);
  ReseedRandom();
  CCC1 = 4;
  KAIX = 1056;
  KAIY = 648;
  TITLE_s = program.title;
  DimSharedArrays();
}

void ProgramStart(const ProgramDescription& program) {
  StartUpState(program);
  MainMenu(program);
}
