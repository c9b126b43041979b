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
// @FILE reads the tokens from FILE (@- from standard input, where it
// stands) as the run goes, so a script of up to 16 MiB takes no more memory
// than a short one; a key file that changes during the run fails it (a
// script that starts with "@" and a blank starts with the key "@").
// The screen is written as it stands when the script is used up or the
// program ends (OUT.png "-": not written); --each also writes DIR/0001.png,
// ... before every key (to a folder that holds no frame yet, each frame
// made new: a run that fails keeps none); --log writes the operation log as the run goes
// (UTF-8, one operation a line, fields separated by tabs); --time fixes the
// clock, and so the random seed. How the run ended goes to standard output,
// or to standard error when the picture or the log goes there, or to
// neither when both take one of them (standard error being no terminal),
// once the files took their names (a run that fails says only why). A name
// of a descriptor (/dev/stdout, /dev/fd/3) is that descriptor as it stands;
// one that was closed when the player started is not open, whatever holds
// its number meanwhile.
//
// Whatever the player cannot do (an option given twice or before the
// program's name, a clock that is no time of day, a folder that is not
// there or holds frames, a file it cannot write, one file given twice or
// under a frame's name, a frame's name taken during the run, a descriptor that is not open, too few
// file descriptors, a standard output that cannot take what it prints) it says in one line of
// printable ASCII on standard error and ends with a non-zero status: 2 for arguments refused before
// the run, 1 when something could not be read, written or drawn, or the system ran short (of file
// descriptors, of memory). The picture
// and the log go to temporary files beside them, made
// before the run (so a path that cannot be written is refused before it),
// that take their names together when the whole run was written, and count
// as written only when every path given (the picture's, the log's, the
// key file's, the frames' folder's), looked up afresh once every name is
// taken, still leads to the file the player named, read or wrote to: a run that
// fails, or a signal or a crash that ends it before then, leaves both files
// as they were and no temporary or frame behind (a signal that comes while
// they take their names ends the player once they did), and two players
// writing the same files at once leave the picture and the log of one of
// them.
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "descriptors.h"
#include "errors.h"
#include "file_ids.h"
#include "flushed.h"
#include "fonts.h"
#include "frame_folder.h"
#include "key_script.h"
#include "key_script_file.h"
#include "last_chance.h"
#include "memory_room.h"
#include "named_files.h"
#include "player_arguments.h"
#include "player_failures.h"
#include "programs.h"
#include "readable.h"
#include "scratch_files.h"
#include "standard_streams.h"
#include "whole_file.h"

namespace {

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
  if (int error = Flushed(stdout)) {
    Say("cannot write to standard output: %s", Why(error));
    return kNotWritten;
  }
  return 0;
}

// Whether writing the picture `out` or the log `log` writes where
// descriptor `fd` goes (/dev/stdout, the pipe or file it leads to).
bool WrittenTo(int fd, const std::string& out, const std::optional<std::string>& log) {
  const FileId target = IdOfDescriptor(fd);
  if (!target.known()) return false;
  auto there = [&target](const std::string& path) { return IdOfPath(path) == target; };
  return (out != "-" && there(out)) || (log && there(*log));
}

