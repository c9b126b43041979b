// The files named on the player's command line, checked against each other
// before the run: no file may replace another or the keys being read, and
// no frame of --each may take the name of one of them.
#pragma once

#include <string>
#include <vector>

// A file named on the command line, and what the player does with it.
struct NamedFile {
  const char* what;  // "picture", "log", "keys"
  std::string path;
};

// A file whose name stands for a descriptor (/dev/stdout, /dev/fd/3; the
// keys from standard input are /dev/stdin) that is not open for what the
// player does with it: "cannot write "/dev/fd/3": Bad file descriptor", or
// "" when there is none. Checked before the player opens a file of its
// own, which would otherwise take the number of a descriptor that is not
// open, and so the name.
std::string DescriptorNotOpen(const std::vector<NamedFile>& files);

// Two of the files that are one, where that loses data (one replaced by the
// other, or the keys replaced while they are read): "" when none are. A
// file is compared by device and inode when it is there (a hard link or a
// symbolic link is the file it leads to), else by those of its folder and
// its name there (x.png, ./x.png, dir/../x.png and x.png through another
// mount of the folder alike; a dangling link, the file it would make). A
// device or a pipe may take both.
std::string OneFileTwice(const std::vector<NamedFile>& files);

// A file whose name a frame of --each `dir` could take: "" when none, else
// the line that names it. A frame takes a name of FrameName in `dir`,
// however many frames the run writes, so a file is at risk when it is one
// file with such a name, whether that is there (a file, a link, a hard
// link) or not yet.
std::string FrameOverFile(const std::string& dir, const std::vector<NamedFile>& files);
