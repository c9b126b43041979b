// Quorrel's topic on divisors and multiples through prime factorisation: the
// fixed pages' texts and waits, and the two stages of the
// random divisor example under two clocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "submenu_lines.h"

namespace {

const char* const kSubmenu = SubmenuOf("quorrel", 2);

TEST(DivisorsMultiplesTopic, TheFixedPagesShowTheirTextsWaitTheirKeysAndComeBack) {
  ExpectEveryItem(
      "quorrel", "2 Enter", kSubmenu,
      {
          {.name = "2",
           .keys = "2 Enter" + AnyKeys(18),
           .key_waits = 18,
           .steps =  // A key after the question, eight in the ladder, the product line
                     // right after the last of them.
           {"30 30 0 例2",
            "30 80 7 ①",
            "64 80 3 120",
            "145 80 0  を素因数分解しなさい。",
            "W",
            "800 140 3  <素数でわる方法>",
            "844 210 0 2)",
            "W",
            "W",
            "W",
            "W",
            "W",
            "W",
            "W",
            "934 466 0  5",
            "W",
            "93 130 3 120=2^3*3*5",
            "W",
            "30 180 7 ②",
            "64 180 0 120 は",
            "206 180 3 3 ",
            "260 180 0 の倍数ですか?",
            "W",
            "93 230 0 120=",
            "206 230 3 3",
            "233 230 0 *2^3*5 だから",
            "494 230 3 3の倍数",
            "W",
            "30 280 7 ③",
            "206 330 3 2*3",
            "548 330 3 6の倍数",
            "W",
            "30 380 7 ④",
            "494 430 3 15の倍数",
            "W",
            "30 480 7 ⑤",
            "206 530 3 7*…",
            "294 530 0  と表せないから",
            "559 530 3 7の倍数ではない",
            "W",
            "44 580 7 教科書 問4　をしなさい。"}},
          {.name = "3",
           .keys = "3 Enter" + AnyKeys(6),
           .key_waits = 6,
           .steps = {"30 30 7 問4 解答", "30 100 7 6の倍数…", "W", "193 100 3 (ｳ)",
                     "274 100 0 2*3*2^2*7  ", "W", "541 100 3 (ｴ)", "622 100 0 2*3*3*13  ",
                     // The heading of the multiples of 14 comes without a key.
                     "30 170 7 14の倍数…", "W", "220 170 3 (ｱ)", "301 170 0 2*7*2^3  ", "W",
                     "514 170 3 (ｳ)", "595 170 0 2*7*2^2*3  ", "W",
                     // (ｵ) on a second line, under (ｱ).
                     "220 230 3 (ｵ)", "301 230 0 2*7*5  ", "W",
                     "44 280 7 教科書 問5　をしなさい。"}},
          {.name = "4",
           .keys = "4 Enter" + AnyKeys(8),
           .key_waits = 8,
           .steps = {"30 30 7 問5 解答",
                     "30 100 0 154 を素因数分解すると",
                     "W",
                     "800 160 3  <素数でわる方法>",
                     "844 230 0 2)",
                     "W",
                     "W",
                     "844 294 0 7)",
                     "W",
                     "W",
                     "93 150 3 154=2*7*11",
                     "W",
                     "30 200 0 12=2^2*3 だから ",
                     "93 250 0 12の倍数は",
                     "283 250 3 2^2*3*…  ",
                     "503 250 0 となる。",
                     "W",
                     "30 300 0 また、できるだけ小さい自然数をかけるから",
                     "93 350 3 2^2*3*7*11",
                     "333 350 0 となればよい。",
                     "W",
                     "30 400 0 したがって、かける数は ",
                     "431 400 3 2*3=",
                     "544 400 5 6"}},
      });
}

// One example of the divisor item as the page showed it.
struct DivisorExample {
  std::string stage;  // "Q1 " or "Q2 "
  int number = 0;
  std::string product;  // "30=2*3*5"
  std::vector<std::string> pairs;
  std::vector<double> pair_ys;
  std::string list;  // the divisors as one text
};

std::vector<DivisorExample> DivisorExamples(const std::vector<std::string>& steps) {
  std::vector<DivisorExample> out;
  for (const std::string& step : steps) {
    std::istringstream in(step);
    double x, y, colour;
    if (!(in >> x >> y >> colour)) continue;
    std::string text;
    std::getline(in, text);
    text = text.substr(1);
    if (x == 40 && y == 30) {
      out.emplace_back();
      out.back().stage = text;
    } else if (out.empty()) {
      continue;
    } else if (y == 30 && colour == 3) {
      out.back().number = std::stoi(text);
    } else if (y == 80 && colour == 3) {
      out.back().product = text;
    } else if (x == 80 && y >= 130 && colour == 3) {
      out.back().pairs.push_back(text);
      out.back().pair_ys.push_back(y);
    } else if (colour == 5) {
      out.back().list += text;
    }
  }
  return out;
}

TEST(RandomDivisorExample, TwoThenThreeDifferentPrimesWithTheirPairsAndDivisors) {
  const std::set<int> two_primes = {10, 14, 15, 21, 22, 26, 33, 34, 39, 51};
  const std::set<int> three_primes = {30,  42,  66,  70,  78,  102, 105, 110, 130, 154,
                                      165, 170, 182, 195, 231, 238, 255, 273, 357};
  for (const char* clock : {"12:00:00", "07:31:59"}) {
    SCOPED_TRACE(clock);
    // A stage-1 example waits 7 keys, a stage-2 example 11; any number but
    // 1 gives another example, 1 (or 2/2) ends the stage.
    std::string keys = "2 Enter 1 Enter";
    for (int e = 0; e < 8; ++e) keys += AnyKeys(7) + (e < 7 ? " 0 Enter" : " 1 Enter");
    keys += AnyKeys(1);
    for (int e = 0; e < 8; ++e) keys += AnyKeys(11) + (e < 7 ? " 2 Enter" : " 2 / 2 Enter");
    const std::vector<std::string> steps = RunItem("quorrel", keys, kSubmenu, clock).steps;
    // The stage ends with a key and the next begins; stage 2 returns at once.
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "N"), 16);
    EXPECT_EQ(steps.back(), "N");
    const std::vector<DivisorExample> examples = DivisorExamples(steps);
    ASSERT_EQ(examples.size(), 16u);
    std::set<int> seen;
    for (size_t i = 0; i < examples.size(); ++i) {
      const DivisorExample& e = examples[i];
      SCOPED_TRACE(e.number);
      const bool first = i < 8;
      EXPECT_EQ(e.stage, first ? "Q1 " : "Q2 ");
      EXPECT_TRUE((first ? two_primes : three_primes).count(e.number));
      seen.insert(e.number);
      // The primes ascending, their product the number.
      std::vector<int> primes;
      std::istringstream factors(e.product.substr(e.product.find('=') + 1));
      int product = 1;
      for (std::string p; std::getline(factors, p, '*');) {
        primes.push_back(std::stoi(p));
        product *= primes.back();
      }
      EXPECT_EQ(e.product.substr(0, e.product.find('=')), std::to_string(e.number));
      EXPECT_EQ(product, e.number);
      EXPECT_EQ(primes.size(), first ? 2u : 3u);
      EXPECT_TRUE(std::is_sorted(primes.begin(), primes.end()));
      // The pairs d × N/d with d < N/d, smallest d first, 50 apart from 130.
      std::vector<std::string> pairs;
      std::vector<double> ys;
      std::string list;
      std::vector<int> divisors;
      for (int d = 1; d <= e.number; ++d) {
        if (e.number % d == 0) divisors.push_back(d);
      }
      for (size_t k = 0; k < divisors.size() / 2; ++k) {
        pairs.push_back(std::to_string(e.number) + "=" + std::to_string(divisors[k]) + "*" +
                        std::to_string(e.number / divisors[k]));
        ys.push_back(130 + 50 * k);
      }
      for (int d : divisors) list += (list.empty() ? "" : ",") + std::to_string(d);
      EXPECT_EQ(e.pairs, pairs);
      EXPECT_EQ(e.pair_ys, ys);
      EXPECT_EQ(e.list, list);  // no comma after the last
    }
    EXPECT_GT(seen.size(), 4u);
  }
}

}  // namespace
