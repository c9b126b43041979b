#include "named_files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "descriptor_names.h"
#include "frame_names.h"
#include "player_failures.h"
#include "symbolic_links.h"

namespace {

// A file as the player compares them: by device and inode when it is there
// (a hard link or a symbolic link is the file it leads to), else by the
// device and inode of its folder and its name there (a dangling link, those
// of the file it would make), so that x.png, ./x.png, dir/../x.png and the
// name through another mount of the folder (a bind mount) are alike; by its
// path made absolute and plain when its folder is not there either.
struct FileIdentity {
  bool there = false;
  bool regular = false;
  // Of the file when it is there, else of its folder.
  dev_t device = 0;
  ino_t inode = 0;
  // Its name in that folder, or its path when the folder is not there.
  std::string name;
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
  std::string target = FollowLinks(path);
  if (target.empty()) target = path;
  const std::filesystem::path file(target);
  const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
  if (file.has_filename() && stat(folder.c_str(), &st) == 0) {
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.name = file.filename();
    return id;
  }
  std::error_code error;
  id.name = std::filesystem::weakly_canonical(std::filesystem::absolute(target, error), error);
  if (error) id.name = path;
  return id;
}

// Whether two files are one where that loses data: one replaced by the
// other, or the keys replaced while they are read. A device or a pipe may
// take both, as it takes whatever is written to it.
bool OneFile(const FileIdentity& a, const FileIdentity& b) {
  const bool same = a.there == b.there && a.device == b.device && a.inode == b.inode &&
                    (a.there || a.name == b.name);
  return same && (!a.there || a.regular);
}

}  // namespace

std::string DescriptorNotOpen(const std::vector<NamedFile>& files) {
  for (const NamedFile& file : files) {
    const int fd = NamedDescriptor(file.path);
    const int error =
        fd < 0 ? 0 : DescriptorOpenFor(fd, /*write=*/std::string(file.what) != "keys");
    if (error) return CannotUse(file.what, file.path, error);
  }
  return "";
}

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
