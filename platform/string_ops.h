// String operations of the runtime on Shift-JIS byte strings.
//
// The byte-wise operations count bytes; the K operations count characters,
// a lead byte 0x81-0x9F or 0xE0-0xFC together with its trail byte being one
// character. Positions start at 1. A negative count or a start below 1 is an
// illegal function call.
#pragma once

#include <string>

#include "errors.h"

inline constexpr double kToEnd = 2147483647.0;

bool IsLeadByte(unsigned char c);

int PfLEN(const std::string& s);
std::string PfLEFT24(const std::string& s, double n, Where where = Where::current());
std::string PfRIGHT24(const std::string& s, double n, Where where = Where::current());
std::string PfMID24(const std::string& s, double start, double n = kToEnd,
                    Where where = Where::current());
int PfINSTR(const std::string& s, const std::string& pattern);

int PfKLEN(const std::string& s);
std::string PfKLEFT24(const std::string& s, double n, Where where = Where::current());
std::string PfKRIGHT24(const std::string& s, double n, Where where = Where::current());
std::string PfKMID24(const std::string& s, double start, double n = kToEnd,
                     Where where = Where::current());
int PfKINSTR(const std::string& s, const std::string& pattern);

std::string PfCHR24(double code, Where where = Where::current());
int PfASC(const std::string& s, Where where = Where::current());

// Shift-JIS <-> UTF-8, for the edges: drawing glyphs, window titles, logs.
std::string ToUtf8(const std::string& sjis);
std::string FromUtf8(const std::string& utf8);
