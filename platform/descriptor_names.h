// Names that stand for one of this process's open descriptors: /dev/stdin,
// /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N and any symbolic
// link that leads to one of them. Opening such a name opens anew the file
// the descriptor has (from its first byte, and not at all for a socket),
// and the name the system shows for it is no path to trust (a deleted file
// shows as "NAME (deleted)", which may be another file's name): a program
// that is handed one reads or writes the descriptor itself, as it stands.
#pragma once

#include <cstdio>
#include <string>

// The descriptor `path` names, followed through symbolic links as far as a
// descriptor's own entry; -1 when it names none. A name of standard output
// set aside is the descriptor that keeps it (see standard_streams.h).
int NamedDescriptor(const std::string& path);

// Whether descriptor `fd` is open to be written (`write`) or read: 0, or
// EBADF (as reading or writing it would say) when it is not open, or not
// open that way; a standard descriptor held closed is not open.
int DescriptorOpenFor(int fd, bool write);

// A stream of a copy of descriptor `fd`, for writing (`write`) or reading:
// the copy shares the descriptor's place in its file and goes with the
// stream, the descriptor itself staying as it was handed over. nullptr
// with `*error` set when it is not open that way (EBADF, as
// DescriptorOpenFor says) or cannot be copied.
std::FILE* DescriptorStream(int fd, bool write, int* error);
