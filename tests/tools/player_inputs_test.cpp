// The player's inputs and outputs as the shell hands them over: frames that
// would take the name of another file, key scripts from pipes, FIFOs and
// endless devices, names with line ends, dangling links, and a picture or a
// log sent down a pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "frame_names.h"
#include "headless.h"
#include "key_script.h"
#include "player_command.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// The files every case starts from: a key script under a frame's name in
// the frame folder, an old picture, an old log and a key file.
constexpr const char* kStart =
    "mkdir fr && printf '1 Enter\\n' > fr/0002.png && printf 'old picture' > out.png && "
    "printf 'old log\\n' > out.log && printf '7 Enter\\n' > keys.txt";

// Redirections made last for a case whose command of `before` waits in the
// background on the FIFO `fifo` (the other end of the player's): once the
// player ended, that command is let through, should the player never have
// opened the FIFO, and waited for, so that it leaves nothing behind and
// has made its change before the files are looked at. The player's status
// stays the command's.
std::string ThenTheFifoLetGo(const std::string& fifo) {
  return "; status=$?; : <>" + fifo + "; wait; exit $status";
}

// Runs the player in a mount namespace of its own, where the folder "b" is
// the folder "a" mounted a second time (a bind mount).
constexpr const char* kInMountOfAOnB = "unshare -m sh -c 'mount --bind a b && exec \"$0\" \"$@\"' ";

// Whether the player can run in a mount namespace of its own: as root, where
// the system lets it make one.
bool MayMount() {
  return geteuid() == 0 && std::system("unshare -m true >/dev/null 2>&1") == 0;
}

class PlayerInputs : public PlayerCommand {
 protected:
  struct Case {
    const char* what;
    std::string setup;   // shell commands in the case's folder, before the files are noted
    std::string before;  // shell commands before the player: a pipe into it, limits
    std::vector<std::string> args;
    std::string input = "/dev/null";  // standard input; "/dev/stdin": the pipe of `before`
    std::string after = "";           // redirections made last: " 3<&-", " >/dev/full"
  };

  // The case's folder made afresh from kStart and the case's setup, its
  // files as they are then, and the player run there.
  Outcome Run(const Case& c, std::map<std::string, std::string>& tree_before) {
    fs::remove_all(folder());
    fs::create_directory(folder());
    const std::string setup =
        "cd " + ShellQuoted(folder()) + " && " + kStart + (c.setup.empty() ? "" : " && " + c.setup);
    EXPECT_EQ(std::system(setup.c_str()), 0) << setup;
    tree_before = Tree(folder());
    // ";", not "&&": a command of `before` sent to the background stays
    // there alone.
    return Player(c.args, c.input, "cd " + ShellQuoted(folder()) + "; " + c.before, c.after);
  }
  std::string folder() const { return dir_ + "/w"; }
  // Why the player cannot be run as another user here (that needs root, and
  // setpriv), or "" when it can: the test's folder then lets others through
  // to the case's folder.
  std::string NoOtherUsers() {
    if (geteuid() != 0) return "files of other users and runs as them need root";
    if (std::system("command -v setpriv >/dev/null") != 0) {
      return "no setpriv to run the player as another user";
    }
    return chmod(dir_.c_str(), 0755) == 0 ? "" : "the test's folder cannot be opened to others";
  }
};

