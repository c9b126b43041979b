// How fast the markup printer lays out and draws lesson lines, headless.
#include <benchmark/benchmark.h>

#include "bench_page.h"
#include "shell.h"

namespace {

// A long worked line: signed fractions, products over products, exponents,
// a radical and kana, as the fraction pages print them.
const char* const kLongLine =
    "(+ﾀ3/8ﾀ)+(-ﾀ5/8ﾀ)=-ﾀ2/8ﾀ=-ﾀ1/4ﾀ　=-ﾀ6*10/5*3ﾀ=-4　ﾀ12/18ﾀ=ﾀ2/3ﾀ　2^3*3^2=72　#2ﾝ+1　答え";

void BM_MarkupLineWithFractions(benchmark::State& state) {
  BenchPage page;
  for (auto _ : state) {
    X = 20;
    Y = 300;
    CCC1 = 0;
    AA_s = kLongLine;
    PrintMarkup();
    benchmark::DoNotOptimize(X);
  }
}
BENCHMARK(BM_MarkupLineWithFractions);

void BM_MeasureMarkupLineWithFractions(benchmark::State& state) {
  BenchPage page;
  for (auto _ : state) {
    HROOT = 0;
    A_s = kLongLine;
    MeasureMarkupWidth();
    benchmark::DoNotOptimize(LLT);
  }
}
BENCHMARK(BM_MeasureMarkupLineWithFractions);

}  // namespace
