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
// goes, so a script of up to 16 MiB takes no more memory than a short one
// (a script that starts with "@" and a blank starts with the key "@").
// The screen is written as it stands when the script is used up or the
// program ends (OUT.png "-": not written); --each also writes DIR/0001.png,
// ... before every key; --log writes the operation log as the run goes
// (UTF-8, one operation a line, fields separated by tabs); --time fixes the
// clock, and so the random seed. How the run ended goes to standard output,
// or to standard error when the picture or the log goes there.
//
// Whatever the player cannot do (a clock that is no time of day, a folder
// that is not there, a file it cannot write, one file given twice or under
// a frame's name) it says in one line of printable ASCII on standard error
// and ends with a non-zero status: 2 for
// arguments refused before the run, 1 when something could not be written
// or drawn. The picture and the log go to temporary files beside them, made
// before the run (so a path that cannot be written is refused before it),
// that take their names together when the whole run was written: a run that
// fails, a signal that ends it or a crash leaves both files as they were
// and no temporary behind, and two players writing the same files at once
// leave the picture and the log of one of them.
#include <dirent.h>
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

// Whether writing `path` writes where standard output goes (/dev/stdout,
// the pipe or file it leads to).
bool IsStandardOutput(const std::string& path) {
  struct stat a, b;
  return fstat(STDOUT_FILENO, &a) == 0 && stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
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

// A name as the player shows it: in quotes, every byte that is not
// printable ASCII (a line end among them) written as \xHH.
std::string Quoted(const std::string& name) {
  return "\"" + Readable(name) + "\"";
}

// A file as the player compares them: by device and inode when it is there
// (a hard link or a symbolic link is the file it leads to), else by its path
// made absolute and plain (x.png, ./x.png and dir/../x.png alike; a dangling
// link, the path of the file it would make).
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
  const std::string target = FollowLinks(path);
  id.path = std::filesystem::weakly_canonical(
      std::filesystem::absolute(target.empty() ? path : target, error), error);
  if (error) id.path = path;
  return id;
}

// Whether two files are one where that loses data: one replaced by the
// other, or the keys replaced while they are read. A device or a pipe may
// take both, as it takes whatever is written to it.
bool OneFile(const FileIdentity& a, const FileIdentity& b) {
  const bool same = a.there ? b.there && a.device == b.device && a.inode == b.inode
                            : !b.there && a.path == b.path;
  return same && (!a.there || a.regular);
}

// Two of the files that are one: "" when none are.
std::string OneFileTwice(const std::vector<NamedFile>& files) {
  for (size_t i = 0; i < files.size(); ++i) {
    for (size_t j = i + 1; j < files.size(); ++j) {
      const std::string &a = files[i].path, &b = files[j].path;
      if (a.empty() || b.empty() || !OneFile(IdentityOf(a), IdentityOf(b))) continue;
      return std::string("the ") + files[i].what + " " + Quoted(a) + " and the " + files[j].what +
             " " + Quoted(b) + " are one file";
    }
  }
  return "";
}

// A file that a frame of --each would replace: "" when none. A frame takes
// a name of FrameName in `dir`, however many frames the run writes, and
// replaces what that name leads to, as the picture does; so a file is at
// risk when it is one file with such a name, whether that is there (a file,
// a link, a hard link) or not yet.
std::string FrameOverFile(const std::string& dir, const std::vector<NamedFile>& files) {
  std::vector<FileIdentity> ids;
  for (const NamedFile& file : files) ids.push_back(IdentityOf(file.path));
  auto over = [&](const std::string& name) -> std::string {
    if (!IsFrameName(name)) return "";
    const FileIdentity frame = IdentityOf(dir + "/" + name);
    for (size_t i = 0; i < files.size(); ++i) {
      if (files[i].path.empty() || !OneFile(frame, ids[i])) continue;
      return "a frame of --each " + Quoted(dir) + " would replace the " + files[i].what + " " +
             Quoted(files[i].path);
    }
    return "";
  };
  // The names the files would take, and the names in the folder.
  for (const NamedFile& file : files) {
    std::string why = over(std::filesystem::path(FollowLinks(file.path)).filename());
    if (!why.empty()) return why;
  }
  DIR* folder = opendir(dir.c_str());
  std::string why;
  while (const dirent* entry = folder && why.empty() ? readdir(folder) : nullptr) {
    why = over(entry->d_name);
  }
  if (folder) closedir(folder);
  return why;
}