// Whatever the player refuses, it refuses in one line of printable ASCII
// (a line end in a name written as \x0a) with status 2 before the run, or 1
// when the copy of its keys could not be written or standard output could
// not take what it printed (said where standard error is open); nothing is
// made, nothing replaced, nothing left behind. A name of a descriptor that
// is not open (or not open that way) is refused before the player opens a
// file of its own, which would take its number. A few cases run as another
// user, or with a folder mounted twice, where the test can have that.
TEST_F(PlayerInputs, RefusesInOneLineAndLeavesEveryFileAsItWas) {
  struct Refusal {
    Case run;
    int status;
    std::string says;  // the line, after "player: "; "": none (standard error closed)
  };
  // A folder of user 4002 that it may write in but not read, and runs as
  // that user.
  constexpr const char* kWriteOnlyFolder = "mkdir d && chown 4002 d && chmod 0300 d";
  constexpr const char* kAsItsOwner = "setpriv --reuid=4002 --regid=4002 --clear-groups ";
  const std::string nuls = [] {
    std::string s;
    for (size_t i = 0; i < kTokenShown; ++i) s += "\\x00";
    return s;
  }();
  const std::string most = "hold more than 16777216 bytes";
  const Refusal cases[] = {
      {{"a frame over the key file", "", "", {"almeno", "@fr/0002.png", "-", "--each", "fr"}},
       2,
       "a frame of --each \"fr\" would replace the keys \"fr/0002.png\""},
      {{"a frame over a new log",
        "",
        "",
        {"almeno", "1 Enter 2 Enter", "-", "--each", "fr", "--log", "fr/0001.png"}},
       2,
       "a frame of --each \"fr\" would replace the log \"fr/0001.png\""},
      {{"a frame over an old picture",
        "printf 'old frame' > fr/0001.png",
        "",
        {"almeno", "1 Enter", "fr/0001.png", "--each", "fr"}},
       2,
       "a frame of --each \"fr\" would replace the picture \"fr/0001.png\""},
      {{"a frame numbered past 9999, spelt otherwise",
        "",
        "",
        {"almeno", "1 Enter", "./fr/../fr/12345.png", "--each", "fr/"}},
       2,
       "a frame of --each \"fr/\" would replace the picture \"./fr/../fr/12345.png\""},
      {{"a frame's name in the folder linked to the key file",
        "ln -s ../keys.txt fr/0007.png",
        "",
        {"almeno", "@keys.txt", "-", "--each", "fr"}},
       2,
       "a frame of --each \"fr\" would replace the keys \"keys.txt\""},
      {{"a hard link of the log under a frame's name",
        "ln out.log fr/0004.png",
        "",
        {"almeno", "1 Enter", "-", "--log", "out.log", "--each", "fr"}},
       2,
       "a frame of --each \"fr\" would replace the log \"out.log\""},
      {{"a picture linked to a frame's name, dangling",
        "ln -s fr/0003.png pic.png",
        "",
        {"almeno", "1 Enter", "pic.png", "--each", "fr"}},
       2,
       "a frame of --each \"fr\" would replace the picture \"pic.png\""},
      {{"keys on standard input from a frame's file",
        "",
        "",
        {"almeno", "@-", "-", "--each", "fr"},
        "fr/0002.png"},
       2,
       "a frame of --each \"fr\" would replace the keys from standard input"},
      {{"a frame folder that holds an earlier run's frames",
        "mkdir old && printf 'old frame' > old/0301.png",
        "",
        {"almeno", "1 Enter", "pic.png", "--each", "old"}},
       2,
       "--each \"old\" holds a frame already (\"old/0301.png\"): the frames of a run go to a "
       "folder that holds none"},
      {{"a frame folder in which no file can be made",
        "",
        "",
        {"almeno", "1 Enter", "pic.png", "--each", "/proc"}},
       2,
       "--each \"/proc\" is no folder the frames can be written to (No such file or directory)"},
      // A file that may be written, or a new one, in a folder that takes no
      // new file: the temporary it would be written to cannot be made.
      {{"a file there, in a folder that takes no new file",
        "",
        "",
        {"almeno", "1 Enter", "/proc/version"}},
       2,
       "cannot write \"/proc/version\": its folder cannot take a new file (No such file or "
       "directory)"},
      {{"a new log, in a folder that takes no new file",
        "",
        "",
        {"almeno", "1 Enter", "-", "--log", "/proc/new.log"}},
       2,
       "cannot write the log \"/proc/new.log\": its folder cannot take a new file (No such file "
       "or directory)"},
      {{"an endless device of NUL bytes", "", "", {"almeno", "@/dev/zero", "-"}},
       2,
       "unknown key in script: " + nuls + " (cut at 40 bytes)"},
      {{"a token longer than 40 bytes", "", "", {"almeno", "1 " + std::string(41, 'A'), "-"}},
       2,
       "unknown key in script: " + std::string(40, 'A') + " (cut at 40 bytes)"},
      {{"a token of 40 bytes", "", "", {"almeno", "1 " + std::string(40, 'B'), "-"}},
       2,
       "unknown key in script: " + std::string(40, 'B')},
      {{"endless keys from a pipe", "", "yes Enter | ", {"almeno", "@-", "-"}, "/dev/stdin"},
       2,
       "the keys from standard input " + most},
      {{"endless keys from a FIFO",
        "mkfifo keys.fifo",
        "sh -c 'yes Enter > keys.fifo' & ",
        {"almeno", "@keys.fifo", "-"},
        "/dev/null",
        ThenTheFifoLetGo("keys.fifo")},
       2,
       "the keys \"keys.fifo\" " + most},
      {{"a key file one byte past the limit",
        "head -c 16777217 /dev/zero | tr '\\0' ' ' > big.keys",
        "",
        {"almeno", "@big.keys", "-"}},
       2,
       "the keys \"big.keys\" " + most},
      {{"keys from a pipe beyond the file-size limit",
        "yes Left | head -n 9600 > many.keys",
        "ulimit -f 20; cat many.keys | ",
        {"almeno", "@-", "-"},
        "/dev/stdin"},
       1,
       "cannot keep the keys from standard input aside: File too large"},
      {{"a name with a line end", "", "", {"almeno", "1 Enter", "new\nfolder/x.png"}},
       2,
       "cannot write \"new\\x0afolder/x.png\": No such file or directory"},
      {{"one name with a line end twice",
        "",
        "",
        {"almeno", "1 Enter", "a\nb.png", "--log", "./a\nb.png"}},
       2,
       "the picture \"a\\x0ab.png\" and the log \"./a\\x0ab.png\" are one file"},
      {{"a dangling link into a missing folder",
        "ln -s missing/x.png dl.png",
        "",
        {"almeno", "1 Enter", "dl.png"}},
       2,
       "cannot write \"dl.png\": No such file or directory"},
      {{"a dangling link to the log",
        "ln -s new.log dl.png",
        "",
        {"almeno", "1 Enter", "dl.png", "--log", "new.log"}},
       2,
       "the picture \"dl.png\" and the log \"new.log\" are one file"},
      {{"one new file through a bind mount of its folder",
        "mkdir a b",
        kInMountOfAOnB,
        {"almeno", "1 Enter", "a/x.png", "--log", "b/x.png"}},
       2,
       "the picture \"a/x.png\" and the log \"b/x.png\" are one file"},
      // A folder its user may write in but not read (mode 0300) can take no
      // lock, which needs the folder open for reading: two players writing
      // there could leave the picture of one run and the log of the other.
      {{"a new picture in a folder its user may not read",
        kWriteOnlyFolder,
        kAsItsOwner,
        {"almeno", "1 Enter", "d/out.png"}},
       2,
       "cannot write \"d/out.png\": Permission denied"},
      {{"a log that is there, in a folder its user may not read",
        std::string(kWriteOnlyFolder) + " && printf 'old log' > d/out.log && chown 4002 d/out.log",
        kAsItsOwner,
        {"almeno", "1 Enter", "-", "--log", "d/out.log"}},
       2,
       "cannot write the log \"d/out.log\": Permission denied"},
      {{"the log on descriptor 3, not open, keys from a file",
        "",
        "",
        {"almeno", "@keys.txt", "-", "--log", "/dev/fd/3"},
        "/dev/null",
        " 3<&-"},
       2,
       "cannot write the log \"/dev/fd/3\": Bad file descriptor"},
      {{"the picture on descriptor 3, not open, keys from a file",
        "",
        "",
        {"almeno", "@keys.txt", "/dev/fd/3"},
        "/dev/null",
        " 3<&-"},
       2,
       "cannot write \"/dev/fd/3\": Bad file descriptor"},
      {{"the picture on standard output, closed",
        "",
        "",
        {"almeno", "@keys.txt", "/dev/stdout", "--log", "out.log"},
        "/dev/null",
        " >&-"},
       2,
       "cannot write \"/dev/stdout\": Bad file descriptor"},
      {{"the log on standard output, closed",
        "",
        "",
        {"almeno", "@keys.txt", "out.png", "--log", "/dev/stdout"},
        "/dev/null",
        " >&-"},
       2,
       "cannot write the log \"/dev/stdout\": Bad file descriptor"},
      {{"the picture on standard output, open for reading only",
        "",
        "",
        {"almeno", "1 Enter", "/dev/stdout"},
        "/dev/null",
        " 1<out.png"},
       2,
       "cannot write \"/dev/stdout\": Bad file descriptor"},
      {{"keys from standard input, closed",
        "",
        "",
        {"almeno", "@-", "out.png"},
        "/dev/null",
        " <&-"},
       2,
       "cannot read the keys from standard input: Bad file descriptor"},
      {{"keys from descriptor 3, not open",
        "",
        "",
        {"almeno", "@/dev/fd/3", "out.png"},
        "/dev/null",
        " 3<&-"},
       2,
       "cannot read the keys \"/dev/fd/3\": Bad file descriptor"},
      // A standard descriptor that was closed is not open, whatever holds
      // its number meanwhile.
      {{"the picture on standard input, closed",
        "",
        "",
        {"almeno", "1 Enter", "/dev/stdin"},
        "/dev/null",
        " <&-"},
       2,
       "cannot write \"/dev/stdin\": Bad file descriptor"},
      {{"the log on descriptor 0, closed",
        "",
        "",
        {"almeno", "1 Enter", "out.png", "--log", "/dev/fd/0"},
        "/dev/null",
        " <&-"},
       2,
       "cannot write the log \"/dev/fd/0\": Bad file descriptor"},
      {{"keys from standard output, closed",
        "",
        "",
        {"almeno", "@/dev/stdout", "out.png"},
        "/dev/null",
        " >&-"},
       2,
       "cannot read the keys \"/dev/stdout\": Bad file descriptor"},
      {{"keys from standard error, closed",
        "",
        "",
        {"almeno", "@/dev/stderr", "out.png", "--log", "out.log"},
        "/dev/null",
        " 2>&-"},
       2,
       ""},
      {{"the list to a full standard output", "", "", {"--list"}, "/dev/null", " >/dev/full"},
       1,
       "cannot write to standard output: No space left on device"},
      {{"the list to a closed standard output", "", "", {"--list"}, "/dev/null", " >&-"},
       1,
       "cannot write to standard output: Bad file descriptor"},
      {{"how the run ended to a full standard output",
        "",
        "",
        {"almeno", "1 Enter", "out.png", "--log", "out.log"},
        "/dev/null",
        " >/dev/full"},
       1,
       "cannot write to standard output: No space left on device"},
      {{"how the run ended to a closed standard output",
        "",
        "",
        {"almeno", "@keys.txt", "out.png", "--log", "out.log"},
        "/dev/null",
        " >&-"},
       1,
       "cannot write to standard output: Bad file descriptor"},
      {{"how the run ended to a closed standard output, standard error closed",
        "",
        "",
        {"almeno", "1 Enter", "out.png", "--log", "out.log"},
        "/dev/null",
        " >&- 2>&-"},
       1,
       ""},
  };
  const bool may_mount = MayMount();
  if (!may_mount) std::printf("no mount namespace to be had here: no bind mount tried\n");
  const std::string no_other_users = NoOtherUsers();
  if (!no_other_users.empty()) std::printf("%s: no run as another user\n", no_other_users.c_str());
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.run.what);
    if (c.run.after.find("/dev/full") != std::string::npos && !Exists("/dev/full")) continue;
    if (c.run.before == kInMountOfAOnB && !may_mount) continue;
    if (c.run.before == kAsItsOwner && !no_other_users.empty()) continue;
    std::map<std::string, std::string> before;
    const Outcome run = Run(c.run, before);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.says.empty() ? "" : "player: " + c.says + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Tree(folder()), before) << "a file was made, replaced or left behind";
  }
}

