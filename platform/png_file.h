// Writing a page image as a PNG file.
#pragma once

#include <string>

// Writes `height` rows of `width` 32-bit 0x00RRGGBB pixels, `stride` bytes
// apart, as an 8-bit RGB PNG. Favours speed over size (a low compression
// level). False when the file cannot be written.
bool WritePng(const std::string& path, const unsigned char* data, int stride, int width,
              int height);
