// Item ①: 20 pupils in groups of 4 leads to divisors and multiples, read
// again from 20 = 4 × 5, and to the list of the divisors of 20. Many keys
// fall in the middle of a sentence, so that its next word comes on the key.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "prime_factorisation_pages.h"
#include "shell.h"

namespace quorrel {

void DivisorMultipleDefinitionPage() {
  FE_SETDRAWWIDTH(5);
  OpenPage({.width = 1760, .height = 1800, .left = 40, .indent = 81, .top = 20});

  Say("Q1 ", XI0, YI1, 7);
  Say("20人の生徒を4人班に分けると、何班できますか。", XI1, YI1, 0);
  WaitAnyKey();
  Say("20/4=5", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Say("答 5班", XI2 + 60, YI1, 5);
  WaitAnyKey();

  // The two definitions start in one column, 30 right of the heading.
  Say("<約数と倍数>", XI0, YI1 + 50, 7);
  U(1) = X + 30;
  Say("約数", U(1), YI1, 5);
  WaitAnyKey();
  Continue("…ある整数をわりきるときの", 0);
  WaitAnyKey();
  Continue("わる数", 3);
  WaitAnyKey();
  Say("倍数", U(1), YI1 + 50, 5);
  WaitAnyKey();
  Continue("…ある整数を整数倍した", 0);
  WaitAnyKey();
  Continue("整数", 3);
  WaitAnyKey();
  Say("例 ", XI1, YI1 + 50, 0);
  Pieces({{"4", 3}, {"は", 0}, {"20", 3}, {"の", 0}});
  WaitAnyKey();
  Continue("約数", 3);
  Say("20", XI2 + 60, YI1, 3);
  Pieces({{"は", 0}, {"4", 3}, {"の", 0}});
  WaitAnyKey();
  Continue("倍数", 3);
  WaitAnyKey();

  // The same facts read from the product; the second line starts under the
  // statements about 4.
  Say("約数と倍数をかけ算の式で考えよう。", XI0, YI1 + 70, 7);
  Say("20=4*", XI0, YI1 + 50, 0);
  WaitAnyKey();
  Continue("5", 0);
  U(1) = X;
  WaitAnyKey();
  Say("4", XI2 + 60, YI1, 3);
  Pieces({{"は", 0}, {"20", 3}, {"の", 0}, {"約数", 3}});
  Say("20", XI2 + 60, YI1, 3);
  Pieces({{"は", 0}, {"4", 3}, {"の", 0}, {"倍数", 3}});
  WaitAnyKey();
  Say("5", U(1) + 60, YI1 + 50, 3);
  Continue("は", 0);
  WaitAnyKey();
  Pieces({{"20", 3}, {"の", 0}, {"約数", 3}});
  WaitAnyKey();
  Say("20", XI2 + 60, YI1, 3);
  Continue("は", 0);
  WaitAnyKey();
  Pieces({{"5", 3}, {"の", 0}, {"倍数", 3}});
  WaitAnyKey();
  Say("4と5", XI1, YI1 + 50, 3);
  Pieces({{"は", 0},
          {"20", 3},
          {"の", 0},
          {"約数", 5},
          {"である。", 0},
          {"20", 3},
          {"は", 0},
          {"4", 3},
          {"の", 0},
          {"倍数", 5},
          {"であり、", 0},
          {"5", 3},
          {"の", 0},
          {"倍数", 5},
          {"でもある。", 0}});
  WaitAnyKey();

  Say("20の約数を求めよう。", XI0, YI1 + 70, 7);
  Say("20=1*20,", XI0, YI1 + 50, 0);
  WaitAnyKey();
  Continue("20=2*10,", 0);
  WaitAnyKey();
  Continue("20=4*5 だから ", 0);
  WaitAnyKey();
  Continue("1,2,4,5,10,20", 5);
}

}  // namespace quorrel
