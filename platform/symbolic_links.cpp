#include "symbolic_links.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string FollowLinks(const std::string& path,
                        const std::function<bool(const std::string&)>& stop) {
  std::string at = path;
  // As many links as the system follows in one path.
  for (int links = 0; links < 40; ++links) {
    if (stop && stop(at)) return at;
    struct stat st;
    if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    std::string to(PATH_MAX, '\0');
    const ssize_t size = readlink(at.c_str(), to.data(), to.size());
    if (size <= 0) return at;
    to.resize(size);
    // A relative link leads from the folder it is in.
    const size_t slash = at.rfind('/');
    at = to[0] == '/' || slash == std::string::npos ? to : at.substr(0, slash + 1) + to;
  }
  errno = ELOOP;
  return "";
}