// Key scripts within the limit run from a pipe, a FIFO or a file of
// exactly the most bytes, and from standard input where it stands (a file
// of which a line was read first runs from its second line, as a filter
// reads it, and one read past its end holds no keys); a key file of /proc
// or /sys runs although the size the system shows is not what it holds; a
// dangling link as the picture makes the file it leads to and stays a link;
// a name with a line end is a name like any other; a name that no frame
// takes is no frame's.
TEST_F(PlayerInputs, InputsWithinTheirLimitsRun) {
  struct Taken {
    Case run;
    std::string ending;  // what the player prints
    std::string png;     // a file the run writes, "" for none
  };
  const std::string ended = "program ended (status 0)\n";
  std::vector<Taken> cases = {
      {{"keys from a pipe", "", "printf '7 Enter' | ", {"almeno", "@-", "-"}, "/dev/stdin"},
       ended,
       ""},
      {{"keys from a FIFO",
        "mkfifo keys.fifo",
        "printf '7 Enter' > keys.fifo & ",
        {"almeno", "@keys.fifo", "-"}},
       ended,
       ""},
      {{"keys from standard input, a file of which a line was read",
        "printf '1 Enter\\n7 Enter\\n' > two.keys",
        "exec 3<two.keys; read -r line <&3; ",
        {"almeno", "@-", "-"},
        "/dev/null",
        " <&3"},
       ended,
       ""},
      {{"a key file of exactly the most bytes",
        "{ printf '7 Enter'; head -c 16777209 /dev/zero | tr '\\0' ' '; } > big.keys",
        "",
        {"almeno", "@big.keys", "-"}},
       ended,
       ""},
      {{"a dangling link as the picture",
        "ln -s made.png dl.png",
        "",
        {"almeno", "7 Enter", "dl.png"}},
       ended,
       "made.png"},
      {{"a name with a line end", "", "", {"almeno", "7 Enter", "a\nb.png"}}, ended, "a\nb.png"},
      {{"frame-like names no frame takes",
        "rm fr/0002.png",
        "",
        {"almeno", "1 Enter", "fr/01234.png", "--log", "fr/0000.png", "--each", "fr"}},
       "script used up\n",
       "fr/01234.png"},
      // A file whose size the system does not report as what it reads, and a
      // file read from past its end, are judged by what they give.
      {{"keys from a file of /proc, of no size",
        "",
        "",
        {"almeno", "@/proc/sys/kernel/randomize_va_space", "out.png"}},
       "script used up\n",
       "out.png"},
      {{"keys from standard input standing past its file's end",
        "",
        "exec 3<keys.txt; dd bs=1 skip=100 count=0 <&3 2>/dev/null; ",
        {"almeno", "@-", "out.png"},
        "/dev/null",
        " <&3"},
       "script used up\n",
       "out.png"},
  };
  // A file of /sys reports the size of a page, whatever it holds: one that
  // holds a key (a digit or a letter) where the system has one.
  for (const char* file : {"/sys/kernel/kexec_loaded", "/sys/kernel/profiling",
                           "/sys/module/kernel/parameters/crash_kexec_post_notifiers", ""}) {
    if (!*file) std::printf("no file of /sys that holds a key: none read\n");
    if (!*file || access(file, R_OK) != 0) continue;
    cases.push_back({{"keys from a file of /sys, of a page's size",
                      "",
                      "",
                      {"almeno", "@" + std::string(file), "out.png"}},
                     "script used up\n",
                     "out.png"});
    break;
  }
  for (const Taken& c : cases) {
    SCOPED_TRACE(c.run.what);
    std::map<std::string, std::string> before;
    const Outcome run = Run(c.run, before);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.ending);
    if (!c.png.empty()) {
      EXPECT_EQ(ReadFile(folder() + "/" + c.png).rfind("\x89PNG", 0), 0u);
    }
    if (fs::exists(fs::symlink_status(folder() + "/dl.png"))) {
      EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder() + "/dl.png")));
    }
  }
}

