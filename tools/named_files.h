// The files named on the player's command line, checked against each other
// once the player holds them (the folders the picture and the log take
// their names in, the key file it reads, the frames' folder), so that what
// a path led to before they were opened decides nothing: no file may replace
// another or the keys being read, and no frame of --each may take the name
// of one of them.
#pragma once

#include <string>
#include <vector>

#include "file_ids.h"

// A file named on the command line, and what the player does with it.
struct NamedFile {
  const char* what;  // "picture", "log", "keys"
  std::string path;  // as given; "-" for keys from standard input
};

// A file named on the command line as the player holds it, once open.
struct HeldFile {
  NamedFile named{"", ""};
  // A file written whole: the folder it takes its name in, open as
  // `folder_fd`, and the name there; else -1 and "".
  int folder_fd = -1;
  std::string name;
  // The regular file it is now, where there is one: the file the keys are
  // read from, a file written directly (through a descriptor), or the file
  // that stands under `name`. Not known for anything else: a device or a
  // pipe may take both.
  FileId file;
};

// The file `name` of the folder open as `folder_fd` (not followed when it is
// a symbolic link), when it is a regular file; else not known.
FileId RegularFileAt(int folder_fd, const std::string& name);
// The file open as `fd`, when it is a regular file; else not known.
FileId RegularFileOf(int fd);

// A file whose name stands for a descriptor (/dev/stdout, /dev/fd/3; the
// keys from standard input are /dev/stdin) that is not open for what the
// player does with it: "cannot write "/dev/fd/3": Bad file descriptor", or
// "" when there is none. Checked before the player opens a file of its
// own, which would otherwise take the number of a descriptor that is not
// open, and so the name.
std::string DescriptorNotOpen(const std::vector<NamedFile>& files);

// Two of the held files that are one, where that loses data (one replaced
// by the other, or the keys replaced while they are read): "" when none
// are. Two files written whole are one when they take one name in one
// folder (device and inode of the folder held, so x.png, ./x.png,
// dir/../x.png, a link to it and the name through another mount of the
// folder alike); any two are one when they are one regular file (a hard
// link of it too).
std::string OneFileTwice(const std::vector<HeldFile>& files);

// A held file whose name a frame of --each `dir` (open as `frames_fd`) could
// take: "" when none, else the line that names it. A frame takes a name of
// FrameName in that folder, however many frames the run writes, so a file
// is at risk when it takes such a name there, or is the file that such a
// name in the folder holds or leads to.
std::string FrameOverFile(int frames_fd, const std::string& dir,
                          const std::vector<HeldFile>& files);
