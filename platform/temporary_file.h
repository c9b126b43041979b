// The temporary file a whole file is written to, beside the file it will
// replace. Its name says whose it is: the name of the file it stands for,
// the program that made it and that program's process number, and six
// characters that make it new,
//
//   out.png.player-4242-k3J9xQ
//
// so that one left behind by a program that was killed (SIGKILL cannot be
// caught) is known for what it is, and can be removed. The name keeps
// within the folder's limit on names (a name of 255 bytes has a temporary
// too): the part from the file's name is cut as far as needed.
#pragma once

#include <string>

// The temporary's name beside the file named `beside`, for a folder that
// takes names of up to `name_max` bytes; `unique` is the six characters at
// its end. `beside` is cut short only between characters (UTF-8).
std::string TemporaryName(const std::string& beside, const std::string& unique, long name_max);

// Makes a new empty temporary file (readable and writable by its owner
// alone) beside the file `beside` of the folder open as `folder_fd`, and
// notes it as a scratch file (see scratch_files.h) before an ending signal
// may come: its descriptor, and its name in `name`; or -1 and errno.
int MakeTemporaryFile(int folder_fd, const std::string& beside, std::string* name);
