#include "globals.h"
#include "program.h"

namespace {
const ProgramDescription* g_program = nullptr;
}

void SetProgram(const ProgramDescription* program) {
  g_program = program;
}

const ProgramDescription& CurrentProgram() {
  static const ProgramDescription none{};
  return g_program ? *g_program : none;
}

void ReseedRandom() {
  std::string now = PfTIME24();
  A = PfVAL(PfLEFT24(now, 2)) + PfVAL(PfMID24(now, 4, 2)) + PfVAL(PfRIGHT24(now, 2));
  PaRandomize(A);
}

void StartUpState() {
  FE_SETMAPMODE(1);
  FE_MAXIMIZEWINDOW();
  FE_SETFONTNAME("ｺﾞｼｯｸ");
  FE_SETFONTSIZE(16);
  FE_SETDRAWWIDTH(3);
  ReseedRandom();
  CCC1 = 4;
  KAIX = 1056;
  KAIY = 648;
  TITLE_s = CurrentProgram().title;
  DimSharedArrays();
}

void ProgramStart() {
  StartUpState();
  MainMenu();
}
