// Bytes as they can be shown on a terminal in one line.
#pragma once

#include <string>

// Printable ASCII as it is, a backslash doubled, any other byte (a NUL, a
// line end, a control character, a byte of a binary file or of another
// encoding) as \xHH.
std::string Readable(const std::string& bytes);
