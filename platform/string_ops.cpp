#include "string_ops.h"

#include <algorithm>
#include <vector>

#include "numbers.h"

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

namespace {

// A count argument: a whole number, not negative; huge counts mean "to the end".
size_t Count(double n, Where where) {
  if (n >= 2147483647.0) return std::string::npos;
  int32_t c = PbFstLng(n, where);
  if (c < 0) RaiseError(kIllegalFunctionCall, where);
  return static_cast<size_t>(c);
}

// A start position: a whole number from 1.
size_t Start(double start, Where where) {
  int32_t s = PbFstLng(start, where);
  if (s < 1) RaiseError(kIllegalFunctionCall, where);
  return static_cast<size_t>(s);
}

// Byte offsets where each character of s begins, plus s.size() at the end.
std::vector<size_t> CharStarts(const std::string& s) {
  std::vector<size_t> starts;
  size_t i = 0;
  while (i < s.size()) {
    starts.push_back(i);
    i += (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  }
  starts.push_back(s.size());
  return starts;
}

// Characters [first, first + count) of s, both counted in characters.
std::string CharRange(const std::string& s, size_t first, size_t count) {
  std::vector<size_t> starts = CharStarts(s);
  size_t chars = starts.size() - 1;
  if (first >= chars) return "";
  size_t last = (count == std::string::npos) ? chars : std::min(chars, first + count);
  return s.substr(starts[first], starts[last] - starts[first]);
}

}  // namespace

int PfLEN(const std::string& s) {
  return static_cast<int>(s.size());
}

std::string PfLEFT24(const std::string& s, double n, Where where) {
  return s.substr(0, Count(n, where));
}

std::string PfRIGHT24(const std::string& s, double n, Where where) {
  size_t c = Count(n, where);
  if (c >= s.size()) return s;
  return s.substr(s.size() - c);
}

std::string PfMID24(const std::string& s, double start, double n, Where where) {
  size_t first = Start(start, where) - 1;
  size_t c = Count(n, where);
  if (first >= s.size()) return "";
  return s.substr(first, c);
}

int PfINSTR(const std::string& s, const std::string& pattern) {
  if (pattern.empty()) return s.empty() ? 0 : 1;
  size_t p = s.find(pattern);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

int PfKLEN(const std::string& s) {
  return static_cast<int>(CharStarts(s).size()) - 1;
}

std::string PfKLEFT24(const std::string& s, double n, Where where) {
  return CharRange(s, 0, Count(n, where));
}

std::string PfKRIGHT24(const std::string& s, double n, Where where) {
  size_t c = Count(n, where);
  size_t chars = static_cast<size_t>(PfKLEN(s));
  if (c >= chars) return s;
  return CharRange(s, chars - c, std::string::npos);
}

std::string PfKMID24(const std::string& s, double start, double n, Where where) {
  size_t first = Start(start, where) - 1;
  return CharRange(s, first, Count(n, where));
}

int PfKINSTR(const std::string& s, const std::string& pattern) {
  if (pattern.empty()) return s.empty() ? 0 : 1;
  // Only matches that begin on a character boundary count: the trail byte of
  // a double-byte character is never the start of a match.
  std::vector<size_t> starts = CharStarts(s);
  for (size_t k = 0; k + 1 < starts.size(); ++k) {
    if (s.compare(starts[k], pattern.size(), pattern) == 0) return static_cast<int>(k) + 1;
  }
  return 0;
}

std::string PfCHR24(double code, Where where) {
  int c = PbFstInt(code, where);
  if (c < 0 || c > 255) RaiseError(kIllegalFunctionCall, where);
  return std::string(1, static_cast<char>(c));
}

int PfASC(const std::string& s, Where where) {
  if (s.empty()) RaiseError(kIllegalFunctionCall, where);
  unsigned char c = static_cast<unsigned char>(s[0]);
  if (IsLeadByte(c) && s.size() > 1) return c * 256 + static_cast<unsigned char>(s[1]);
  return c;
}