// A picture or a log that is replaced keeps its mode, and its owner and
// group where the user of the run may give them (root may give any, a user
// only itself and its groups), else at least its group when the user
// belongs to it; a set-user bit stays only with its owner, a set-group bit
// only with its group and where the user is root or belongs to that group
// (the system takes it from anyone else, even where the new file has the
// group from a set-group folder). Files of other users, and runs as them, need root; the users and
// groups are numbers no account need have.
TEST_F(PlayerInputs, AReplacedFileKeepsItsOwnerAndModeWhereTheUserMayGiveThem) {
  if (const std::string why = NoOtherUsers(); !why.empty()) GTEST_SKIP() << why;
  const std::string member = "setpriv --reuid=4002 --regid=4002 --groups=4242 ";
  const std::string stranger = "setpriv --reuid=4003 --regid=4003 --clear-groups ";
  // A folder of group 4242 that its members may write, and the old picture
  // and log of user 4001 in that group.
  const std::string shared = "chgrp 4242 . && chmod 0775 . && chown 4001:4242 out.png out.log && ";
  const std::string open_to_all = "chmod 0777 . && chown 4001:4242 out.png && ";
  struct Kept {
    Case run;
    std::string file;  // the file replaced
    uid_t owner;
    gid_t group;
    mode_t mode;
  };
  const std::vector<std::string> picture = {"almeno", "1 Enter", "out.png"};
  const Kept cases[] = {
      {{"run by another member of the group", shared + "chmod 0660 out.png", member, picture},
       "out.png",
       4002,
       4242,
       0660},
      {{"run by root", shared + "chmod 0660 out.png", "", picture}, "out.png", 4001, 4242, 0660},
      {{"the log, run by another member of the group",
        shared + "chmod 0664 out.log",
        member,
        {"almeno", "1 Enter", "-", "--log", "out.log"}},
       "out.log",
       4002,
       4242,
       0664},
      {{"a set-user picture, run by another member of the group", shared + "chmod 04770 out.png",
        member, picture},
       "out.png",
       4002,
       4242,
       0770},
      {{"a set-group picture, run by root", shared + "chmod 02660 out.png", "", picture},
       "out.png",
       4001,
       4242,
       02660},
      {{"a set-group picture, run by one outside the group", open_to_all + "chmod 02666 out.png",
        stranger, picture},
       "out.png",
       4003,
       4003,
       0666},
      // A write by any user but root clears a set-user bit, and a set-group
      // bit where the group may run the file, whatever the mode was before.
      {{"a set-user picture, run by its owner",
        shared + "chown 4002 out.png && chmod 04755 out.png", member, picture},
       "out.png",
       4002,
       4242,
       04755},
      {{"a set-user picture in a group its owner is not in, run by its owner",
        "chmod 0777 . && chown 4003:0 out.png && chmod 04755 out.png", stranger, picture},
       "out.png",
       4003,
       4003,
       04755},
      {{"a set-user, set-group picture in a set-group folder of a group its owner is not in, "
        "run by its owner",
        "chown 0:0 . && chmod 02777 . && chown 4003:0 out.png && chmod 06777 out.png", stranger,
        picture},
       "out.png",
       4003,
       0,
       04777},
      {{"a set-group log the group may run, run by another member of it",
        shared + "chmod 02775 out.log",
        member,
        {"almeno", "1 Enter", "-", "--log", "out.log"}},
       "out.log",
       4002,
       4242,
       02775},
  };
  for (const Kept& c : cases) {
    SCOPED_TRACE(c.run.what);
    std::map<std::string, std::string> before;
    const Outcome run = Run(c.run, before);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "script used up\n");
    const std::string path = folder() + "/" + c.file;
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, c.owner);
    EXPECT_EQ(st.st_gid, c.group);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << std::oct << (st.st_mode & 07777);
    EXPECT_NE(ReadFile(path), before[c.file]) << "not replaced";
    std::map<std::string, std::string> after = Tree(folder());
    after.erase(c.file), before.erase(c.file);
    EXPECT_EQ(after, before) << "another file was made, replaced or left behind";
  }
  // A folder its user may write but not go through takes no frame: refused
  // before the run, as the picture is.
  std::map<std::string, std::string> before;
  const Outcome run = Run({"a frame folder of mode 0200",
                           "mkdir wo && chown 4002 wo && chmod 0200 wo",
                           member,
                           {"almeno", "1 Enter", "out.png", "--each", "wo"}},
                          before);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "player: --each \"wo\" is no folder the frames can be written to (Permission "
            "denied)\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(Tree(folder()), before);
}

