// The last-chance handler: a crash that escapes the runtime's error trap (a
// fatal signal, an uncaught exception) shows "続行不可能なエラーが発生しました"
// with the program's name and the line being run, then the program ends.
#pragma once

#include <string>

// `name` in UTF-8. With `box`, the message comes in a message box as well as
// on standard error.
void InstallLastChance(const std::string& name, bool box);

// The message the handler shows, in UTF-8.
std::string LastChanceMessage(const std::string& name, unsigned line);
