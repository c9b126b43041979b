// The key script: tokens separated by blanks, each a single printable
// character or one of Enter, Left, Right, Up, Down, Tab, Escape, Backspace,
// Delete, Space, and the keys they stand for (the codes the window's
// keyboard poll reports for them).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Turns a key script into keys, token by token as KeyOfToken does.
std::vector<std::string> ParseKeyScript(const std::string& script);
// The key one token stands for. Letters become upper case, as the keyboard
// reports them. An unknown token throws std::invalid_argument naming it
// Readable, its first kTokenShown bytes only, and saying it was cut when it
// is longer.
std::string KeyOfToken(const std::string& token);
// The blanks that separate tokens: space, tab, line feed, vertical tab,
// form feed and carriage return, whatever the locale.
constexpr bool IsKeyScriptBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
// How much of an unknown token the error shows: every key's name is far
// shorter, so a reader of a key script can stop a token there.
constexpr size_t kTokenShown = 40;
// The token of a key script that stands for `key` (one key as the keyboard
// poll reports it): "Enter" for "\r", "7" for "7".
std::string KeyScriptToken(const std::string& key);
