#include "readable.h"

#include <cstdio>

std::string Readable(const std::string& bytes) {
  std::string s;
  for (unsigned char c : bytes) {
    if (c == '\\') {
      s += "\\\\";
    } else if (c >= 0x20 && c < 0x7F) {
      s += char(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      s += hex;
    }
  }
  return s;
}
