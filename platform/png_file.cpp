#include "png_file.h"

#include <png.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "whole_file.h"

namespace {

// libpng's own messages are not printed: a failed write is the caller's to
// report, in its own words.
[[noreturn]] void PngError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void PngWarning(png_structp, png_const_charp) {}

}  // namespace

bool WritePngTo(std::FILE* file, const unsigned char* data, int stride, int width, int height) {
  // A failure that no system call explains is an input/output error.
  errno = 0;
  auto failed = [] {
    if (errno == 0) errno = EIO;
    return false;
  };
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  if (!png) return failed();
  png_infop info = png_create_info_struct(png);
  std::vector<unsigned char> row(size_t(width) * 3);
  if (!info || setjmp(png_jmpbuf(png))) {
    const int error = errno;
    png_destroy_write_struct(&png, info ? &info : nullptr);
    errno = error;
    return failed();
  }
  png_init_io(png, file);
  // A page is mostly flat colour: the fastest level still packs it well.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    const uint32_t* pixels = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = uint8_t(pixels[x] >> 16);
      row[3 * x + 1] = uint8_t(pixels[x] >> 8);
      row[3 * x + 2] = uint8_t(pixels[x]);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file) != 0 || std::ferror(file)) return failed();
  return true;
}

bool WritePng(const std::string& path, const unsigned char* data, int stride, int width,
              int height) {
  WholeFile file;
  int error = file.Open(path);
  if (error == 0) {
    error = WritePngTo(file.stream(), data, stride, width, height) ? 0 : errno;
    // The stream is closed either way; the first failure is the one said.
    const int finished = file.Finish();
    if (error == 0) error = finished;
    if (error == 0) error = file.Commit();
  }
  errno = error;
  return error == 0;
}
