// The X key names of the keys a key script types: what xdotool presses, and
// what the window benchmark's key files write, for the keys the window's
// keyboard poll reports.
#pragma once

#include <string>

// The name of the X key that types `key` (one key as the keyboard poll
// reports it, as ParseKeyScript gives it): "Return" for Enter, "a" for A,
// "minus" for "-".
std::string XKeyName(const std::string& key);

// The key (as the keyboard poll reports it) that the X key `name` stands
// for, of those a key script names; "" for any other name.
std::string KeyOfXName(const std::string& name);