// The operation log, written line by line as the run goes, whole or not at
// all (see WholeFile).
class LogFile {
 public:
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

// The held files of the run, checked against each other and against the
// frames' folder `each` (open as `frame_folder`, when there is one): the
// line that refuses them, or "".
std::string HeldFilesRefused(const std::vector<NamedFile>& named, const WholeFile& picture,
                             const WholeFile& log, const ScriptFile& script, int frame_folder,
                             const std::string& each) {
  std::vector<HeldFile> held;
  for (const NamedFile& file : named) {
    HeldFile h;
    h.named = file;
    const std::string what = file.what;
    if (what == "keys") {
      h.file = script.regular_file();
    } else {
      const WholeFile& whole = what == "picture" ? picture : log;
      h.folder_fd = whole.folder_fd();
      h.name = whole.name();
      h.file = h.folder_fd >= 0 ? RegularFileAt(h.folder_fd, h.name)
                                : RegularFileOf(fileno(whole.stream()));
    }
    held.push_back(h);
  }
  if (std::string why = OneFileTwice(held); !why.empty()) return why;
  if (frame_folder < 0) return "";
  if (std::string why = FrameOverFile(frame_folder, each, held); !why.empty()) return why;
  return FrameAlreadyIn(frame_folder, each);
}

// Opens `file` to write the picture or the log (`what`) given as `path`: 0,
// or the status the player ends with, once it said why not.
int OpenWhole(WholeFile& file, const std::string& what, const std::string& path) {
  const int error = file.Open(path);
  if (error == 0) return 0;
  Say("%s",
      (file.folder_takes_no_file() ? CannotMakeBeside : CannotUse)(what, path, error).c_str());
  return StatusOf(error);
}

int Play(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--list") return List();
  PlayerArguments args;
  std::string wrong;
  switch (ReadPlayerArguments(argc, argv, args, wrong)) {
    case ArgumentsRead::kRun:
      break;
    case ArgumentsRead::kUsage:
      return Usage();
    case ArgumentsRead::kWrong:
      Say("%s", wrong.c_str());
      return kRefused;
  }
  const std::string& name = args.program;
  const std::string& keys = args.keys;
  const std::string& out = args.out;
  const std::optional<std::string>& each = args.each;
  const std::optional<std::string>& log_path = args.log;
  const std::string& clock = args.clock;
  // Too few descriptors would fail the run half-way, in the words of
  // whatever ran short.
  if (!DescriptorsForARun("player")) return kNotWritten;

  const ProgramDescription* program = FindProgram(name);
  if (!program) {
    Say("no program %s (%s)", Readable(name).c_str(), ProgramNames(", ", " or ").c_str());
    return kRefused;
  }
  // "@FILE"; an "@" alone or followed by a blank is the key "@".
  const bool from_file =
      keys.size() > 1 && keys[0] == '@' && !std::isspace(static_cast<unsigned char>(keys[1]));
  std::vector<NamedFile> named;
  if (out != "-") named.push_back({"picture", out});
  if (log_path) named.push_back({"log", *log_path});
  if (from_file) named.push_back({"keys", keys.substr(1)});
  if (std::string why = DescriptorNotOpen(named); !why.empty()) {
    Say("%s", why.c_str());
    return kRefused;
  }
  // The frames go to the folder checked here, through its descriptor.
  int frame_folder = -1;
  if (std::string why; each && (frame_folder = OpenFrameFolder(*each, why)) < 0) {
    Say("%s", why.c_str());
    return kRefused;
  }
  // A picture or a log sent to standard output or standard error holds
  // nothing else: how the run ended goes to the other one, or to neither,
  // and what a library prints on standard output (fontconfig's debugging
  // lines) goes nowhere. (A terminal that shows the picture or the log on
  // standard error shows the line after it.)
  const bool output_taken = WrittenTo(STDOUT_FILENO, out, log_path);
  const bool error_taken = WrittenTo(STDERR_FILENO, out, log_path) && !isatty(STDERR_FILENO);
  std::FILE* const ending_to = !output_taken ? stdout : !error_taken ? stderr : nullptr;
  if (int error = output_taken ? SetStandardOutputAside() : 0) {
    Say("cannot keep standard output for the picture or the log alone: %s", Why(error));
    return kNotWritten;
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
  WholeFile picture;
  if (out != "-") {
    if (int status = OpenWhole(picture, "picture", out)) return status;
  }
  LogFile log;
  if (log_path) {
    if (int status = OpenWhole(log.file(), "log", *log_path)) return status;
    backend.page().log_sink = [&log](const LoggedOp& op) { log.Write(op); };
  } else {
    // The log costs a text conversion per glyph: kept only when asked for.
    backend.page().logging = false;
  }

  // What the player holds now decides which files are one: the folders the
  // picture and the log take their names in, the key file read, the
  // frames' folder, whatever their paths lead to by now.
  if (std::string why = HeldFilesRefused(named, picture, log.file(), script_file, frame_folder,
                                         each.value_or(""));
      !why.empty()) {
    Say("%s", why.c_str());
    return kRefused;
  }

  backend.SetClock(clock);
  if (each) backend.SetFrameFolder(frame_folder, *each);
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
  // nor the log and leaves no frame: the first failure is said, and both
  // files are left as they were.
  bool failed = false;
  // Each argument is a name or a reason, shown as a terminal can show it.
  auto fail = [&failed](const char* format, const std::string& a, const std::string& b = "") {
    if (!failed) Say(format, Readable(a).c_str(), Readable(b).c_str());
    failed = true;
  };
  // The run read the keys that were checked, or it fails first of all.
  if (std::string why; from_file && script_file.Finish(why)) {
    Say("%s", why.c_str());
    failed = true;
  }
  if (std::string fault = backend.page().DrawingFault(); !fault.empty()) {
    fail("the page could not be drawn: %s", fault);
  }
  if (!backend.frame_not_written().empty()) {
    fail("cannot write %s: %s", backend.frame_not_written(), Why(backend.frame_error()));
  }
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
    // two always come from one run. In the same step, with no ending signal
    // between, the run says how it ended and its frames stay: a run whose
    // ending line is lost (a full disk, a closed descriptor) gives the
    // names back, and a signal that comes meanwhile ends the player only
    // once the files, the frames and the line are all the run's.
    // The key file is judged once more inside that step, as it stands
    // when the names are taken: a change made after the first look, while
    // the files were written or the folders' locks waited for, gives the
    // names back too; so does a frames' folder that its path no longer
    // leads to. With the picture's and the log's paths, checked once every
    // name is taken, this is the moment the run's files count as written.
    int ending_error = 0;
    std::string keys_changed;
    bool frames_moved = false;
    auto end_well = [&] {
      if (from_file && script_file.Finish(keys_changed)) return EIO;
      // The frames stay only in the folder their path leads to.
      if (each && !(IdOfPath(*each) == IdOfDescriptor(backend.frame_folder()))) {
        frames_moved = true;
        return ENOENT;
      }
      if (ending_to) {
        std::fprintf(ending_to, "%s\n", ending.c_str());
        if ((ending_error = Flushed(ending_to))) return ending_error;
      }
      backend.KeepFrames();
      return 0;
    };
    WholeFile* not_named = nullptr;
    if (int error = CommitTogether({&picture, &log.file()}, &not_named, true, end_well)) {
      if (!keys_changed.empty()) {
        Say("%s", keys_changed.c_str());
        failed = true;
      } else if (frames_moved) {
        fail("cannot keep the frames in %s: it was moved or replaced during the run", *each);
      } else if (ending_error) {
        fail("cannot write to %s: %s", ending_to == stderr ? "standard error" : "standard output",
             Why(ending_error));
      } else {
        fail("cannot write %s: %s", not_named == &picture ? out : *log_path, Why(error));
      }
    }
  }
  if (failed) {
    picture.Discard();
    log.file().Discard();
    backend.DiscardFrames();
  }
  return failed ? kNotWritten : 0;
}

}  // namespace

int main(int argc, char** argv) {
  HoldClosedStandardDescriptors();
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
