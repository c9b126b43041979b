// The page a benchmark draws on: a headless backend installed for as long as
// it lives, its operation log off (a benchmark times the drawing, not the
// log), and all that the program's start-up does before its main menu (the
// font, the pen, the seed, the start values, the title, the shared arrays).
#pragma once

#include "headless.h"
#include "program.h"

class BenchPage {
 public:
  explicit BenchPage(ProgramDescription program = {}) : program_(std::move(program)) {
    InstallBackend(&backend_);
    backend_.page().logging = false;
    StartUpState(program_);
  }
  ~BenchPage() { InstallBackend(nullptr); }
  BenchPage(const BenchPage&) = delete;
  BenchPage& operator=(const BenchPage&) = delete;

  HeadlessBackend& backend() { return backend_; }
  const ProgramDescription& program() const { return program_; }

 private:
  ProgramDescription program_;
  HeadlessBackend backend_;
};
