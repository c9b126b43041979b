// Item ②: grouping 19 pupils and the divisors of 19 lead to primes, their
// definition, examples and a textbook task; then the sieve of Eratosthenes
// answers how many primes there are up to 100.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "prime_factorisation_pages.h"
#include "shell.h"

namespace quorrel {

void PrimesPage() {
  FE_SETDRAWWIDTH(5);
  OpenPage({.width = 1760, .height = 1800, .left = 40, .indent = 81, .top = 30});

  Say("Q2 ", XI0, YI1, 7);
  Say("19人の生徒をあまりなく3人班,4人班,5人班に分けられますか。", XI1, YI1, 0);
  WaitAnyKey();
  Say("わり切れないから ", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Say("分けられない", XI2 + 60, YI1, 5);
  WaitAnyKey();
  Say("問 ", XI0, YI1 + 60, 7);
  Continue("19は、1と19以外の数でわり切れますか。", 0);
  WaitAnyKey();
  Say("わり切れない", XI2 + 60, YI1, 5);
  WaitAnyKey();
  Say("素数", XI1, YI1 + 60, 5);
  WaitAnyKey();
  // The second line of the definition starts under its first word.
  PrintAt("…その数自身と１以外に約数をもたない自然数", XI2, YI1, 0);
  YI1 = Y;
  Say("　(ただし、", XI2, YI1 + 50, 0);
  Continue("１を除く", 3);
  Continue("）", 0);
  Continue("約数が2個だけ", 5);
  WaitAnyKey();
  Say(" 例 2,3,5", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("P46 問2　をしなさい。", XI0, YI1 + 60, 7);
  WaitAnyKey();
  Continue("　18=2*9 ,33=3*11", 0);
  WaitAnyKey();
  Say("答 29,41", XI1, YI1 + 60, 5);
  WaitAnyKey();
  Say(" 100までに素数はいくつあるだろうか。", XI0, YI1 + 70, 7);
  WaitAnyKey();

  BlankPage(1320, 1500);
  SieveGrid();
  SieveOfEratosthenes();
  WaitAnyKey();
  Say("素数は25個ある。", 44, 600, 7);
}

}  // namespace quorrel
