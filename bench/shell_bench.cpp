// How fast the shell draws its main menu, a plain text line and the answer
// field's blinking cursor, headless.
#include <benchmark/benchmark.h>

#include "bench_page.h"
#include "globals.h"
#include "key_script.h"
#include "programs.h"
#include "shell.h"

namespace {

// The program of the list with the longest menu.
const ProgramDescription& LongestMenu() {
  const ProgramDescription* longest = nullptr;
  for (const ProgramEntry& entry : AllPrograms()) {
    const ProgramDescription& program = entry.program();
    if (!longest || program.items.size() > longest->items.size()) longest = &program;
  }
  return *longest;
}

// One whole pass of the longest menu: panel, title, items and prompt, then
// the end item typed into the answer field.
void BM_MainMenuDraw(benchmark::State& state) {
  const ProgramDescription& program = LongestMenu();
  BenchPage page(program);
  const std::vector<std::string> end_item =
      ParseKeyScript(std::to_string(program.items.size()) + " Enter");
  for (auto _ : state) {
    page.backend().AddKeys(end_item);
    try {
      MainMenu(page.program());
    } catch (const ProgramEnded&) {
    }
  }
}
BENCHMARK(BM_MainMenuDraw);

// A topic's submenu line in plain text, character by character.
void BM_PlainTextLine(benchmark::State& state) {
  BenchPage page(LongestMenu());
  for (auto _ : state) {
    CCC1 = 0;
    X = 16;
    Y = 666;
    AA_s = "①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了";
    DrawPlainText();
  }
}
BENCHMARK(BM_PlainTextLine);

// One blink of the answer field's cursor, on and off, as KeyLoop draws it
// while the window waits for a key: the cursor drawn once, then an empty
// poll (the blink tick) fills its 8x8 square with the page colour; the next
// key (Enter) finds it off and leaves the field.
void BM_CursorBlink(benchmark::State& state) {
  BenchPage page(LongestMenu());
  const std::vector<std::string> blink_then_enter = {"", "\r"};
  for (auto _ : state) {
    page.backend().AddKeys(blink_then_enter);
    XX = KAIX = 1056;
    YY = KAIY = 648;
    KeyLoop();
  }
}
BENCHMARK(BM_CursorBlink);

}  // namespace
