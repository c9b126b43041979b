// How fast the shell draws its main menu, headless.
#include <benchmark/benchmark.h>

#include "globals.h"
#include "headless.h"
#include "programs.h"
#include "shell.h"

namespace {

class MenuFixture {
 public:
  explicit MenuFixture(const ProgramDescription& program) : program_(program) {
    InstallBackend(&backend_);
    backend_.page().logging = false;
    StartUpState(program_);
  }
  ~MenuFixture() { InstallBackend(nullptr); }
  HeadlessBackend& backend() { return backend_; }
  const ProgramDescription& program() const { return program_; }

 private:
  const ProgramDescription& program_;
  HeadlessBackend backend_;
};

// One whole pass of the menu: panel, title, eight items and prompt, then the
// end item typed into the answer field.
void BM_MainMenuDraw(benchmark::State& state) {
  MenuFixture fixture(quorrel::Program());
  const std::vector<std::string> end_item = ParseKeyScript("8 Enter");
  for (auto _ : state) {
    fixture.backend().AddKeys(end_item);
    try {
      MainMenu(fixture.program());
    } catch (const ProgramEnded&) {
    }
  }
}
BENCHMARK(BM_MainMenuDraw);

// A topic's submenu line in plain text, character by character.
void BM_PlainTextLine(benchmark::State& state) {
  MenuFixture fixture(quorrel::Program());
  for (auto _ : state) {
    CCC1 = 0;
    X = 16;
    Y = 666;
    AA_s = "①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了";
    DrawPlainText();
  }
}
BENCHMARK(BM_PlainTextLine);

}  // namespace
