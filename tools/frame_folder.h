// The folder --each writes the frames to, checked before the run: the
// frames it holds afterwards are this run's, all of them.
#pragma once

#include <functional>
#include <string>

// Opens `dir` for the frames of a run and checks it: its descriptor, which
// the frames are then written through (so they go to the folder checked,
// whatever becomes of its name), or -1 and in `why` why the frames of a run
// cannot go there: it is no folder, or none this run may read (mode 0300:
// its names cannot be looked through), or this run cannot make files in it
// (tried, as the picture's temporary file is made: permissions, a
// filesystem that takes no files such as /proc).
int OpenFrameFolder(const std::string& dir, std::string& why);

// Whether the frames' folder `dir`, open as `folder`, holds a file, a link
// or a folder named as a frame (see FrameName), which would stand among
// this run's frames as if it were one of them: the line that says so, or
// "" when it holds none (or its names cannot be read: then the line says
// why).
std::string FrameAlreadyIn(int folder, const std::string& dir);

// Reads the names in the folder open as `folder` that are named as a frame,
// handing each to `found` until it returns true: 0, or the error number of
// a folder whose names cannot be read.
int FindFrameNames(int folder, const std::function<bool(const char* name)>& found);
