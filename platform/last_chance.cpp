#include "last_chance.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>

#include "errors.h"
#include "string_ops.h"

namespace {

std::string g_name;
LastChanceBox g_box = nullptr;

[[noreturn]] void ShowAndEnd() {
  std::string message = LastChanceMessage(g_name, CurrentLine());
  std::fprintf(stderr, "%s\n", message.c_str());
  if (g_box) g_box(g_name.c_str(), message.c_str());
  _exit(3);
}

void OnSignal(int) {
  ShowAndEnd();
}

}  // namespace

std::string LastChanceMessage(const std::string& name, unsigned line) {
  // The format is kept in Shift-JIS like every text of the programs.
  std::string format = ToUtf8("続行不可能なエラーが発生しました %s [%u行]");
  char buf[512];
  std::snprintf(buf, sizeof buf, format.c_str(), name.c_str(), line);
  return buf;
}

void InstallLastChance(const std::string& name, LastChanceBox box) {
  g_name = name;
  g_box = box;
  std::set_terminate([] { ShowAndEnd(); });
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(sig, OnSignal);
}
