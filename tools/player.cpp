// Runs one of the programs headless on a key script and writes the screen.
//
//   player PROGRAM "KEYS" OUT.png|- [--each DIR] [--log FILE] [--time hh:mm:ss]
//
// PROGRAM is almeno, torvane, pellith, vindrel or quorrel. KEYS are tokens
// separated by blanks: a single printable character, or Enter, Left, Right,
// Backspace, Delete, Space. The screen is written as it stands when the script
// is used up or the program ends (OUT.png "-": not written); --each also writes DIR/0001.png, ...
// before every key; --log writes the operation log (UTF-8, one operation a line, fields separated
// by tabs); --time fixes the clock, and so the random seed.
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "globals.h"
#include "headless.h"
#include "last_chance.h"
#include "programs.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: player PROGRAM \"KEYS\" OUT.png|- [--each DIR] [--log FILE] "
               "[--time hh:mm:ss]\n"
               "PROGRAM: almeno, torvane, pellith, vindrel, quorrel\n");
  return 2;
}

bool ValidClock(const std::string& t) {
  return t.size() == 8 && t[2] == ':' && t[5] == ':' && std::isdigit(t[0]) && std::isdigit(t[1]) &&
         std::isdigit(t[3]) && std::isdigit(t[4]) && std::isdigit(t[6]) && std::isdigit(t[7]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  std::string name = argv[1];
  std::string out = argv[3];
  std::string each, log_path, clock = "12:00:00";
  for (int i = 4; i < argc; ++i) {
    std::string opt = argv[i];
    if (i + 1 >= argc) return Usage();
    if (opt == "--each") {
      each = argv[++i];
    } else if (opt == "--log") {
      log_path = argv[++i];
    } else if (opt == "--time") {
      clock = argv[++i];
      if (!ValidClock(clock)) return Usage();
    } else {
      return Usage();
    }
  }
  const ProgramDescription* program = FindProgram(name);
  if (!program) return Usage();

  HeadlessBackend backend;
  try {
    backend.AddKeys(ParseKeyScript(argv[2]));
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  backend.SetClock(clock);
  // The log costs a text conversion per glyph: kept only when asked for.
  backend.page().logging = !log_path.empty();
  if (!each.empty()) backend.SetFrameFolder(each);
  InstallBackend(&backend);
  InstallLastChance(name, false);

  std::string ending;
  int exit_code = 0;
  try {
    int status = RunProgram(*program);
    ending = "program ended (status " + std::to_string(status) + ")";
  } catch (const HeadlessStop&) {
    if (backend.error_screen()) {
      ending = "error screen: " + std::to_string(static_cast<long>(A)) + "," +
               std::to_string(static_cast<long>(B));
    } else {
      ending = "script used up";
    }
  }

  if (out != "-" && !backend.page().SavePng(out)) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    exit_code = 1;
  }
  if (!log_path.empty()) {
    std::ofstream log(log_path);
    for (const LoggedOp& op : backend.page().log) log << op.Line() << '\n';
    if (!log) {
      std::fprintf(stderr, "cannot write %s\n", log_path.c_str());
      exit_code = 1;
    }
  }
  std::printf("%s\n", ending.c_str());
  return exit_code;
}
