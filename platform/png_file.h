// Writing a page image as a PNG file.
#pragma once

#include <cstdio>
#include <string>

// Writes `height` rows of `width` 32-bit 0x00RRGGBB pixels, `stride` bytes
// apart, as an 8-bit RGB PNG to `file`. Favours speed over size (a low
// compression level). libpng prints nothing. False when the picture cannot
// be written; errno then says why.
bool WritePngTo(std::FILE* file, const unsigned char* data, int stride, int width, int height);

// The same picture as the file `path`, written whole or not at all (see
// WholeFile): a failed write leaves `path` as it was, and errno says why.
bool WritePng(const std::string& path, const unsigned char* data, int stride, int width,
              int height);
