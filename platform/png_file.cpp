#include "png_file.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// libpng's own messages are not printed: a failed write is the caller's to
// report, in its own words.
[[noreturn]] void PngError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void PngWarning(png_structp, png_const_charp) {}

bool WriteRows(FILE* file, const unsigned char* data, int stride, int width, int height) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<unsigned char> row(size_t(width) * 3);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
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
  return std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace

bool WritePng(const std::string& path, const unsigned char* data, int stride, int width,
              int height) {
  // A device or a pipe (/dev/null, /dev/stdout) is written directly;
  // replacing it with a file would be wrong.
  struct stat st;
  const bool exists = stat(path.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    bool written = WriteRows(file.get(), data, stride, width, height);
    return std::fclose(file.release()) == 0 && written;
  }
  // Anything else goes to a temporary file beside it that replaces it once
  // whole: a failed write leaves the path as it was, never half a picture.
  std::string temporary = path + ".XXXXXX";
  int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, exists ? st.st_mode & 07777 : 0666 & ~mask);
  FILE* file = fdopen(fd, "wb");
  if (!file) {
    close(fd);
    unlink(temporary.c_str());
    return false;
  }
  bool written = WriteRows(file, data, stride, width, height);
  written = std::fclose(file) == 0 && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}
