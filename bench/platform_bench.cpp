// How fast the page draws text and boxes, headless.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench_page.h"
#include "runtime.h"

namespace {

void BM_TextLine(benchmark::State& state) {
  BenchPage page;
  for (auto _ : state) {
    PsSYMBOL40(44, 120, 2, 3, 13, "正の数・負の数で量を表すこと 3.5 + (-2)");
  }
}
BENCHMARK(BM_TextLine);

void BM_SingleGlyph(benchmark::State& state) {
  BenchPage page;
  for (auto _ : state) PsSYMBOL40(100, 100, 1, 1, 0, "５");
}
BENCHMARK(BM_SingleGlyph);

void BM_FilledBox(benchmark::State& state) {
  BenchPage page;
  for (auto _ : state) PsBOX_STEP(22, 10, 1320, 600, 15, 10);
}
BENCHMARK(BM_FilledBox);

// A page erased again is left alone where it is known blank: each round
// draws over the whole page first, and erases it.
void BM_EraseWholePage(benchmark::State& state) {
  BenchPage page;
  for (auto _ : state) {
    PsBOX_STEP(0, 0, 1760, 1800, 9, 9);
    PsBOX_STEP(0, 0, 1760, 1800, 15, 15);
  }
}
BENCHMARK(BM_EraseWholePage);

// The player's PNG of a page of text and boxes.
void BM_SavePng(benchmark::State& state) {
  BenchPage page;
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
