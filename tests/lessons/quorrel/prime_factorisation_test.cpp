// Quorrel's prime-factorisation topic: every item's texts, waits and return, the factor trees'
// boxes, the sieve after each of its keys, and the random factorisation example.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "ladder_pages.h"
#include "page_reader.h"
#include "prime_factorisation_pages.h"
#include "shell.h"
#include "submenu_lines.h"

namespace {

const char* const kSubmenu = SubmenuOf("quorrel", 1);

TEST(PrimeFactorisationTopic, EveryItemShowsItsPageWaitsItsKeysAndComesBack) {
  ExpectEveryItem(
      "quorrel", "1 Enter", kSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(23),
           .key_waits = 23,
           .steps = {"40 20 7 Q1 ", "121 20 0 20人の生徒を4人班に分けると、何班できますか。", "W",
                     "121 70 0 20/4=5", "W", "348 70 5 答 5班", "W", "40 120 7 <約数と倍数>",
                     // The two definitions in one column, 30 right of the heading.
                     "294 120 5 約数", "W", "362 120 0 …ある整数をわりきるときの", "W",
                     "804 120 3 わる数", "W", "294 170 5 倍数", "W",
                     "362 170 0 …ある整数を整数倍した", "W", "736 170 3 整数", "W", "121 220 0 例 ",
                     "182 220 3 4", "W", "331 220 3 約数", "459 220 3 20", "W", "608 220 3 倍数",
                     "W", "40 290 7 約数と倍数をかけ算の式で考えよう。", "40 340 0 20=4*", "W",
                     "180 340 0 5", "W", "267 340 3 4", "416 340 3 約数", "544 340 3 20",
                     "693 340 3 倍数", "W",
                     // 5は20の約数 starts under 4は20の約数.
                     "267 390 3 5", "294 390 0 は", "W", "328 390 3 20", "416 390 3 約数", "W",
                     "544 390 3 20", "W", "632 390 3 5", "693 390 3 倍数", "W", "121 440 3 4と5",
                     "331 440 5 約数", "684 440 5 倍数", "949 440 5 倍数", "1017 440 0 でもある。",
                     "W", "40 510 7 20の約数を求めよう。", "40 560 0 20=1*20,", "W",
                     "261 560 0 20=2*10,", "W", "482 560 0 20=4*5 だから ", "W",
                     "805 560 5 1,2,4,5,10,20"}},
          {.name = "2",
           .keys = "2 Enter" + AnyKeys(17),
           .key_waits = 17,
           .steps = {"40 30 7 Q2 ",
                     "121 30 0 19人の生徒をあまりなく3人班,4人班,5人班に分けられますか。", "W",
                     "121 80 0 わり切れないから ", "W", "480 80 5 分けられない", "W",
                     "40 140 7 問 ", "101 140 0 19は、1と19以外の数でわり切れますか。", "W",
                     "840 140 5 わり切れない", "W", "121 200 5 素数", "W",
                     "189 200 0 …その数自身と１以外に約数をもたない自然数",
                     // The second line starts under the end of "素数".
                     "189 250 0 　(ただし、", "386 250 3 １を除く", "522 250 0 ）",
                     "556 250 5 約数が2個だけ", "W", "121 310 0  例 2,3,5", "W",
                     "40 370 7 P46 問2　をしなさい。", "W", "447 370 0 　18=2*9 ,33=3*11", "W",
                     "121 430 5 答 29,41", "W", "40 500 7  100までに素数はいくつあるだろうか。",
                     "W", "172 10 7  <エラトステネスのふるい>", "W", "W", "W", "W", "W",
                     "44 600 7 素数は25個ある。"}},
          {.name = "3",
           .keys = "3 Enter" + AnyKeys(22),
           .key_waits = 22,
           .steps = {"40 30 7 Q3 ",
                     "121 30 0 72を素数だけの積で表してみよう。",
                     "W",
                     "58 193 3 72",
                     "W",
                     "201.5 133 3 8",
                     "W",
                     "201.5 253 3 9",
                     "W",
                     "331.5 103 3 2",
                     "W",
                     "331.5 163 3 4",
                     "W",
                     "331.5 223 3 3",
                     "W",
                     "331.5 283 3 3",
                     "W",
                     "461.5 133 3 2",
                     "W",
                     "461.5 193 3 2",
                     "W",
                     "94 380 5 72=2^3*3^2",
                     "W",
                     "658 193 3 72",
                     "W",
                     "801.5 133 3 6",
                     "W",
                     "788 253 3 12",
                     "W",
                     "931.5 103 3 2",
                     "W",
                     "931.5 163 3 3",
                     "W",
                     "931.5 223 3 3",
                     "W",
                     "931.5 283 3 4",
                     "W",
                     "1061.5 253 3 2",
                     "W",
                     "1061.5 313 3 2",
                     "W",
                     "640 360 3 72=2^3*3^2",
                     "W",
                     "40 455 0 自然数を素数の積として表すことを",
                     "584 455 5 素因数分解",
                     "754 455 0 するという。",
                     "W",
                     "40 515 0 どんな順序で行っても同じ結果になる。"}},
          {.name = "5",
           .keys = "5 Enter" + AnyKeys(6),
           .key_waits = 6,
           .steps =  // Each answer right after its label; the next part 44 after it.
           {"44 30 7 問3解答 ", "W", "44 100 0 (1)", "132 180 0 2)", "192 308 0  5", "W",
            "125 100 3 2^2*5", "W", "274 100 0 (2)", "318 180 0 2)", "378 372 0  3", "W",
            "355 100 3 2*3^3", "W", "504 100 0 (3)", "548 180 0 2)", "638 372 0  7", "W",
            "585 100 3 2*3^2*7"}},
      });
}

