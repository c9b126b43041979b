// The names of the frames a headless run writes before every key.
#pragma once

#include <string>

// The name of the frame numbered `n` (from 1): at least four digits, so
// 0001.png to 9999.png, then 10000.png, 10001.png, ...
std::string FrameName(unsigned long long n);
// The same into `name` (room for 25 bytes: 20 digits, ".png" and the NUL), safe in a signal
// handler.
void FrameNameInto(unsigned long long n, char* name);
// Whether some frame takes the name `name`.
bool IsFrameName(const std::string& name);
