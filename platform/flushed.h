// Whether what a stream was given all reached its file.
#pragma once

#include <cstdio>

// Writes out what `stream` holds: 0, or the error number of the first
// write that failed (EIO when the stream kept none).
int Flushed(std::FILE* stream);
