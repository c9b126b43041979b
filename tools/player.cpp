// Runs one of the programs headless on a key script and writes the screen.
//
//   player PROGRAM "KEYS"|@FILE|@- OUT.png|- [--each DIR] [--log FILE] [--time hh:mm:ss]
//   player --list
//
// PROGRAM is one of the programs of programs/program_list.h; --list prints
// them, one a line: name, window title and the number of the menu's end
// item, separated by tabs. KEYS are tokens separated by blanks: a single
// printable character, or Enter, Left, Right, Up, Down, Tab, Escape,
// Backspace, Delete, Space.
// @FILE reads the tokens from FILE (@- from standard input) as the run
// goes, so a script of any length takes no more memory than a short one (a
// script that starts with "@" and a blank starts with the key "@").
// The screen is written as it stands when the script is used up or the
// program ends (OUT.png "-": not written); --each also writes DIR/0001.png,
// ... before every key; --log writes the operation log as the run goes
// (UTF-8, one operation a line, fields separated by tabs); --time fixes the
// clock, and so the random seed.
//
// Whatever the player cannot do (a clock that is no time of day, a folder
// that is not there, a file it cannot write, one file given twice) it says
// in one line on standard error and ends with a non-zero status: 2 for
// arguments refused before the run, 1 when something could not be written
// or drawn. The picture and the log go to temporary files beside them, made
// before the run (so a path that cannot be written is refused before it),
// that take their names together when the whole run was written: a run that
// fails, a signal that ends it or a crash leaves both files as they were
// and no temporary behind.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "errors.h"
#include "fonts.h"
#include "headless.h"
#include "last_chance.h"
#include "memory_room.h"
#include "programs.h"
#include "scratch_files.h"
#include "whole_file.h"

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
               "usage: player %s \"KEYS\"|@FILE|@- OUT.png|- [--each DIR] [--log FILE] "
               "[--time hh:mm:ss] | player --list\n"
               "KEYS: tokens separated by blanks, each a printable character or Enter, Left, "
               "Right, Up, Down, Tab, Escape, Backspace, Delete, Space\n",
               ProgramNames("|", "|").c_str());
  return kRefused;
}

int List() {
  for (const ProgramEntry& entry : AllPrograms()) {
    const ProgramDescription& program = entry.program();
    std::printf("%s\t%s\t%zu\n", entry.name, program.title.c_str(), program.items.size());
  }
  return 0;
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
  return !dir.empty() && stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         access(dir.c_str(), W_OK) == 0;
}

// The operation log, written line by line as the run goes, whole or not at
// all (see WholeFile).
class LogFile {
 public:
  // 0, or why the log cannot be written.
  int Open(const std::string& path) { return file_.Open(path); }
  void Write(const LoggedOp& op) {
    if (error_) return;
    std::string line = op.Line();
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), file_.stream()) != line.size()) {
      error_ = errno ? errno : EIO;
    }
  }
  // Writes out the rest: 0, or the first error.
  int Finish() {
    const int error = file_.Finish();
    return error_ ? error_ : error;
  }
  WholeFile& file() { return file_; }

 private:
  WholeFile file_;
  int error_ = 0;
};

// A file named on the command line, and what the player does with it.
struct NamedFile {
  const char* what;  // "picture", "log", "keys"
  std::string path;
};

// A file as the player compares them: by device and inode when it is there
// (a hard link or a symbolic link is the file it leads to), else by its path
// made absolute and plain (x.png, ./x.png and dir/../x.png alike).
struct FileIdentity {
  bool there = false;
  bool regular = false;
  dev_t device = 0;
  ino_t inode = 0;
  std::string path;
};

FileIdentity IdentityOf(const std::string& path) {
  FileIdentity id;
  struct stat st;
  if (stat(path.c_str(), &st) == 0) {
    id.there = true;
    id.regular = S_ISREG(st.st_mode);
    id.device = st.st_dev;
    id.inode = st.st_ino;
    return id;
  }
  std::error_code error;
  id.path = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
  if (error) id.path = path;
  return id;
}

