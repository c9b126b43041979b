// How fast the page draws text and boxes, headless.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "headless.h"
#include "runtime.h"

namespace {

class Fixture {
 public:
  Fixture() {
    InstallBackend(&backend_);
    backend_.page().logging = false;
    FE_SETFONTNAME("ｺﾞｼｯｸ");
    FE_SETFONTSIZE(16);
    FE_SETDRAWWIDTH(3);
  }
  ~Fixture() { InstallBackend(nullptr); }

 private:
  HeadlessBackend backend_;
};

void BM_TextLine(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) {
    PsSYMBOL40(44, 120, 2, 3, 13, "正の数・負の数で量を表すこと 3.5 + (-2)");
  }
}
BENCHMARK(BM_TextLine);

void BM_SingleGlyph(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) PsSYMBOL40(100, 100, 1, 1, 0, "５");
}
BENCHMARK(BM_SingleGlyph);

void BM_FilledBox(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) PsBOX_STEP(22, 10, 1320, 600, 15, 10);
}
BENCHMARK(BM_FilledBox);

// A page erased again is left alone where it is known blank: each round
// draws over the whole page first, and erases it.
void BM_EraseWholePage(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) {
    PsBOX_STEP(0, 0, 1760, 1800, 9, 9);
    PsBOX_STEP(0, 0, 1760, 1800, 15, 15);
  }
}
BENCHMARK(BM_EraseWholePage);

// The player's PNG of a page of text and boxes.
void BM_SavePng(benchmark::State& state) {
  Fixture fixture;
  PsBOX_STEP(22, 10, 1320, 600, 15, 10);
  for (int k = 0; k < 12; ++k) {
    PsSYMBOL40(44, 30 + 50 * k, 2, 3, 13, "正の数・負の数で量を表すこと 3.5 + (-2)");
  }
  std::string path = "/tmp/platform_bench_" + std::to_string(getpid()) + ".png";
  for (auto _ : state) CurrentBackend().page().SavePng(path);
  std::remove(path.c_str());
}
BENCHMARK(BM_SavePng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
