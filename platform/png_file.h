// Writing a page image as a PNG file.
#pragma once

#include <string>

// Writes `height` rows of `width` 32-bit 0x00RRGGBB pixels, `stride` bytes
// apart, as an 8-bit RGB PNG. Favours speed over size (a low compression
// level). A file is written to a temporary file beside `path` that then
// replaces it, so a failed write leaves `path` as it was; a device (a path
// that is there and no regular file) is written directly. libpng prints
// nothing. False when the picture cannot be written.
bool WritePng(const std::string& path, const unsigned char* data, int stride, int width,
              int height);
