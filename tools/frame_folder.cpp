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

std::string FrameFolderRefusal(const std::string& dir) {
  const std::string refused =
      "--each " + Quoted(dir) + " is no folder the frames can be written to";
  const int folder = dir.empty() ? -1 : open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return refused + " (" + std::strerror(dir.empty() ? ENOENT : errno) + ")";
  if (const int error = CanMakeFiles(folder)) {
    close(folder);
    return refused + " (" + std::strerror(error) + ")";
  }
  DIR* entries = fdopendir(folder);
  if (!entries) {
    const int error = errno;
    close(folder);
    return refused + " (" + std::strerror(error) + ")";
  }
  const std::string within = dir.ends_with('/') ? dir : dir + "/";
  std::string why;
  while (const dirent* entry = why.empty() ? readdir(entries) : nullptr) {
    if (!IsFrameName(entry->d_name)) continue;
    why = "--each " + Quoted(dir) + " holds a frame already (" + Quoted(within + entry->d_name) +
          "): the frames of a run go to a folder that holds none";
  }
  closedir(entries);
  return why;
}