// Two of the files that are one, where that loses data (a file replaced by
// the other, or the keys replaced while they are read): "" when none are.
// A device or a pipe may take both, as it takes whatever is written to it.
std::string OneFileTwice(const std::vector<NamedFile>& files) {
  for (size_t i = 0; i < files.size(); ++i) {
    for (size_t j = i + 1; j < files.size(); ++j) {
      const std::string &a = files[i].path, &b = files[j].path;
      if (a.empty() || b.empty()) continue;
      const FileIdentity ia = IdentityOf(a), ib = IdentityOf(b);
      const bool same = ia.there ? ib.there && ia.device == ib.device && ia.inode == ib.inode
                                 : !ib.there && ia.path == ib.path;
      if (same && (!ia.there || ia.regular)) {
        return std::string("the ") + files[i].what + " \"" + a + "\" and the " + files[j].what +
               " \"" + b + "\" are one file";
      }
    }
  }
  return "";
}

// A key script read from a file token by token. Opening it checks every
// token, so an unknown key is refused before the run; standard input (and
// any file that cannot be read twice) is copied aside as it is checked.
class ScriptFile {
 public:
  ~ScriptFile() {
    if (file_ && file_ != stdin) std::fclose(file_);
  }
  // "" when the script is there and every token is a key, else why not.
  std::string Open(const std::string& path) {
    file_ = path == "-" ? stdin : std::fopen(path.c_str(), "r");
    if (!file_) return "cannot read the keys \"" + path + "\": " + std::strerror(errno);
    std::FILE* copy = nullptr;
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
      copy = std::tmpfile();
      if (!copy) return std::string("cannot keep the keys aside: ") + std::strerror(errno);
    }
    try {
      std::string token;
      while (NextToken(token, copy)) ParseKeyScript(token);
    } catch (const std::invalid_argument& e) {
      if (copy) std::fclose(copy);
      return e.what();
    }
    if (std::ferror(file_)) {
      if (copy) std::fclose(copy);
      return "cannot read the keys \"" + path + "\": " + std::strerror(errno);
    }
    if (copy) {
      if (file_ != stdin) std::fclose(file_);
      file_ = copy;
    }
    if (std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0)
      return std::string("cannot read the keys again: ") + std::strerror(errno);
    return "";
  }
  // Up to `count` more keys; none when the script is used up.
  std::vector<std::string> Next(int count) {
    std::vector<std::string> keys;
    std::string token;
    try {
      while (static_cast<int>(keys.size()) < count && NextToken(token, nullptr)) {
        keys.push_back(ParseKeyScript(token).front());
      }
    } catch (const std::invalid_argument&) {
      // The file changed under the run: it ends where the keys stop.
    }
    return keys;
  }

 private:
  // The next token (a key never takes more than a few letters: a longer run
  // of non-blanks is cut there and refused as a key); every byte read is
  // also written to `copy` when there is one.
  bool NextToken(std::string& token, std::FILE* copy) {
    token.clear();
    int c;
    while ((c = std::getc(file_)) != EOF) {
      if (copy) std::putc(c, copy);
      if (std::isspace(c)) {
        if (!token.empty()) return true;
      } else if (token.size() < kLongestToken) {
        token += char(c);
      }
    }
    return !token.empty();
  }

  static constexpr size_t kLongestToken = 40;
  std::FILE* file_ = nullptr;
};

// The headless page fed from a key script file as the run asks for keys.
class StreamedKeys : public HeadlessBackend {
 public:
  explicit StreamedKeys(ScriptFile* script) : script_(script) {}
  std::string PollKey() override {
    if (script_ && keys_left() == 0) AddKeys(script_->Next(kBatch));
    return HeadlessBackend::PollKey();
  }

 private:
  static constexpr int kBatch = 1024;
  ScriptFile* script_;
};

// Why a file could not be written: memory that ran out is said in the
// words used wherever it runs out.
const char* Why(int error) {
  return error == ENOMEM ? kOutOfMemory : std::strerror(error);
}

