// The runtime the lesson programs run on: window, drawing, text, fonts, pen,
// keyboard, clock, strings, numbers and arrays.
//
// The page is one logical drawing space, x 0 to 1440 to the right and y 0 to
// 900 downwards; drawing beyond it is clipped. Colours are palette numbers 0
// to 15, 15 being the white page. Coordinates that are not finite raise the
// runtime's overflow error with the caller's line.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "arrays.h"
#include "errors.h"
#include "numbers.h"
#include "string_ops.h"

inline constexpr int kPageWidth = 1440;
inline constexpr int kPageHeight = 900;

// ---- window ----------------------------------------------------------------
void FE_SETMAPMODE(double mode);
void FE_MAXIMIZEWINDOW();

// ---- font and pen ----------------------------------------------------------
// Faces: "ｺﾞｼｯｸ", "ゴシック", "Times New Roman", "MT Extra".
void FE_SETFONTNAME(const std::string& face);
void FE_SETFONTSIZE(double size, Where where = Where::current());
// -1 (or any non-zero value) on, 0 off.
void FE_SETFONTBOLD(double flag);
void FE_SETFONTITALIC(double flag);
int FE_GETDRAWWIDTH();
void FE_SETDRAWWIDTH(double width, Where where = Where::current());

// ---- drawing ---------------------------------------------------------------
// A line from (x1, y1) to (x2, y2), or to (x1 + dx, y1 + dy), at the pen width.
void PsLINE(double x1, double y1, double x2, double y2, double colour,
            Where where = Where::current());
void PsLINE_STEP(double x1, double y1, double dx, double dy, double colour,
                 Where where = Where::current());
// A filled box: border in `colour` at the pen width, inside in `fill`. With
// mask 7 the lessons give both colours alike; it draws the same.
void PsBOX(double x1, double y1, double x2, double y2, double colour, double fill, double mask = 15,
           Where where = Where::current());
void PsBOX_STEP(double x1, double y1, double w, double h, double colour, double fill,
                double mask = 15, Where where = Where::current());
// A filled disc of radius max(r, pen width / 2): a dot as wide as the pen,
// a larger disc at its own radius.
void PsCIRCLE_DISC(double x, double y, double r, double colour, Where where = Where::current());
// A circle outline.
void PsCIRCLE(double x, double y, double r, double colour, Where where = Where::current());
// An arc from `start` to `end`, fractions of a turn from the positive x axis
// towards the positive y axis (clockwise on the screen), taken modulo 1.
void PsCIRCLE_ARC(double x, double y, double r, double colour, double start, double end,
                  Where where = Where::current());
// A filled sector over the same angles: inside in `fill`, outline in `colour`.
void PsCIRCLE_SECTOR(double x, double y, double r, double colour, double fill, double start,
                     double end, Where where = Where::current());

struct Pt {
  double x, y;
};
// An open polyline through the points in order.
void PsCONNECT(const std::vector<Pt>& points, double colour, Where where = Where::current());
inline void PsCONNECT(std::initializer_list<Pt> points, double colour,
                      Where where = Where::current()) {
  PsCONNECT(std::vector<Pt>(points), colour, where);
}

// A closed polygon through the points, filled in `fill`, outlined in
// `colour` at the pen width.
void PsCONNECT_FILL(const std::vector<Pt>& points, double colour, double fill,
                    Where where = Where::current());

// Narrowed drawing: until the factor is 1 again, every x that the drawing
// operations are given is drawn at origin_x + (x - origin_x) * factor, and a
// text's horizontal magnification is multiplied by factor, so that a text
// and the lines drawn with it shrink towards origin_x as one. Y, heights,
// radii and the pen width stay as given. The factor lies in (0, 1].
void SetNarrowing(double origin_x, double factor, Where where = Where::current());

// Clear the whole page to white.
void PsCLS();

// A text with its top-left at (x, y) in the current font, magnified by the
// whole numbers hmag (1 to 12) and vmag (1 to 7); only the glyphs are painted.
// A single-byte character advances size*hmag/2, a double-byte one size*hmag;
// a narrowing (above) narrows hmag with the x of the text.
void PsSYMBOL40(double x, double y, double hmag, double vmag, double colour,
                const std::string& text, Where where = Where::current());

// A note for the operation log only (no drawing): which routine printed which
// text where. Lets a reader of the log follow a page's texts.
void LogPrint(const std::string& routine, double x, double y, double colour,
              const std::string& text);

// ---- keyboard, clock, end ----------------------------------------------------
// The next key, or "" when none came in time. In the window, when no key is
// pending, it shows what changed and waits for one until the next blink tick
// (every half second) at most, then answers ""; headless, it hands out the
// script's next key without waiting and never answers "". The key as one
// character: 8 backspace, 12 delete (and home), 13 Enter, 28 right, 29 left,
// 30 up, 31 down, 27 escape, 9 tab, printable keys as themselves (letters in
// upper case).
std::string PfINKEY24();
// Time of day "hh:mm:ss".
std::string PfTIME24();
// End of the program with status 0.
[[noreturn]] void PsEND();
// Keeps the window alive until it is closed: the error screen's wait, the
// screen showing `error`.
[[noreturn]] void WaitUntilClosed(const RuntimeError& error);