// A key script read from a file token by token. Opening it checks every
// token, so an unknown key is refused before the run; standard input (and
// any file that cannot be read twice) is copied aside as it is checked, to a
// temporary file that has no name and so goes with the player, whatever
// ends it. A script holds at most kMostBytes, so that endless input (a
// device of zeros, a command that never stops) is refused instead of read
// and copied for ever.
class ScriptFile {
 public:
  // Room for a million keys of the longest name, and a million blanks.
  static constexpr long kMostBytes = 16L << 20;

  ~ScriptFile() {
    if (copy_) std::fclose(copy_);
    if (file_ && file_ != stdin) std::fclose(file_);
  }
  // 0 when the script is there, holds at most kMostBytes and every token
  // is a key; else the status to end with, and `why` says why not.
  int Open(const std::string& path, std::string& why) {
    const std::string keys =
        path == "-" ? std::string("the keys from standard input") : "the keys " + Quoted(path);
    file_ = path == "-" ? stdin : std::fopen(path.c_str(), "r");
    if (!file_) {
      why = "cannot read " + keys + ": " + std::strerror(errno);
      return kRefused;
    }
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
      copy_ = std::tmpfile();
      if (!copy_) {
        why = "cannot keep " + keys + " aside: " + std::strerror(errno);
        return kNotWritten;
      }
    }
    try {
      std::string token;
      while (NextToken(token)) ParseKeyScript(token);
    } catch (const std::invalid_argument& e) {
      why = e.what();
      return kRefused;
    }
    if (copy_ && (std::fflush(copy_) != 0 || std::ferror(copy_)) && !copy_error_) {
      copy_error_ = errno ? errno : EIO;
    }
    if (copy_error_) {
      why = "cannot keep " + keys + " aside: " + std::strerror(copy_error_);
      return kNotWritten;
    }
    if (read_ > kMostBytes) {
      why = keys + " hold more than " + std::to_string(kMostBytes) + " bytes";
      return kRefused;
    }
    if (std::ferror(file_)) {
      why = "cannot read " + keys + ": " + std::strerror(errno);
      return kRefused;
    }
    if (copy_) {
      if (file_ != stdin) std::fclose(file_);
      file_ = copy_;
      copy_ = nullptr;
    }
    // The run reads no more than was checked.
    most_ = read_;
    read_ = 0;
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
      why = "cannot read " + keys + " again: " + std::strerror(errno);
      return kRefused;
    }
    return 0;
  }
  // Up to `count` more keys; none when the script is used up.
  std::vector<std::string> Next(int count) {
    std::vector<std::string> keys;
    std::string token;
    try {
      while (static_cast<int>(keys.size()) < count && NextToken(token)) {
        keys.push_back(ParseKeyScript(token).front());
      }
    } catch (const std::invalid_argument&) {
      // The file changed under the run: it ends where the keys stop.
    }
    return keys;
  }

 private:
  // The next token; false at the end of the script, past its most bytes or
  // when its copy cannot be written. A key's name is far shorter than
  // kTokenShown: a longer token is cut there, to be refused as soon as it
  // is read. Every byte read is also written to the copy, when there is one.
  bool NextToken(std::string& token) {
    token.clear();
    int c;
    while (read_ < most_ && !copy_error_ && (c = std::getc(file_)) != EOF) {
      ++read_;
      if (copy_ && std::putc(c, copy_) == EOF) copy_error_ = errno ? errno : EIO;
      if (!std::isspace(c)) {
        token += char(c);
        if (token.size() > kTokenShown) return true;
      } else if (!token.empty()) {
        return true;
      }
    }
    return !token.empty() && !copy_error_ && read_ <= kMostBytes;
  }

  std::FILE* file_ = nullptr;
  std::FILE* copy_ = nullptr;
  int copy_error_ = 0;
  // The bytes read, and the most that may be read: one past kMostBytes
  // while the script is checked (to tell a script of kMostBytes from a
  // longer one), what was checked during the run.
  long read_ = 0;
  long most_ = kMostBytes + 1;
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
      Say("unknown option %s", Readable(opt).c_str());
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
    Say("no program %s (%s)", Readable(name).c_str(), ProgramNames(", ", " or ").c_str());
    return kRefused;
  }
  if (!ValidClock(clock)) {
    Say("--time %s is no time of day (hh:mm:ss, 00:00:00 to 23:59:59)", Readable(clock).c_str());
    return kRefused;
  }
  if (each && !IsWritableFolder(*each)) {
    Say("--each %s is no folder the pictures can be written to", Quoted(*each).c_str());
    return kRefused;
  }
  // "@FILE"; an "@" alone or followed by a blank is the key "@".
  const bool from_file =
      keys.size() > 1 && keys[0] == '@' && !std::isspace(static_cast<unsigned char>(keys[1]));
  std::vector<NamedFile> named;
  if (out != "-") named.push_back({"picture", out});
  if (log_path) named.push_back({"log", *log_path});
  // Keys from standard input are the file it reads, when that is a file.
  if (from_file) named.push_back({"keys", keys == "@-" ? "/dev/stdin" : keys.substr(1)});
  if (std::string why = OneFileTwice(named); !why.empty()) {
    Say("%s", why.c_str());
    return kRefused;
  }
  if (std::string why = each ? FrameOverFile(*each, named) : ""; !why.empty()) {
    Say("%s", why.c_str());
    return kRefused;
  }
  // A write beyond the file-size limit fails from here on, the copy of the
  // keys among them, instead of ending the player without a word.
  ProtectScratchFiles();
  ScriptFile script_file;
  StreamedKeys backend(from_file ? &script_file : nullptr);
  try {
    if (from_file) {
      std::string why;
      if (int status = script_file.Open(keys.substr(1), why)) {
        Say("%s", why.c_str());
        return status;
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
  // A picture or a log sent to standard output holds nothing else: how the
  // run ended then goes to standard error.
  const bool output_taken =
      (out != "-" && IsStandardOutput(out)) || (log_path && IsStandardOutput(*log_path));
  WholeFile picture;
  if (out != "-") {
    if (int error = picture.Open(out)) {
      Say("cannot write %s: %s", Quoted(out).c_str(), Why(error));
      return error == ENOMEM ? kNotWritten : kRefused;
    }
  }
  LogFile log;
  if (log_path) {
    if (int error = log.Open(*log_path)) {
      Say("cannot write the log %s: %s", Quoted(*log_path).c_str(), Why(error));
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
  // Each argument is a name or a reason, shown as a terminal can show it.
  auto fail = [&failed](const char* format, const std::string& a, const std::string& b = "") {
    if (!failed) Say(format, Readable(a).c_str(), Readable(b).c_str());
    failed = true;
  };
  if (std::string fault = backend.page().DrawingFault(); !fault.empty()) {
    fail("the page could not be drawn: %s", fault);
  }
  if (!backend.frame_not_written().empty()) fail("cannot write %s", backend.frame_not_written());
  if (log_path && !failed) {
    if (int error = log.Finish()) fail("cannot write the log %s: %s", *log_path, Why(error));
  }
  if (out != "-" && !failed) {
    int error = backend.page().SavePng(picture.stream()) ? picture.Finish() : errno;
    if (error) fail("cannot write %s: %s", out, Why(error));
  }
  if (!failed) {
    // The two files take their names together: both, or neither and both
    // as they were; another player writing them waits meanwhile, so the
    // two always come from one run.
    WholeFile* not_named = nullptr;
    if (int error = CommitTogether({&picture, &log.file()}, &not_named)) {
      fail("cannot write %s: %s", not_named == &picture ? out : *log_path, Why(error));
    }
  }
  if (failed) {
    picture.Discard();
    log.file().Discard();
  }
  std::fprintf(output_taken ? stderr : stdout, "%s\n", ending.c_str());
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