int Play(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--list") return List();
  if (argc < 4) return Usage();
  const std::string name = argv[1];
  const std::string keys = argv[2];
  const std::string out = argv[3];
  std::optional<std::string> each, log_path;
  std::string clock = "12:00:00";
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
    if (opt == "--time") {
      clock = argv[i + 1];
    } else {
      (opt == "--each" ? each : log_path) = argv[i + 1];
    }
  }

  const ProgramDescription* program = FindProgram(name);
  if (!program) {
    Say("no program %s (%s)", name.c_str(), ProgramNames(", ", " or ").c_str());
    return kRefused;
  }
  if (!ValidClock(clock)) {
    Say("--time %s is no time of day (hh:mm:ss, 00:00:00 to 23:59:59)", clock.c_str());
    return kRefused;
  }
  if (each && !IsWritableFolder(*each)) {
    Say("--each \"%s\" is no folder the pictures can be written to", each->c_str());
    return kRefused;
  }
  // "@FILE"; an "@" alone or followed by a blank is the key "@".
  const bool from_file =
      keys.size() > 1 && keys[0] == '@' && !std::isspace(static_cast<unsigned char>(keys[1]));
  std::vector<NamedFile> named;
  if (out != "-") named.push_back({"picture", out});
  if (log_path) named.push_back({"log", *log_path});
  if (from_file && keys != "@-") named.push_back({"keys", keys.substr(1)});
  if (std::string why = OneFileTwice(named); !why.empty()) {
    Say("%s", why.c_str());
    return kRefused;
  }
  ScriptFile script_file;
  StreamedKeys backend(from_file ? &script_file : nullptr);
  try {
    if (from_file) {
      if (std::string why = script_file.Open(keys.substr(1)); !why.empty()) {
        Say("%s", why.c_str());
        return kRefused;
      }
    } else {
      backend.AddKeys(ParseKeyScript(keys));
    }
  } catch (const std::invalid_argument& e) {
    Say("%s", e.what());
    return kRefused;
  }
  // Without its fonts every Japanese text would be an empty box.
  if (!FontsPresent("player")) return 1;

  // From here on, what the run writes goes to temporary files (or straight
  // to a device) that a signal or a crash removes; they take their names
  // only when the whole run was written.
  InstallLastChance(name, /*show_box=*/false, "player");
  ProtectScratchFiles();
  WholeFile picture;
  if (out != "-") {
    if (int error = picture.Open(out)) {
      Say("cannot write \"%s\": %s", out.c_str(), Why(error));
      return error == ENOMEM ? kNotWritten : kRefused;
    }
  }
  LogFile log;
  if (log_path) {
    if (int error = log.Open(*log_path)) {
      Say("cannot write the log \"%s\": %s", log_path->c_str(), Why(error));
      return error == ENOMEM ? kNotWritten : kRefused;
    }
    backend.page().log_sink = [&log](const LoggedOp& op) { log.Write(op); };
  } else {
    // The log costs a text conversion per glyph: kept only when asked for.
    backend.page().logging = false;
  }

  backend.SetClock(clock);
  if (each) backend.SetFrameFolder(*each);
  InstallBackend(&backend);

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

  // A run that could not be written in full replaces neither the picture
  // nor the log: the first failure is said, and both are left as they were.
  bool failed = false;
  auto fail = [&failed](const char* format, const std::string& a, const std::string& b = "") {
    if (!failed) Say(format, a.c_str(), b.c_str());
    failed = true;
  };
  if (std::string fault = backend.page().DrawingFault(); !fault.empty()) {
    fail("the page could not be drawn: %s", fault);
  }
  if (!backend.frame_not_written().empty()) fail("cannot write %s", backend.frame_not_written());
  {
    // The two files are replaced together: a signal now waits until they
    // are.
    EndingSignalsHeld held;
    if (log_path && !failed) {
      if (int error = log.Finish()) fail("cannot write the log %s: %s", *log_path, Why(error));
    }
    if (out != "-" && !failed) {
      int error = backend.page().SavePng(picture.stream()) ? picture.Finish() : errno;
      if (error) fail("cannot write %s: %s", out, Why(error));
    }
    for (WholeFile* file : {&picture, &log.file()}) {
      if (failed) break;
      if (int error = file->Commit()) {
        fail("cannot write %s: %s", file == &picture ? out : *log_path, Why(error));
      }
    }
    if (failed) {
      picture.Discard();
      log.file().Discard();
    }
  }
  std::printf("%s\n", ending.c_str());
  return failed ? kNotWritten : 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Memory that runs out anywhere, before the run or during it, ends the
  // player with one line (the files it was writing are discarded on the
  // way out, as for any failure).
  try {
    return Play(argc, argv);
  } catch (const std::bad_alloc&) {
    Say("%s", kOutOfMemory);
    return kNotWritten;
  }
}
