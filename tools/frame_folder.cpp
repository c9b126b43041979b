#include "frame_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "frame_names.h"
#include "player_failures.h"
#include "scratch_files.h"
#include "temporary_file.h"

namespace {

// 0 when a file can be made in the folder open as `folder`, else why not.
int CanMakeFiles(int folder) {
  // A file without a name leaves nothing, whatever ends the player.
  const int unnamed = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (unnamed >= 0) {
    close(unnamed);
    return 0;
  }
  if (errno != EOPNOTSUPP && errno != EISDIR) return errno;
  // A filesystem without such files: a temporary file of a frame's name.
  std::string name;
  const int named = MakeTemporaryFile(folder, FrameName(1), &name);
  if (named < 0) return errno;
  close(named);
  unlinkat(folder, name.c_str(), 0);
  DropScratchFile(folder, name.c_str());
  return 0;
}

}  // namespace

int OpenFrameFolder(const std::string& dir, std::string& why) {
  const int folder = dir.empty() ? -1 : open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const int error = folder < 0 ? (dir.empty() ? ENOENT : errno) : CanMakeFiles(folder);
  if (error == 0) return folder;
  if (folder >= 0) close(folder);
  why = "--each " + Quoted(dir) + " is no folder the frames can be written to (" +
        std::strerror(error) + ")";
  return -1;
}

int FindFrameNames(int folder, const std::function<bool(const char* name)>& found) {
  // The names are read through a descriptor of their own, which goes with
  // the reading.
  const int listed = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* entries = listed < 0 ? nullptr : fdopendir(listed);
  if (!entries) {
    const int error = errno;
    if (listed >= 0) close(listed);
    return error;
  }
  bool done = false;
  while (const dirent* entry = done ? nullptr : readdir(entries)) {
    done = IsFrameName(entry->d_name) && found(entry->d_name);
  }
  closedir(entries);
  return 0;
}

std::string FrameAlreadyIn(int folder, const std::string& dir) {
  const std::string within = dir.ends_with('/') ? dir : dir + "/";
  std::string why;
  const int error = FindFrameNames(folder, [&](const char* name) {
    why = "--each " + Quoted(dir) + " holds a frame already (" + Quoted(within + name) +
          "): the frames of a run go to a folder that holds none";
    return true;
  });
  if (error) {
    return "--each " + Quoted(dir) + " is no folder the frames can be written to (" +
           std::strerror(error) + ")";
  }
  return why;
}
