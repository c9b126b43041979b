#include "window_icon.h"

#include <cairo.h>

#include <cstring>

#include "fonts.h"
#include "palette.h"

SDL_Surface* MakeWindowIcon(const std::string& title, int tile_colour) {
  constexpr int kSize = 64;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, kSize, kSize, 32, SDL_PIXELFORMAT_RGB888);
  if (!icon) return nullptr;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize);
  cairo_t* cr = cairo_create(s);

  char initial = title.empty() ? '?' : title[0];
  Rgb tile = PaletteColour(tile_colour);
  cairo_set_source_rgb(cr, tile.r / 255.0, tile.g / 255.0, tile.b / 255.0);
  cairo_paint(cr);

  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_select_font_face(cr, kSerifFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 40);
  char letter[2] = {initial, 0};
  cairo_text_extents_t ext;
  cairo_text_extents(cr, letter, &ext);
  cairo_move_to(cr, (kSize - ext.x_advance) / 2, 38);
  cairo_show_text(cr, letter);

  // A number line with a marked point below the letter.
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 8, 52);
  cairo_line_to(cr, 56, 52);
  cairo_stroke(cr);
  for (int x = 12; x <= 52; x += 10) {
    cairo_move_to(cr, x, 48);
    cairo_line_to(cr, x, 56);
  }
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Rgb mark = PaletteColour(13);
  cairo_set_source_rgb(cr, mark.r / 255.0, mark.g / 255.0, mark.b / 255.0);
  cairo_arc(cr, 42, 52, 4, 0, 6.2832);
  cairo_fill(cr);

  cairo_surface_flush(s);
  SDL_LockSurface(icon);
  for (int row = 0; row < kSize; ++row) {
    std::memcpy(static_cast<unsigned char*>(icon->pixels) + row * icon->pitch,
                cairo_image_surface_get_data(s) + row * cairo_image_surface_get_stride(s),
                kSize * 4);
  }
  SDL_UnlockSurface(icon);
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  return icon;
}
