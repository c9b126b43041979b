// The main menu: the program's title and numbered topics on a coloured
// panel, the number typed beside it, and the jump into the chosen topic.
//
// In: TITLE_s. Out: KAIX, KAIY, the answer field at (1056, 648). Work: X, Y,
// CCC1, AA_s, A_s and the printers' (PrintMarkup's, DrawMarkupRun's,
// DrawWrittenRun's, DrawPlainText's) and AskMenuNumber's.
#include "globals.h"
#include "program.h"
#include "shell.h"

namespace {

// The title "＜" + TITLE_s + "　メニュー＞" at the pen in CCC1, in the markup's
// glyphs; the program's name is printed as written, its "l" no script "ℓ"
// and its "a" no italic letter.
void PrintTitle() {
  LogPrint("PrintTitle", X, Y, CCC1, "＜" + TITLE_s + "　メニュー＞");
  A_s = "＜";
  DrawMarkupRun();
  A_s = TITLE_s;
  DrawWrittenRun();
  A_s = "　メニュー＞";
  DrawMarkupRun();
}

// Fills the whole drawing space with the page colour.
void WhiteOut() {
  PsBOX_STEP(0, 0, 1760, 1800, 15, 15);
}

void DrawMenu(const ProgramDescription& program) {
  ClearContentArea();
  WhiteOut();
  PsBOX_STEP(22, 10, 1320, 600, 15, 10);
  CCC1 = 15;
  X = 264;
  Y = 30;
  PrintTitle();
  // Items alternate colours 13 and 15, one row every 60 units.
  for (size_t k = 1; k <= program.items.size(); ++k) {
    CCC1 = k % 2 == 1 ? 13 : 15;
    X = 44;
    Y = 120 + 60 * (k - 1);
    AA_s = program.items[k - 1];
    PrintMarkup();
  }
  CCC1 = 0;
  X = KAIX - 240;
  Y = KAIY;
  AA_s = "番号を入力して下さい。";
  DrawPlainText();
}

}  // namespace

void MainMenu(const ProgramDescription& program) {
  KAIX = 1056;
  KAIY = 648;
  const float end_number = static_cast<float>(program.items.size());
  // Every topic comes back here; the menu is drawn anew each time.
  for (;;) {
    DrawMenu(program);
    AskMenuNumber();
    ClearPromptArea();
    // The choice counts by its value: 16/2 is 8.
    if (AINP == end_number) PsEND();
    if (AINP < 1 || AINP > end_number) continue;
    WhiteOut();
    const int index = PbFstInt(AINP);
    // An index past the table goes on with what follows it; the empty item's
    // entry leads back to the menu.
    Routine topic = index <= static_cast<int>(program.dispatch.size()) ? program.dispatch[index - 1]
                                                                       : program.after_table;
    if (topic) topic();
  }
}
