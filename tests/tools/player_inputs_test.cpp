// The player's inputs and outputs as the shell hands them over: frames that
// would take the name of another file, key scripts from pipes, FIFOs and
// endless devices, names with line ends, dangling links, and a picture or a
// log sent down a pipe.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "headless.h"
#include "player_command.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// Every file, folder, link and FIFO below `dir`: a link as where it leads,
// a FIFO as what it is (reading one would wait for a writer).
std::map<std::string, std::string> Tree(const std::string& dir) {
  std::map<std::string, std::string> tree;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
    const std::string name = fs::relative(entry.path(), dir);
    const fs::file_status status = entry.symlink_status();
    if (fs::is_symlink(status)) {
      tree[name] = "link to " + fs::read_symlink(entry.path()).string();
    } else if (fs::is_fifo(status)) {
      tree[name] = "fifo";
    } else if (fs::is_directory(status)) {
      tree[name] = "folder";
    } else {
      tree[name] = ReadFile(entry.path());
    }
  }
  return tree;
}

// The files every case starts from: a key script under a frame's name in
// the frame folder, an old picture, an old log and a key file.
constexpr const char* kStart =
    "mkdir fr && printf '1 Enter\\n' > fr/0002.png && printf 'old picture' > out.png && "
    "printf 'old log\\n' > out.log && printf '7 Enter\\n' > keys.txt";

class PlayerInputs : public PlayerCommand {
 protected:
  struct Case {
    const char* what;
    std::string setup;   // shell commands in the case's folder, before the files are noted
    std::string before;  // shell commands before the player: a pipe into it, limits
    std::vector<std::string> args;
    std::string input = "/dev/null";  // standard input; "/dev/stdin": the pipe of `before`
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
    return Player(c.args, c.input, "cd " + ShellQuoted(folder()) + "; " + c.before);
  }
  std::string folder() const { return dir_ + "/w"; }
};

// Whatever the player refuses, it refuses in one line of printable ASCII
// (a line end in a name written as \x0a) with status 2 before the run, or 1
// when the copy of its keys could not be written; nothing is made, nothing
// replaced, nothing left behind.
TEST_F(PlayerInputs, RefusesInOneLineAndLeavesEveryFileAsItWas) {
  struct Refusal {
    Case run;
    int status;
    std::string says;  // the line, after "player: "
  };
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
       "a frame of --each \"fr\" would replace the keys \"/dev/stdin\""},
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
        "timeout 60 sh -c 'yes Enter > keys.fifo' & ",
        {"almeno", "@keys.fifo", "-"}},
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
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.run.what);
    std::map<std::string, std::string> before;
    const Outcome run = Run(c.run, before);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, "player: " + c.says + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Tree(folder()), before) << "a file was made, replaced or left behind";
  }
}

// Key scripts within the limit run from a pipe, a FIFO or a file of
// exactly the most bytes; a dangling link as the picture makes the file it
// leads to and stays a link; a name with a line end is a name like any
// other; a name that no frame takes is no frame's.
TEST_F(PlayerInputs, InputsWithinTheirLimitsRun) {
  struct Taken {
    Case run;
    std::string ending;  // what the player prints
    std::string png;     // a file the run writes, "" for none
  };
  const std::string ended = "program ended (status 0)\n";
  const Taken cases[] = {
      {{"keys from a pipe", "", "printf '7 Enter' | ", {"almeno", "@-", "-"}, "/dev/stdin"},
       ended,
       ""},
      {{"keys from a FIFO",
        "mkfifo keys.fifo",
        "printf '7 Enter' > keys.fifo & ",
        {"almeno", "@keys.fifo", "-"}},
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
        "",
        "",
        {"almeno", "1 Enter", "fr/01234.png", "--log", "fr/0000.png", "--each", "fr"}},
       "script used up\n",
       "fr/01234.png"},
  };
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

// Sent to standard output (a pipe, or a file standard output goes to), the
// picture and the log hold nothing but themselves: how the run ended goes
// to standard error.
TEST_F(PlayerInputs, APictureOrLogOnStandardOutputHoldsItAlone) {
  const std::string w = dir_ + "/w";
  fs::create_directory(w);
  ASSERT_EQ(Player({"almeno", "1 Enter", w + "/ref.png", "--log", w + "/ref.log"}).status, 0);
  struct Sent {
    const char* what;
    std::string args;  // after the program and its keys
    std::string to;    // how standard output leaves the player
    std::string reference;
  };
  const Sent cases[] = {
      {"the picture down a pipe", "/dev/stdout", "| cat > got", "ref.png"},
      {"the picture to the file of standard output", "/dev/stdout", "> got", "ref.png"},
      {"the log down a pipe", "- --log /dev/stdout", "| cat > got", "ref.log"},
  };
  for (const Sent& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string command = "cd " + ShellQuoted(w) + " && " + PLAYER_PATH +
                                " almeno '1 Enter' " + c.args + " 2>err " + c.to;
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(w + "/got"), ReadFile(w + "/" + c.reference));
    EXPECT_EQ(ReadFile(w + "/err"), "script used up\n");
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