// The boxes of a run drawn with the given size: "x y fill".
std::vector<std::string> Boxes(const PlayerRun& run, int width, int height) {
  std::vector<std::string> out;
  for (const std::string& line : run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] != "box") continue;
    const int x1 = std::stoi(f[1]), y1 = std::stoi(f[2]);
    if (std::stoi(f[3]) - x1 != width || std::stoi(f[4]) - y1 != height) continue;
    out.push_back(f[1] + " " + f[2] + " " + f[6]);
  }
  return out;
}

TEST(FactorTreePage, PrimeLeavesAreShadedTheOtherNodesWhiteAndBranchesJoinTheBoxSides) {
  const PlayerRun run = RunPlayer("quorrel", "1 Enter 3 Enter" + AnyKeys(22));
  std::set<std::string> boxes;
  for (const std::string& b : Boxes(run, 90, 50)) boxes.insert(b);
  const std::set<std::string> want = {
      // Tree 1: 72, 8, 9, 4 white; the 2s and 3s shaded.
      "40 190 15", "170 130 15", "170 250 15", "300 100 13", "300 160 15", "300 220 13",
      "300 280 13", "430 130 13", "430 190 13",
      // Tree 2: 72, 6, 12, 4 white; its last split is of the lower 4.
      "640 190 15", "770 130 15", "770 250 15", "900 100 13", "900 160 13", "900 220 13",
      "900 280 15", "1030 250 13", "1030 310 13"};
  EXPECT_EQ(boxes, want);
  // A branch runs from the middle of its parent's right side to the middle
  // of its child's left side: 72 (40,190) to 8 (170,130).
  bool branch = false;
  for (const std::string& line : run.log)
    branch |= line.rfind("line\t130\t215\t170\t155\t0\t5", 0) == 0;
  EXPECT_TRUE(branch);
}

// The open cells of the sieve grid after `keys` keys of its second half.
std::set<int> OpenCells(int sieve_keys) {
  const PlayerRun run = RunPlayer("quorrel", "1 Enter 2 Enter" + AnyKeys(12 + sieve_keys));
  std::map<std::string, int> state;  // cell corner -> its last fill
  for (const std::string& b : Boxes(run, 120, 50)) {
    std::istringstream in(b);
    int x, y, fill;
    in >> x >> y >> fill;
    if (y < 70) continue;
    state[std::to_string(x) + " " + std::to_string(y)] = fill;
  }
  std::set<int> open;
  for (const auto& [corner, fill] : state) {
    std::istringstream in(corner);
    int x, y;
    in >> x >> y;
    if (fill == 8) open.insert(10 * ((y - 70) / 50) + (x - 40) / 120 + 1);
  }
  return open;
}

TEST(PrimesPage, TheSieveStrikesTheMultiplesOfTwoThreeFiveAndSevenOneKeyEach) {
  std::set<int> all;
  for (int n = 2; n <= 100; ++n) all.insert(n);
  EXPECT_EQ(OpenCells(0), all);  // 1 is out from the start
  auto without_multiples = [](std::set<int> cells, int p) {
    for (int n = 2 * p; n <= 100; n += p) cells.erase(n);
    return cells;
  };
  std::set<int> want = without_multiples(all, 2);
  EXPECT_EQ(OpenCells(1), want);
  want = without_multiples(want, 3);
  EXPECT_EQ(OpenCells(2), want);
  want = without_multiples(without_multiples(want, 5), 7);
  const std::set<int> primes = OpenCells(4);
  EXPECT_EQ(primes, want);
  EXPECT_EQ(primes.size(), 25u);
  EXPECT_EQ(primes.count(49) + primes.count(77) + primes.count(91), 0u);
}

}  // namespace

