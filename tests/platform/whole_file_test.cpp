// A file written whole or not at all: what it replaces, and what it keeps.
#include "whole_file.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "temporary_file.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir_template[] = "/tmp/whole-file-XXXXXX";
    dir_ = mkdtemp(dir_template);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Writes `text` to `path` through a WholeFile, committed or discarded.
  void Write(const std::string& path, const std::string& text, bool commit) {
    WholeFile file;
    ASSERT_EQ(file.Open(path), 0);
    std::fputs(text.c_str(), file.stream());
    ASSERT_EQ(file.Finish(), 0);
    if (commit) {
      EXPECT_EQ(file.Commit(), 0);
    }
  }

  std::string dir_;
};

// Until it is committed the file keeps its content; committed, it has the
// new one, with the permissions it had; nothing else is left beside it.
TEST_F(WholeFileTest, ReplacesTheFileOnlyWhenCommitted) {
  const std::string path = dir_ + "/out.txt";
  std::ofstream(path) << "old";
  chmod(path.c_str(), 0640);
  Write(path, "new", /*commit=*/false);
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.txt"});
  Write(path, "new", /*commit=*/true);
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.txt"});
}

// A symbolic link stays a link: the file it leads to takes the content.
TEST_F(WholeFileTest, WritesThroughASymbolicLink) {
  const std::string target = dir_ + "/target.txt", link = dir_ + "/link.txt";
  std::ofstream(target) << "old";
  fs::create_symlink(target, link);
  Write(link, "new", /*commit=*/true);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_EQ(Listing(dir_), (std::set<std::string>{"link.txt", "target.txt"}));
}

