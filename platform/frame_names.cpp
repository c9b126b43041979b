#include "frame_names.h"

#include <algorithm>

#include "scratch_files.h"

RUNS_IN_SIGNAL_HANDLER void FrameNameInto(unsigned long long n, char* name) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = char('0' + n % 10);
    n /= 10;
  } while (n > 0);
  while (count < 4) digits[count++] = '0';
  char* at = name;
  while (count > 0) *at++ = digits[--count];
  for (const char* png = ".png"; *png;) *at++ = *png++;
  *at = '\0';
}

std::string FrameName(unsigned long long n) {
  char name[32];
  FrameNameInto(n, name);
  return name;
}

bool IsFrameName(const std::string& name) {
  if (name.size() < 8 || !name.ends_with(".png")) return false;
  const std::string number = name.substr(0, name.size() - 4);
  if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  // Four digits from 0001, or more without a leading zero.
  return number.size() == 4 ? number != "0000" : number[0] != '0';
}
