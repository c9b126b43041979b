// The folder --each writes the frames to, checked before the run: the
// frames it holds afterwards are this run's, all of them.
#pragma once

#include <string>

// Opens `dir` for the frames of a run and checks it: its descriptor, which
// the frames are then written through (so they go to the folder checked,
// whatever becomes of its name), or -1 and in `why` why the frames of a run
// cannot go there: it is no folder, or none this run may read (mode 0300:
// its names cannot be looked through), this run cannot make files in it
// (tried, as the picture's temporary file is made: permissions, a filesystem
// that takes no files such as /proc), or it holds a file, a link or a folder
// named as a frame (see FrameName), which would stand among this run's
// frames as if it were one of them.
int OpenFrameFolder(const std::string& dir, std::string& why);
