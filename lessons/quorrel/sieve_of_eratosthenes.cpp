// The sieve of Eratosthenes on the numbers 1 to 100: a grid of ten rows of
// ten cells, each 120 x 50; an open cell has its number in colour 13 on
// fill 8, a struck-out one in black on white.
#include "fresh_run.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "page_faces.h"
#include "prime_factorisation_pages.h"
#include "shell.h"

namespace quorrel {

namespace {

// The sieve's walk: KK the place of the prime in F(1) to F(25), SOSUU the
// prime itself, SO the number of the cell it is looking at.
float KK, SOSUU, SO;
const FreshEachRun kFreshEachRun(KK, SOSUU, SO);

constexpr float kCellWidth = 120, kCellHeight = 50;

// The cell of the number `n` at the pen, open or struck out; the pen moves
// one cell right.
void SieveCell(float n, bool open) {
  Cell(X, Y, kCellWidth, kCellHeight, open ? 13 : 0, 0, open ? 8 : 15, NumberText(n));
}

}  // namespace

void SieveGrid() {
  X_a(31) = 40;
  Y_a(31) = 70;
  PrintAt(" <エラトステネスのふるい>", X_a(31) + 132, 10, 7);
  for (int row = 0; row <= 9; ++row) {
    X = X_a(31);
    for (int column = 1; column <= 10; ++column) {
      Y = Y_a(31) + kCellHeight * row;
      A = 10 * row + column;
      SieveCell(A, true);
    }
  }
  // 1 is no prime: out from the start.
  X = X_a(31);
  Y = Y_a(31);
  SieveCell(1, false);
}

void SieveOfEratosthenes() {
  const float primes[] = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                          43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};
  for (int k = 1; k <= 25; ++k) F(k) = primes[k - 1];
  for (KK = 1; KK <= 25; KK = KK + 1) {
    SOSUU = F(KK);
    // The learner sees the multiples of 2, 3, 5 and 7 go one key at a time;
    // the later primes find nothing left to strike.
    if (KK < 5) WaitAnyKey();
    for (int row = 0; row <= 9; ++row) {
      X = X_a(31);
      for (int column = 1; column <= 10; ++column) {
        Y = Y_a(31) + kCellHeight * row;
        SO = 10 * row + column;
        // A prime never strikes out its own cell.
        if (SO > SOSUU && Mod(SO, SOSUU) == 0) {
          SieveCell(SO, false);
        } else {
          X = X + kCellWidth;
        }
      }
    }
  }
}

}  // namespace quorrel