namespace quorrel {
namespace {

class FactorNumberTest : public StartedPageTest {};

TEST_F(FactorNumberTest, TheNumberAndItsFactorisationFollowFromTheExponents) {
  struct Case {
    float a, b, c;
    const char* number;
    const char* answer;
  } cases[] = {
      {3, 0, 0, "8", "2^3"},                                         // three factors: no 5 added
      {2, 0, 0, "20", "2^2*5"},                                      // too few factors: a 5 added
      {1, 0, 0, "10", "2*5"},                                        // likewise
      {1, 0, 1, "10", "2*5"},                                        // a power 1 written nowhere
      {1, 1, 0, "30", "2*3*5"},   {3, 2, 2, "1800", "2^3*3^2*5^2"},  // the largest number
      {1, 0, 2, "50", "2*5^2"},  // no 3: the text goes on with "*5^"
      {2, 1, 1, "60", "2^2*3*5"},
  };
  for (const Case& c : cases) {
    F(1) = c.a;
    F(2) = c.b;
    F(3) = c.c;
    FactorNumberFromExponents();
    EXPECT_EQ(F_sa(4), c.number) << c.a << c.b << c.c;
    EXPECT_EQ(T_s(4), c.answer) << c.a << c.b << c.c;
  }
}

// A line of ladders labels its problems (1) to (3): a fourth has no label
// and is the runtime's subscript error before anything is drawn.
TEST_F(FactorNumberTest, ALineOfLaddersTakesAtMostThreeProblems) {
  ClearLog();
  try {
    LaddersOnOneLine(100, 100, {{20, "2^2*5"}, {54, "2*3^3"}, {126, "2*3^2*7"}, {30, "2*3*5"}});
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kSubscriptOutOfRange);
  }
  EXPECT_TRUE(Log().empty());
}

}  // namespace
}  // namespace quorrel

namespace {

// How many prime factors `n` has, counted with their powers.
int PrimeFactorCount(int n) {
  int count = 0;
  for (int p = 2; n > 1; ++p) {
    while (n % p == 0) {
      n /= p;
      ++count;
    }
  }
  return count;
}

TEST(RandomFactorExample, ExamplesUntilOneThenTheTaskLine) {
  const std::set<int> possible = {8,  10,  12,  18,  20,  24,  30,  36,  40,  50,  60,  72,
                                  90, 100, 120, 150, 180, 200, 300, 360, 450, 600, 900, 1800};
  for (const char* clock : {"12:00:00", "08:15:37"}) {
    SCOPED_TRACE(clock);
    // The item's first example comes at once, though 4 and Enter chose it.
    // Each example: a key after the task, two keys for each division of its
    // ladder, then the next-step number: 2 for another, 1.0 to leave.
    std::string keys = "1 Enter 4 Enter";
    const int examples = 12;
    for (int e = 0; e < examples; ++e) {
      const std::vector<std::string> shown = RunItem("quorrel", keys, kSubmenu, clock).steps;
      int number = 0;
      for (size_t i = 0; i + 1 < shown.size(); ++i) {
        if (shown[i] != Utf8("44 30 0 例1 ")) continue;
        std::istringstream next(shown[i + 1]);
        double x, y, colour;
        next >> x >> y >> colour >> number;
      }
      ASSERT_GT(number, 0);
      keys += AnyKeys(1 + 2 * (PrimeFactorCount(number) - 1));
      keys += e + 1 < examples ? " 2 Enter" : " 1 . 0 Enter Space";
    }
    const std::vector<std::string> steps = RunItem("quorrel", keys, kSubmenu, clock).steps;
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "N"), examples);
    int answers = 0;
    for (const std::string& s : steps) {
      std::istringstream in(s);
      double x, y, colour;
      std::string text;
      in >> x >> y >> colour >> text;
      if (x == 88 && y == 110 && colour == 5) {
        ++answers;
        const int n = std::stoi(text);
        EXPECT_TRUE(possible.count(n)) << text;
        // The product of the answer's prime powers is the number.
        long product = 1;
        std::string rest = text.substr(text.find('=') + 1);
        std::istringstream factors(rest);
        for (std::string factor; std::getline(factors, factor, '*');) {
          const size_t hat = factor.find('^');
          long p = std::stol(factor.substr(0, hat)), power = p;
          if (hat != std::string::npos) {
            for (int k = 1; k < std::stoi(factor.substr(hat + 1)); ++k) power *= p;
          }
          product *= power;
        }
        EXPECT_EQ(product, n) << text;
      }
    }
    EXPECT_EQ(answers, examples);
    // 1.0 is worth 1: after a key the task line, and the last example stays.
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[steps.size() - 2], "W");
    EXPECT_EQ(steps.back(), Utf8("44 570 7 教科書 問3　をしなさい。"));
  }
}

}  // namespace
