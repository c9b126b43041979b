// The last-chance handler: a crash that escapes the runtime's error trap (a
// fatal signal, an uncaught exception) shows "続行不可能なエラーが発生しました"
// with the program's name and the line being run, then the program ends.
#pragma once

#include <string>

// Shows the message to the user as well, captioned `title` (UTF-8): the
// window's message box. Called from the crash handler, so it must not return
// to the program.
using LastChanceBox = void (*)(const char* title, const char* message);

// `name` in UTF-8. The message goes to standard error, and to `box` when one
// is given.
void InstallLastChance(const std::string& name, LastChanceBox box = nullptr);

// The message the handler shows, in UTF-8.
std::string LastChanceMessage(const std::string& name, unsigned line);
