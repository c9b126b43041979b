// Runs one of the programs headless on a key script and writes the screen.
//
//   player PROGRAM "KEYS" OUT.png|- [--each DIR] [--log FILE] [--time hh:mm:ss]
//
// PROGRAM is almeno, torvane, pellith, vindrel or quorrel. KEYS are tokens
// separated by blanks: a single printable character, or Enter, Left, Right,
// Backspace, Delete, Space. The screen is written as it stands when the script
// is used up or the program ends (OUT.png "-": not written); --each also
// writes DIR/0001.png, ... before every key; --log writes the operation log
// as the run goes (UTF-8, one operation a line, fields separated by tabs);
// --time fixes the clock, and so the random seed.
//
// Whatever the player cannot do (a clock that is no time of day, a folder
// that is not there, a file it cannot write) it says in one line on standard
// error and ends with a non-zero status: 2 for arguments refused before the
// run, 1 when something could not be written.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "errors.h"
#include "fonts.h"
#include "headless.h"
#include "last_chance.h"
#include "programs.h"

namespace {

constexpr int kRefused = 2;
constexpr int kNotWritten = 1;

void Say(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::fputs("player: ", stderr);
  std::vfprintf(stderr, format, args);
  std::fputc('\n', stderr);
  va_end(args);
}

int Usage() {
  std::fprintf(stderr,
               "usage: player almeno|torvane|pellith|vindrel|quorrel \"KEYS\" OUT.png|- "
               "[--each DIR] [--log FILE] [--time hh:mm:ss]\n");
  return kRefused;
}

// hh:mm:ss, a time of day from 00:00:00 to 23:59:59.
bool ValidClock(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (int i : {0, 1, 3, 4, 6, 7}) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  auto two = [&](int i) { return (t[i] - '0') * 10 + (t[i + 1] - '0'); };
  return two(0) <= 23 && two(3) <= 59 && two(6) <= 59;
}

bool IsWritableFolder(const std::string& dir) {
  struct stat st;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(dir.c_str(), W_OK) == 0;
}

// Why the picture cannot be written to `path`, or "" when it looks writable:
// its folder must be there and writable, and the path no folder.
std::string PngRefusal(const std::string& path) {
  std::string::size_type slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  struct stat st;
  if (!IsWritableFolder(dir)) return "no folder to write " + path + " in";
  if (stat(path.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || access(path.c_str(), W_OK) != 0))
    return "cannot write " + path;
  return "";
}

// The operation log, written line by line as the run goes.
class LogFile {
 public:
  bool Open(const std::string& path) {
    path_ = path;
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) error_ = errno;
    return file_ != nullptr;
  }
  void Write(const LoggedOp& op) {
    if (error_) return;
    std::string line = op.Line();
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) error_ = errno;
  }
  // Closes the file; false when any of it could not be written.
  bool Close() {
    if (!file_) return error_ == 0;
    if (std::fflush(file_) != 0 && !error_) error_ = errno;
    if (std::fclose(file_) != 0 && !error_) error_ = errno;
    file_ = nullptr;
    return error_ == 0;
  }
  const std::string& path() const { return path_; }
  const char* error() const { return std::strerror(error_ ? error_ : EIO); }

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
  int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  const std::string name = argv[1];
  const std::string out = argv[3];
  std::string each, log_path, clock = "12:00:00";
  for (int i = 4; i < argc; i += 2) {
    const std::string opt = argv[i];
    if (opt != "--each" && opt != "--log" && opt != "--time") {
      Say("unknown option %s", opt.c_str());
      return kRefused;
    }
    if (i + 1 >= argc) {
      Say("%s needs a value", opt.c_str());
      return kRefused;
    }
    (opt == "--each" ? each : opt == "--log" ? log_path : clock) = argv[i + 1];
  }

  const ProgramDescription* program = FindProgram(name);
  if (!program) {
    Say("no program %s (almeno, torvane, pellith, vindrel or quorrel)", name.c_str());
    return kRefused;
  }
  if (!ValidClock(clock)) {
    Say("--time %s is no time of day (hh:mm:ss, 00:00:00 to 23:59:59)", clock.c_str());
    return kRefused;
  }
  if (!each.empty() && !IsWritableFolder(each)) {
    Say("--each %s is no folder the pictures can be written to", each.c_str());
    return kRefused;
  }
  if (std::string why = out == "-" ? "" : PngRefusal(out); !why.empty()) {
    Say("%s", why.c_str());
    return kRefused;
  }
  if (!FontsPresent("player")) return 1;
  HeadlessBackend backend;
  try {
    backend.AddKeys(ParseKeyScript(argv[2]));
  } catch (const std::invalid_argument& e) {
    Say("%s", e.what());
    return kRefused;
  }
  LogFile log;
  if (!log_path.empty()) {
    if (!log.Open(log_path)) {
      Say("cannot write the log %s: %s", log_path.c_str(), log.error());
      return kRefused;
    }
    backend.page().log_sink = [&log](const LoggedOp& op) { log.Write(op); };
  } else {
    // The log costs a text conversion per glyph: kept only when asked for.
    backend.page().logging = false;
  }

  backend.SetClock(clock);
  if (!each.empty()) backend.SetFrameFolder(each);
  InstallBackend(&backend);
  InstallLastChance(name);

  std::string ending;
  try {
    int status = RunProgram(*program);
    ending = "program ended (status " + std::to_string(status) + ")";
  } catch (const HeadlessStop&) {
    if (backend.error_screen()) {
      ending = backend.ErrorReport();
    } else {
      ending = "script used up";
    }
  }

  int exit_code = 0;
  if (!backend.frame_not_written().empty()) {
    Say("cannot write %s", backend.frame_not_written().c_str());
    exit_code = kNotWritten;
  }
  if (out != "-" && !backend.page().SavePng(out)) {
    Say("cannot write %s", out.c_str());
    exit_code = kNotWritten;
  }
  if (!log.Close()) {
    Say("cannot write the log %s: %s", log.path().c_str(), log.error());
    exit_code = kNotWritten;
  }
  std::printf("%s\n", ending.c_str());
  return exit_code;
}