// Sent to standard output or standard error (a pipe, or a file the stream
// goes to), the picture and the log hold nothing but themselves: how the
// run ended goes to the other stream, or to neither when both take one of
// them, and what a library prints on standard output (fontconfig's
// debugging lines) reaches neither.
TEST_F(PlayerInputs, APictureOrLogOnAStandardStreamHoldsItAlone) {
  const std::string w = dir_ + "/w";
  fs::create_directory(w);
  ASSERT_EQ(Player({"almeno", "1 Enter", w + "/ref.png", "--log", w + "/ref.log"}).status, 0);
  struct Sent {
    const char* what;
    std::string args;  // after the program and its keys, with the streams' redirections
    std::map<std::string, std::string> got;  // a file the streams went to, and its reference
    std::string ending;                      // the file that takes the ending line; "": none
    std::string environment = "";
  };
  const Sent cases[] = {
      {"the picture down a pipe", "/dev/stdout 2>err | cat > got", {{"got", "ref.png"}}, "err"},
      {"the picture to the file of standard output",
       "/dev/stdout 2>err > got",
       {{"got", "ref.png"}},
       "err"},
      {"the log down a pipe", "- --log /dev/stdout 2>err | cat > got", {{"got", "ref.log"}}, "err"},
      {"the picture to standard output, the log to standard error",
       "/dev/stdout --log /dev/stderr > got 2> got.log",
       {{"got", "ref.png"}, {"got.log", "ref.log"}},
       ""},
      {"the log to standard output, the picture to standard error",
       "/dev/stderr --log /dev/stdout > got.log 2> got",
       {{"got", "ref.png"}, {"got.log", "ref.log"}},
       ""},
      {"the picture down a pipe that takes standard error too",
       "/dev/stdout 2>&1 | cat > got",
       {{"got", "ref.png"}},
       ""},
      {"the picture down a pipe, fontconfig debugging",
       "/dev/stdout 2>err | cat > got",
       {{"got", "ref.png"}},
       "err",
       "FC_DEBUG=1 "},
      {"the log down a pipe, fontconfig debugging",
       "- --log /dev/stdout 2>err | cat > got",
       {{"got", "ref.log"}},
       "err",
       "FC_DEBUG=1 "},
  };
  for (const Sent& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string command = "cd " + ShellQuoted(w) + " && " + c.environment + PLAYER_PATH +
                                " almeno '1 Enter' " + c.args;
    EXPECT_EQ(std::system(command.c_str()), 0);
    for (const auto& [got, reference] : c.got) {
      EXPECT_TRUE(ReadFile(w + "/" + got) == ReadFile(w + "/" + reference))
          << got << " holds " << ReadFile(w + "/" + got).size() << " bytes, not those of "
          << reference;
    }
    if (!c.ending.empty()) {
      EXPECT_EQ(ReadFile(w + "/" + c.ending), "script used up\n");
    }
  }
}

