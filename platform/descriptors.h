// The file descriptors a run needs. A library that finds no descriptor free
// often fails in words of its own, or not at all (fontconfig loads half its
// configuration and draws in other faces; FreeType's font that cannot be
// opened is said as memory that ran out): a program checks before it starts
// that enough are free, and says so in its own words when they are not.
#pragma once

#include <string>

// The descriptors a run needs free at its start, beyond those open then.
// At most about half of them are ever open at once: fontconfig's
// configuration files, read one inside another, then the picture and the log
// with their folders, the key file, a frame with its folder and its folder's
// lock, and a font file while FreeType maps it (the window: the connections
// to its display); the rest is room to spare.
inline constexpr int kDescriptorsForARun = 16;

// Whether kDescriptorsForARun descriptors are free below this process's
// limit on open files (ulimit -n); when they are not, says so on standard
// error in one line headed by `who` ("who: too many open files (ulimit -n
// 6): a run needs 16 file descriptors free").
bool DescriptorsForARun(const std::string& who);
