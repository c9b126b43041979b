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
// that is not there, a file it cannot write) it says in one line on standard
// error and ends with a non-zero status: 2 for arguments refused before the
// run, 1 when something could not be written. The files are created before
// the run, so a path that cannot be written is refused before it; a picture
// goes to a temporary file beside its path first, so a failed write leaves
// no half-written picture.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>
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

// The picture's file, made before the run so that a path that cannot be
// written is refused then. It stays as it was (a file that was there keeps
// its content) until the picture replaces it; one the player made is
// removed again when the picture cannot be written.
class PictureFile {
 public:
  // "" when the file is there and writable, else why not.
  std::string Create(const std::string& path) {
    path_ = path;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    made_ = fd >= 0;
    if (fd < 0 && errno == EEXIST) fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return "cannot write \"" + path + "\": " + std::strerror(errno);
    close(fd);
    return "";
  }
  bool Save(const Page& page) {
    if (page.SavePng(path_)) return true;
    Discard();
    return false;
  }
  // Removes the file again if the player made it.
  void Discard() {
    if (made_) unlink(path_.c_str());
    made_ = false;
  }

 private:
  std::string path_;
  bool made_ = false;
};

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

}  // namespace

int main(int argc, char** argv) {
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
  ScriptFile script_file;
  // "@FILE"; an "@" alone or followed by a blank is the key "@".
  const bool from_file =
      keys.size() > 1 && keys[0] == '@' && !std::isspace(static_cast<unsigned char>(keys[1]));
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
  PictureFile picture;
  if (out != "-") {
    if (std::string why = picture.Create(out); !why.empty()) {
      Say("%s", why.c_str());
      return kRefused;
    }
  }
  LogFile log;
  if (log_path) {
    if (!log.Open(*log_path)) {
      Say("cannot write the log \"%s\": %s", log_path->c_str(), log.error());
      picture.Discard();
      return kRefused;
    }
    backend.page().log_sink = [&log](const LoggedOp& op) { log.Write(op); };
  } else {
    // The log costs a text conversion per glyph: kept only when asked for.
    backend.page().logging = false;
  }

  backend.SetClock(clock);
  if (each) backend.SetFrameFolder(*each);
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
  if (out != "-" && !picture.Save(backend.page())) {
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
