#include "named_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "descriptor_names.h"
#include "frame_folder.h"
#include "frame_names.h"
#include "player_failures.h"

namespace {

// How the lines name a file: the picture "x.png", the log "x.log", the
// keys "k" or the keys from standard input, as given on the command line.
std::string Described(const NamedFile& file) {
  const std::string named = Named(file.what, file.path);
  return std::string(file.what) == "picture" ? "the picture " + named : named;
}

bool SameName(const HeldFile& a, const HeldFile& b) {
  return a.folder_fd >= 0 && b.folder_fd >= 0 && a.name == b.name &&
         IdOfDescriptor(a.folder_fd) == IdOfDescriptor(b.folder_fd);
}

bool SameFile(const HeldFile& a, const HeldFile& b) {
  return a.file.known() && a.file == b.file;
}

}  // namespace

FileId RegularFileAt(int folder_fd, const std::string& name) {
  struct stat st;
  if (fstatat(folder_fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return {};
  return S_ISREG(st.st_mode) ? IdOf(st) : FileId{};
}

FileId RegularFileOf(int fd) {
  struct stat st;
  if (fstat(fd, &st) != 0) return {};
  return S_ISREG(st.st_mode) ? IdOf(st) : FileId{};
}

std::string DescriptorNotOpen(const std::vector<NamedFile>& files) {
  for (const NamedFile& file : files) {
    const std::string path = file.path == "-" ? "/dev/stdin" : file.path;
    const int fd = NamedDescriptor(path);
    const int error =
        fd < 0 ? 0 : DescriptorOpenFor(fd, /*write=*/std::string(file.what) != "keys");
    if (error) return CannotUse(file.what, file.path, error);
  }
  return "";
}

std::string OneFileTwice(const std::vector<HeldFile>& files) {
  for (size_t i = 0; i < files.size(); ++i) {
    for (size_t j = i + 1; j < files.size(); ++j) {
      if (!SameName(files[i], files[j]) && !SameFile(files[i], files[j])) continue;
      return Described(files[i].named) + " and " + Described(files[j].named) + " are one file";
    }
  }
  return "";
}

std::string FrameOverFile(int frames_fd, const std::string& dir,
                          const std::vector<HeldFile>& files) {
  auto refused = [&dir](const HeldFile& file) {
    return "a frame of --each " + Quoted(dir) + " would replace " + Described(file.named);
  };
  // The names the files take, in the frames' folder.
  const FileId frames = IdOfDescriptor(frames_fd);
  for (const HeldFile& file : files) {
    if (file.folder_fd >= 0 && IsFrameName(file.name) && IdOfDescriptor(file.folder_fd) == frames) {
      return refused(file);
    }
  }
  // The files the frames' names in the folder hold or lead to.
  std::string why;
  FindFrameNames(frames_fd, [&](const char* name) {
    struct stat st;
    if (fstatat(frames_fd, name, &st, 0) != 0) return false;
    for (const HeldFile& file : files) {
      if (file.file.known() && file.file == IdOf(st)) why = refused(file);
    }
    return !why.empty();
  });
  return why;
}
