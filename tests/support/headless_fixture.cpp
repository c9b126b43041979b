#include "headless_fixture.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>

#include "globals.h"
#include "key_script.h"
#include "page_reader.h"
#include "program.h"
#include "shell.h"
#include "test_files.h"

void HeadlessTest::SetUp() {
  backend_ = std::make_unique<HeadlessBackend>();
  InstallBackend(backend_.get());
}

void HeadlessTest::TearDown() {
  InstallBackend(nullptr);
}

void HeadlessTest::StartUp() {
  // No program: the title stays empty.
  StartUpState(ProgramDescription{});
}

void HeadlessTest::Keys(const std::string& script) {
  backend_->AddKeys(ParseKeyScript(script));
}

void StartedPageTest::SetUp() {
  HeadlessTest::SetUp();
  StartUp();
  ClearLog();
}

std::vector<LoggedOp> HeadlessTest::Ops(const std::string& name) {
  std::vector<LoggedOp> out;
  for (const LoggedOp& op : Log()) {
    if (op.name == name) out.push_back(op);
  }
  return out;
}

std::vector<std::string> HeadlessTest::Texts() {
  std::vector<std::string> out;
  for (const LoggedOp& op : Log()) {
    if (op.name == "text") out.push_back(op.text);
  }
  return out;
}

std::vector<LoggedOp> HeadlessTest::PagePrints() {
  std::vector<LoggedOp> out;
  for (const LoggedOp& op : Log()) {
    if (op.name == "print" && op.nums[1] < kPageHeight) out.push_back(op);
  }
  return out;
}

int HeadlessTest::KeyWaits() {
  return ::KeyWaits(PrintsOf(Log()));
}

std::vector<std::string> HeadlessTest::MarkupPrints() {
  return ::MarkupPrints(PrintsOf(Log()));
}

float HeadlessTest::MarkupWidth(const std::string& sjis) {
  A_s = sjis;
  MeasureMarkupWidth();
  return LLT;
}

std::string Utf8(const std::string& sjis) {
  return ToUtf8(sjis);
}

PlayerRun RunPlayer(const std::string& program, const std::string& keys, const std::string& clock) {
  PlayerRun run;
  char dir_template[] = "/tmp/player-test-XXXXXX";
  std::string dir = mkdtemp(dir_template);
  std::string command = std::string(PLAYER_PATH) + " " + ShellQuoted(program) + " " +
                        ShellQuoted(keys) + " - --log " + ShellQuoted(dir + "/log.txt") +
                        " --time " + ShellQuoted(clock);
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 256> buf;
  while (fgets(buf.data(), buf.size(), pipe)) run.ending += buf.data();
  int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  while (!run.ending.empty() && run.ending.back() == '\n') run.ending.pop_back();
  std::ifstream log(dir + "/log.txt");
  for (std::string line; std::getline(log, line);) run.log.push_back(line);
  std::remove((dir + "/log.txt").c_str());
  rmdir(dir.c_str());
  return run;
}
