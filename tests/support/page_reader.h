// Reading what a page did from its operation log (the player's, or a
// headless page's): the fields of a line, the printers' notes, the key waits
// and the markup texts among them, and key scripts with repeated keys.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "headless_fixture.h"

// UTF-8 of each Shift-JIS text, for comparing with what a log read.
std::vector<std::string> Utf8All(const std::vector<std::string>& sjis);

// The last n entries (all of them when there are fewer).
template <typename T>
std::vector<T> Tail(const std::vector<T>& v, size_t n) {
  return n > v.size() ? v : std::vector<T>(v.end() - n, v.end());
}

// The tab-separated fields of one log line, empty ones kept.
std::vector<std::string> Fields(const std::string& line);

// How many log lines begin with `head` (fields joined by tabs).
int CountStarting(const PlayerRun& run, const std::string& head);

// `token` n times, each followed by a blank: a key script piece.
std::string Repeat(const std::string& token, int n);

// A number as the operation log writes it ("600", "12.5", "-7").
std::string LogNumber(double v);

// A whole number as the pages write it: "7", "+5", "-3", or in brackets,
// "(-3)". Throws std::invalid_argument for any other text.
long WrittenNumber(const std::string& text);

// One printer's note ("print ROUTINE X Y COLOUR TEXT"): who printed what where.
struct Print {
  std::string routine;
  double x, y, colour;
  std::string text;  // UTF-8
};
// The note one log line holds; none for a line of another operation.
std::optional<Print> PrintOf(const std::string& line);
// The notes of texts put on the page, in order; the measuring prints below
// it left out.
std::vector<Print> PrintsOf(const PlayerRun& run);
std::vector<Print> PrintsOf(const std::vector<LoggedOp>& log);
// "x y colour text" of one note, the numbers as the log writes them.
std::string Placed(const Print& p);

// Whether a note is the press-a-key prompt: its text at its place on the
// bottom line.
bool IsKeyWait(const Print& p);
// How often the press-a-key prompt was put up.
int KeyWaits(const std::vector<Print>& prints);

// How often the submenu line `submenu` (Shift-JIS) was put up at its place,
// the bottom left, in colour 0.
int Submenus(const PlayerRun& run, const std::string& submenu);

// Whether markup prints of an empty text count among the texts ("x y colour ").
enum class EmptyTexts { kKept, kLeftOut };
// "x y colour text" of the markup printer's notes, in order.
std::vector<std::string> MarkupPrints(const std::vector<Print>& prints,
                                      EmptyTexts empty = EmptyTexts::kKept);

// The texts of one routine's prints at exactly (x, y), in order.
std::vector<std::string> PrintsAt(const PlayerRun& run, const std::string& routine, int x, int y);
