// Names that stand for one of the process's descriptors, however they are
// spelt, and names that do not.
#include "descriptor_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(NamedDescriptor, IsTheDescriptorANameStandsFor) {
  char dir_template[] = "/tmp/descriptor-names-XXXXXX";
  const std::string dir = mkdtemp(dir_template);
  fs::create_symlink("/dev/stderr", dir + "/to-stderr");
  fs::create_symlink("to-stderr", dir + "/to-link");
  fs::create_symlink("/dev/fd/7", dir + "/to-fd-7");
  fs::create_symlink("loop-b", dir + "/loop-a");
  fs::create_symlink("loop-a", dir + "/loop-b");
  const std::string pid = std::to_string(getpid());
  struct Case {
    std::string name;
    int fd;
  };
  const Case cases[] = {
      {"/dev/stdin", 0},
      {"/dev/stdout", 1},
      {"/dev/stderr", 2},
      {"/dev/fd/3", 3},
      {"/dev/fd/12345", 12345},
      {"/proc/self/fd/4", 4},
      {"/proc/" + pid + "/fd/5", 5},
      {"/proc/thread-self/fd/6", 6},
      {"/proc/self/task/" + pid + "/fd/6", 6},
      {dir + "/to-stderr", 2},
      {dir + "/to-link", 2},
      // A descriptor that is not open is named all the same.
      {dir + "/to-fd-7", 7},
      {"/dev/fd/../fd/8", 8},
      // The system knows no descriptor by these names.
      {"/dev/fd/03", -1},
      {"/dev/fd/x", -1},
      {"/dev/fd", -1},
      {"/dev/null", -1},
      {"/proc/1/fd/1", getpid() == 1 ? 1 : -1},
      {dir + "/out.png", -1},
      {dir + "/loop-a", -1},
      {"out.png", -1},
      {"", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamedDescriptor(c.name), c.fd) << c.name;
  }
  fs::remove_all(dir);
}

}  // namespace
