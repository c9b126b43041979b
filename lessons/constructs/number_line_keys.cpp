// The key of a number-line exercise: the arrows move the marker, Enter
// confirms, every other key is ignored by the exercise.
#include "number_line_keys.h"

#include "shell.h"

MarkerKey ReadMarkerKey(const std::string& notice) {
  CCC1 = 0;
  AA_s = notice;
  ShowNoticeWaitKey();
  if (I_s == "\r") return MarkerKey::kEnter;
  if (I_s == "\x1c") return MarkerKey::kRight;
  if (I_s == "\x1d") return MarkerKey::kLeft;
  return MarkerKey::kOther;
}