// What cannot be written is refused when it is opened, with the reason.
TEST_F(WholeFileTest, RefusesWhatCannotBeWritten) {
  struct Case {
    const char* what;
    std::string path;
    int error;
  };
  const Case cases[] = {
      {"an empty name", "", ENOENT},
      {"a folder", dir_, EISDIR},
      {"a missing folder", dir_ + "/missing/out.txt", ENOENT},
      {"beneath a file", "/dev/null/out.txt", ENOTDIR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WholeFile file;
    EXPECT_EQ(file.Open(c.path), c.error);
    EXPECT_EQ(file.stream(), nullptr);
  }
  EXPECT_TRUE(Listing(dir_).empty());
}

// A device is written directly; there is nothing to replace.
TEST_F(WholeFileTest, WritesADeviceDirectly) {
  WholeFile file;
  ASSERT_EQ(file.Open("/dev/null"), 0);
  EXPECT_TRUE(file.direct());
  EXPECT_EQ(file.Finish(), 0);
  EXPECT_EQ(file.Commit(), 0);
}

// A deleted file reached through another process's descriptor has, as the
// system shows it, the name "NAME (deleted)": that name, another file's, is
// never replaced. A descriptor of this process is written through as it
// stands, whatever its file.
TEST_F(WholeFileTest, ADeletedFilesShownNameIsNeverReplaced) {
  const std::string decoy = dir_ + "/out (deleted)", out = dir_ + "/out";
  std::ofstream(decoy) << "another file";
  const int fd = open(out.c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  unlink(out.c_str());
  std::fflush(nullptr);
  const pid_t holder = fork();
  if (holder == 0) {
    pause();
    _exit(0);
  }
  WholeFile file;
  EXPECT_EQ(file.Open("/proc/" + std::to_string(holder) + "/fd/" + std::to_string(fd)), ENOENT);
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  ASSERT_EQ(file.Open("/dev/fd/" + std::to_string(fd)), 0);
  EXPECT_TRUE(file.direct());
  std::fputs("new", file.stream());
  EXPECT_EQ(file.Finish(), 0);
  EXPECT_EQ(file.Commit(), 0);
  char got[8] = {};
  EXPECT_EQ(pread(fd, got, sizeof got, 0), 3);
  EXPECT_STREQ(got, "new");
  close(fd);
  EXPECT_EQ(ReadFile(decoy), "another file");
  EXPECT_EQ(Listing(dir_), std::set<std::string>{"out (deleted)"});
}

// Another program replacing the file again and again (another player
// taking its turn) never makes it look like a deleted file's shown name:
// each open while it does so succeeds, and replaces it when committed.
TEST_F(WholeFileTest, AFileReplacedMeanwhileByAnotherProgramIsStillReplaced) {
  const std::string out = dir_ + "/out";
  std::ofstream(out) << "first";
  std::atomic<bool> stop{false};
  std::atomic<int> replaced{0};
  std::thread other([&] {
    const std::string next = dir_ + "/next";
    while (!stop) {
      std::ofstream(next) << "other";
      if (rename(next.c_str(), out.c_str()) == 0) ++replaced;
    }
  });
  int opens = 0, failures = 0, last_error = 0;
  // At least 2000 opens and 2000 replacements beside them; a replacer that
  // cannot rename ends the loop at the cap and fails the test.
  while ((opens < 2000 || replaced < 2000) && opens < 1000000) {
    WholeFile file;
    if (const int error = file.Open(out)) {
      ++failures;
      last_error = error;
    }
    ++opens;
  }
  stop = true;
  other.join();
  ASSERT_GE(replaced, 2000) << "the other program could not replace the file";
  EXPECT_EQ(failures, 0) << "of " << opens << " opens; the last: " << std::strerror(last_error);
  Write(out, "mine", /*commit=*/true);
  EXPECT_EQ(ReadFile(out), "mine");
  EXPECT_EQ(Listing(dir_), std::set<std::string>{"out"});
}

// Files committed together take their names all or none: when one cannot
// (its folder removed meanwhile), the others give theirs back, the files
// they replaced keep their bytes, and no temporary is left; whether the
// filesystem exchanges two names or the old file is moved aside first.
TEST_F(WholeFileTest, FilesCommittedTogetherTakeTheirNamesAllOrNone) {
  const std::string one = dir_ + "/one.txt", sub = dir_ + "/sub", two = sub + "/two.txt";
  for (bool exchange : {true, false}) {
    for (bool old_one : {true, false}) {
      SCOPED_TRACE(std::string(exchange ? "exchanged" : "moved aside") +
                   (old_one ? ", over an old file" : ", a new file"));
      fs::remove_all(sub);
      fs::remove(one);
      fs::create_directory(sub);
      if (old_one) std::ofstream(one) << "old one";
      std::ofstream(two) << "old two";
      auto open_both = [&](WholeFile& first, WholeFile& second) {
        ASSERT_EQ(first.Open(one), 0);
        ASSERT_EQ(second.Open(two), 0);
        std::fputs("new one", first.stream());
        std::fputs("new two", second.stream());
        ASSERT_EQ(first.Finish(), 0);
        ASSERT_EQ(second.Finish(), 0);
      };
      {
        WholeFile first, second;
        open_both(first, second);
        fs::remove_all(sub);
        WholeFile* failed = nullptr;
        EXPECT_EQ(CommitTogether({&first, &second}, &failed, exchange), ENOENT);
        EXPECT_EQ(failed, &second);
        EXPECT_EQ(Listing(dir_),
                  old_one ? std::set<std::string>{"one.txt"} : std::set<std::string>{});
        if (old_one) {
          EXPECT_EQ(ReadFile(one), "old one");
        }
      }
      fs::create_directory(sub);
      std::ofstream(two) << "old two";
      WholeFile first, second;
      open_both(first, second);
      EXPECT_EQ(CommitTogether({&first, &second}, nullptr, exchange), 0);
      EXPECT_EQ(ReadFile(one), "new one");
      EXPECT_EQ(ReadFile(two), "new two");
      EXPECT_EQ(Listing(dir_), (std::set<std::string>{"one.txt", "sub"}));
      EXPECT_EQ(Listing(sub), std::set<std::string>{"two.txt"});
    }
  }
}

// A step that fails gives a name back only while the name holds the new
// file: a file that another program put there meanwhile (one that takes no
// lock) keeps it, and the old file stays beside it, under another name,
// with its bytes; the new file goes.
TEST_F(WholeFileTest, ANameAnotherProgramTookInTheStepIsLeftToIt) {
  const std::string one = dir_ + "/one.txt", theirs = dir_ + "/theirs";
  for (bool exchange : {true, false}) {
    SCOPED_TRACE(exchange ? "exchanged" : "moved aside");
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    std::ofstream(one) << "old one";
    WholeFile file;
    ASSERT_EQ(file.Open(one), 0);
    std::fputs("new one", file.stream());
    ASSERT_EQ(file.Finish(), 0);
    const int status = CommitTogether({&file}, nullptr, exchange, [&] {
      std::ofstream(theirs) << "their one";
      fs::rename(theirs, one);
      return EIO;
    });
    EXPECT_EQ(status, EIO);
    file.Discard();
    std::multiset<std::string> contents;
    for (const std::string& name : Listing(dir_)) contents.insert(ReadFile(dir_ + "/" + name));
    EXPECT_EQ(ReadFile(one), "their one");
    EXPECT_EQ(contents, (std::multiset<std::string>{"old one", "their one"}));
  }
}

// A temporary's name: the file's name, the program's and its process
// number, six characters; the file's name cut short, between characters,
// where the whole would pass the folder's limit.
TEST(TemporaryName, SaysWhoseItIsWithinTheFoldersLimit) {
  const std::string owner =
      std::string(".") + program_invocation_short_name + "-" + std::to_string(getpid()) + "-abcdef";
  const std::string long_name(255, 'n');
  std::string kana;  // "あ" 85 times: 255 bytes of UTF-8
  for (int i = 0; i < 85; ++i) kana += "\xe3\x81\x82";
  struct Case {
    const char* what;
    std::string beside;
    long name_max;
    std::string expected;
  };
  const size_t room = 255 - owner.size();
  const Case cases[] = {
      {"a short name", "out.png", 255, "out.png" + owner},
      {"a name of 255 bytes", long_name, 255, long_name.substr(0, room) + owner},
      {"a name of 255 bytes of kana", kana, 255, kana.substr(0, room / 3 * 3) + owner},
      {"a folder that takes 14 bytes", "out.png", 14, owner},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TemporaryName(c.beside, "abcdef", c.name_max), c.expected);
  }
}

}  // namespace
