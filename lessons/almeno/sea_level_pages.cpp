// Heights above sea level as positive and below it as negative numbers, read
// on the cross-section from Mount Fuji down to the Ogasawara trench.
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "signed_quantities_pages.h"

namespace almeno {

void SeaLevelPage() {
  OpenPage({.width = 1760, .height = 1300, .margin = 44, .top = 30});
  SeaLevelFigure();
  Say("海面の高さを", XI1, YI1, 0);
  Continue("基準0m", 3);
  Continue("とし、高さが", 0);
  Say("海面より高いことを", XI1, YI1 + 50, 0);
  Continue("正の数、", 3);
  Say("低いことを", XI1, YI1 + 50, 0);
  Continue("負の数", 3);
  Continue("を使って表すと、", 0);

  // The summit: its level from the scale, then on to its height in figures.
  WaitAnyKey();
  Say("富士山山頂の標高は、", XI1, YI1 + 65, 3);
  PsLINE(X_a(31), Y_a(33), X_a(34), Y_a(33), 5);
  WaitAnyKey();
  Say("+3776m", XI1 + 220, YI1 + 65, 5);
  PsLINE(X_a(31), Y_a(33), XI2, YI1, 5);

  // The trench: along the bottom edge of the cross-section, then to its depth.
  WaitAnyKey();
  Say("小笠原海溝の最深部は、", XI1, YI1 + 65, 3);
  PsLINE(X_a(31), Y_a(37), X_a(37), Y_a(37), 5);
  WaitAnyKey();
  Say("-9780m", XI1 + 176, YI1 + 65, 5);
  PsLINE(X_a(31), Y_a(37), XI2 + 10, YI1 + 22, 5);

  WaitAnyKey();
  Say("これはどんなことを表していますか。", 40, 500, 7);
  WaitAnyKey();
  Say("解答…", 40, YI1 + 90, 0);
  Continue("最深部が海面より9780m低いこと", 5);
}

}  // namespace almeno