// How a descriptor is handed to the player.
enum class Handed { kSocket, kDeletedFile, kFileToAppendTo };

// The player run on `args` with descriptor `fd` handed over as `how`
// (standard output, when it is not `fd`, to `dir`/out; standard error to
// `dir`/err): its status, and what reached the descriptor's file.
struct HandedRun {
  int status = -1;
  std::string got;
};
HandedRun RunHanded(const std::string& dir, const std::vector<std::string>& args, int fd,
                    Handed how) {
  int ends[2] = {-1, -1};
  if (how == Handed::kSocket) {
    EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
  } else if (how == Handed::kDeletedFile) {
    ends[0] = open((dir + "/out").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    unlink((dir + "/out").c_str());
  } else {
    std::ofstream(dir + "/appended") << "a line before\n";
    ends[0] = open((dir + "/appended").c_str(), O_WRONLY | O_APPEND);
  }
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const int in = open("/dev/null", O_RDONLY),
              out = open((dir + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644),
              err = open((dir + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    dup2(ends[0], fd);
    if (ends[0] != fd) close(ends[0]);
    if (ends[1] >= 0 && ends[1] != fd) close(ends[1]);
    ExecPlayer(args);
  }
  HandedRun run;
  if (how == Handed::kSocket) {
    // Read as the player writes: the other end closes when it ends.
    close(ends[0]);
    char buffer[65536];
    for (ssize_t n; (n = read(ends[1], buffer, sizeof buffer)) > 0;) run.got.append(buffer, n);
    close(ends[1]);
  }
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (how == Handed::kDeletedFile) {
    char buffer[65536];
    for (ssize_t n; (n = pread(ends[0], buffer, sizeof buffer, run.got.size())) > 0;) {
      run.got.append(buffer, n);
    }
    close(ends[0]);
  } else if (how == Handed::kFileToAppendTo) {
    close(ends[0]);
    run.got = ReadFile(dir + "/appended");
  }
  return run;
}

// A picture or a log named by a descriptor (/dev/stdout, /dev/fd/N) is
// written through that descriptor as it stands: a socket (which cannot be
// opened by name), a file deleted meanwhile (whose name as the system shows
// it, "out (deleted)", is another file's, which stays as it was), a file
// opened for appending (what it held stays before the picture).
TEST_F(PlayerInputs, ADescriptorsNameIsWrittenThroughTheDescriptorAsItStands) {
  const std::string w = folder();
  fs::create_directory(w);
  ASSERT_EQ(Player({"almeno", "1 Enter", w + "/ref.png", "--log", w + "/ref.log"}).status, 0);
  const std::string picture = ReadFile(w + "/ref.png"), log = ReadFile(w + "/ref.log");
  std::ofstream(w + "/out (deleted)") << "another file\n";
  struct Written {
    const char* what;
    std::string name;
    bool is_log;
    int fd;
    Handed how;
  };
  const Written cases[] = {
      {"the picture to standard output, a socket", "/dev/stdout", false, 1, Handed::kSocket},
      {"the picture to descriptor 1, a socket", "/dev/fd/1", false, 1, Handed::kSocket},
      {"the log to standard output, a socket", "/dev/stdout", true, 1, Handed::kSocket},
      {"the log to descriptor 3, a socket", "/dev/fd/3", true, 3, Handed::kSocket},
      {"the picture to standard output, a deleted file", "/dev/stdout", false, 1,
       Handed::kDeletedFile},
      {"the log to descriptor 3, a deleted file", "/dev/fd/3", true, 3, Handed::kDeletedFile},
      {"the picture to standard output, a file to append to", "/dev/stdout", false, 1,
       Handed::kFileToAppendTo},
  };
  for (const Written& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"almeno", "1 Enter", c.is_log ? "-" : c.name};
    if (c.is_log) args.insert(args.end(), {"--log", c.name});
    const HandedRun run = RunHanded(w, args, c.fd, c.how);
    EXPECT_EQ(run.status, 0);
    const std::string written = c.is_log ? log : picture;
    EXPECT_TRUE(run.got == (c.how == Handed::kFileToAppendTo ? "a line before\n" : "") + written)
        << run.got.size() << " bytes instead of " << written.size();
    // How the run ended goes where the picture or the log does not.
    EXPECT_EQ(ReadFile(w + (c.fd == 1 ? "/err" : "/out")), "script used up\n");
    EXPECT_EQ(ReadFile(w + (c.fd == 1 ? "/out" : "/err")), "");
    EXPECT_EQ(ReadFile(w + "/out (deleted)"), "another file\n");
  }
}

// A key script that changes while the run reads it (cut short, changed in
// place, grown) or that cannot be read fails the run: status 1, one line
// that says why, and the picture and the log as they were. The run is held
// where it stands by its log, sent to a FIFO that is read no faster than
// the test wants: each key of the script logs a few lines, and the script
// is changed once a part of the log was read, long before the run could
// have read the whole script. A short script, read whole when it was
// checked, is changed when the run no longer needs to read it: each of its
// keys draws a whole page, and the change is seen at the end. A read error
// is injected into the run's reading of the script where strace can do it.
TEST_F(PlayerInputs, AKeyScriptThatChangesOrCannotBeReadDuringTheRunFailsIt) {
  // 20,000 keys "1 Backspace\n", 12 bytes each: a digit typed into the
  // menu's field and taken back, 150 bytes of log.
  const std::string keys = "yes '1 Backspace' | head -n 20000 > keys.txt";
  // 150 rounds of "1 Enter 7 Enter\n", 2,400 bytes: a topic entered and an
  // item of its submenu, some 4,500 bytes of log a round.
  const std::string short_keys = "yes '1 Enter 7 Enter' | head -n 150 > keys.txt";
  auto changed_once_under_way = [](const std::string& change) {
    return "sh -c '{ head -c 200000 >/dev/null; " + change + "; cat >/dev/null; } <log.fifo' & ";
  };
  const std::vector<std::string> logged_to_fifo = {"almeno", "@keys.txt", "out.png", "--log",
                                                   "log.fifo"};
  struct Changed {
    Case run;
    std::string says;  // the line on standard error, after "player: "
  };
  std::vector<Changed> cases = {
      {{"a key file cut short", keys + " && mkfifo log.fifo",
        changed_once_under_way(": > keys.txt"), logged_to_fifo},
       "the keys \"keys.txt\" changed during the run"},
      {{"a key file changed in place to keys that end the program", keys + " && mkfifo log.fifo",
        changed_once_under_way(
            "printf \"7 Enter    \\n\" | dd of=keys.txt bs=12 seek=15000 conv=notrunc 2>/dev/null"),
        logged_to_fifo},
       "the keys \"keys.txt\" changed during the run"},
      {{"a key file that grows", keys + " && mkfifo log.fifo",
        changed_once_under_way("echo Left >> keys.txt"), logged_to_fifo},
       "the keys \"keys.txt\" changed during the run"},
      {{"a short key file cut short", short_keys + " && mkfifo log.fifo",
        changed_once_under_way("truncate -s 500 keys.txt"), logged_to_fifo},
       "the keys \"keys.txt\" changed during the run"},
      {{"a short key file changed in place", short_keys + " && mkfifo log.fifo",
        changed_once_under_way(
            "printf \"Left \" | dd of=keys.txt bs=1 seek=400 conv=notrunc 2>/dev/null"),
        logged_to_fifo},
       "the keys \"keys.txt\" changed during the run"},
      {{"keys from standard input, a file cut short",
        keys + " && mkfifo log.fifo",
        changed_once_under_way(": > keys.txt"),
        {"almeno", "@-", "out.png", "--log", "log.fifo"},
        "keys.txt"},
       "the keys from standard input changed during the run"},
  };
  for (Changed& c : cases) c.run.after = ThenTheFifoLetGo("log.fifo");
  if (std::system("strace -o /dev/null true >/dev/null 2>&1") == 0) {
    // The script is read through a buffer of the folder's block size: once
    // whole to check it (and once more to meet its end), then as the run
    // goes; the second read of the run fails. (The leak checker of the
    // checked build cannot work under a tracer.)
    fs::create_directories(folder());
    struct stat st;
    ASSERT_EQ(stat(folder().c_str(), &st), 0);
    const long reads_to_check = (240000 + st.st_blksize - 1) / st.st_blksize + 1;
    const std::string strace = "ASAN_OPTIONS=detect_leaks=0 strace -qq -o /dev/null ";
    const std::string reads_of_keys = "-P \"$PWD/keys.txt\" -e trace=read ";
    const std::string fail_one = "-e inject=read:error=EIO:when=";
    cases.push_back({{"a read error during the run",
                      keys,
                      strace + reads_of_keys + fail_one + std::to_string(reads_to_check + 2) + " ",
                      {"almeno", "@keys.txt", "out.png", "--log", "out.log"}},
                     "cannot read the keys \"keys.txt\": Input/output error"});
    // Cut short once the run is written, while the files take their names:
    // strace stops the player as the picture takes its name (the first
    // rename in the folder) and says so in its trace, beside the case's
    // folder; the file is then cut short (the wait for that line bounded
    // at a minute, as every wait here) and the player let go on.
    const std::string trace = "../trace";
    const std::string cut_while_stopped =
        "sh -c 'for i in $(seq 600); do grep -q \"stopped by SIGSTOP\" " + trace +
        " 2>/dev/null && break; sleep 0.1; done; truncate -s 500 keys.txt; "
        "for p in $(pgrep -x player); do "
        "[ \"$(readlink /proc/$p/cwd)\" = \"$PWD\" ] && kill -CONT $p; done' & ";
    Case stopped_in_commit = {
        "a short key file cut short as the files take their names",
        short_keys,
        cut_while_stopped + strace + "-o " + trace +
            " -P \"$PWD\" -e trace=renameat2 -e inject=renameat2:signal=SIGSTOP:when=1 ",
        {"almeno", "@keys.txt", "out.png", "--log", "out.log"}};
    stopped_in_commit.after = "; status=$?; wait; exit $status";
    cases.push_back({stopped_in_commit, "the keys \"keys.txt\" changed during the run"});
  } else {
    std::printf("strace cannot run here: no read error injected\n");
  }
  for (const Changed& c : cases) {
    SCOPED_TRACE(c.run.what);
    std::map<std::string, std::string> before;
    const Outcome run = Run(c.run, before);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "player: " + c.says + "\n");
    EXPECT_EQ(run.out, "") << "how the run ended, printed for a run that failed";
    // Every file as it was, but for the change made to the key file.
    before["keys.txt"] = ReadFile(folder() + "/keys.txt");
    EXPECT_EQ(Tree(folder()), before) << "a file was made, replaced or left behind";
  }
}

// The check against frames knows the names HeadlessBackend gives them.
TEST(FrameNames, IsFrameNameTakesEveryFrameNameAndNoOther) {
  for (unsigned long long n : {1ULL, 2ULL, 9999ULL, 10000ULL, 123456ULL, ULLONG_MAX}) {
    SCOPED_TRACE(n);
    EXPECT_TRUE(IsFrameName(FrameName(n))) << FrameName(n);
  }
  EXPECT_EQ(FrameName(7), "0007.png");
  EXPECT_EQ(FrameName(12345), "12345.png");
  for (const char* name : {"0000.png", "01234.png", "123.png", "0001.PNG", "0001.png.1", "12a4.png",
                           ".png", "0001png", "x0001.png"}) {
    EXPECT_FALSE(IsFrameName(name)) << name;
  }
}

}  // namespace
