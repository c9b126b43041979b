#include "png_file.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

bool WritePng(const std::string& path, const unsigned char* data, int stride, int width,
              int height) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<unsigned char> row(size_t(width) * 3);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  png_init_io(png, file.get());
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
  return std::fclose(file.release()) == 0;
}
