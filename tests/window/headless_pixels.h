// The page a program draws headless, as the pixels a window that shows the
// page pixel for pixel holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "errors.h"
#include "headless.h"
#include "page.h"
#include "program.h"

struct PagePixels {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, row by row
};

// The page `program` shows once it has taken `keys` (each as the keyboard
// poll reports it; "" is a poll that finds no key, as a blink tick is).
// False when the run reached the error screen.
inline bool RunHeadless(const ProgramDescription& program, std::vector<std::string> keys,
                        PagePixels* page) {
  HeadlessBackend backend(std::move(keys));
  backend.page().logging = false;
  InstallBackend(&backend);
  try {
    RunProgram(program);
  } catch (const HeadlessStop&) {
  }
  InstallBackend(nullptr);
  const PixelRows rows = backend.page().Pixels();
  page->width = rows.width;
  page->height = rows.height;
  page->pixels.resize(size_t(rows.width) * rows.height);
  for (int y = 0; y < rows.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(rows.data + size_t(y) * rows.stride);
    for (int x = 0; x < rows.width; ++x) {
      page->pixels[size_t(y) * rows.width + x] = row[x] & 0xFFFFFF;
    }
  }
  return !backend.error_screen();
}
