#include "headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "errors.h"
#include "scratch_files.h"

namespace {

// The named keys of a key script and the codes the keyboard poll reports
// for them, as the window does.
struct NamedKey {
  const char* name;
  char code;
};
constexpr NamedKey kNamedKeys[] = {
    {"Enter", 13}, {"Left", 29},   {"Right", 28},    {"Up", 30},     {"Down", 31},
    {"Tab", 9},    {"Escape", 27}, {"Backspace", 8}, {"Delete", 12}, {"Space", ' '},
};

std::string KeyOfToken(const std::string& token) {
  for (const NamedKey& key : kNamedKeys) {
    if (token == key.name) return std::string(1, key.code);
  }
  if (token.size() == 1 && std::isprint(static_cast<unsigned char>(token[0]))) {
    return std::string(1, char(std::toupper(static_cast<unsigned char>(token[0]))));
  }
  if (token.size() > kTokenShown) {
    throw std::invalid_argument("unknown key in script: " + Readable(token.substr(0, kTokenShown)) +
                                " (cut at " + std::to_string(kTokenShown) + " bytes)");
  }
  throw std::invalid_argument("unknown key in script: " + Readable(token));
}

}  // namespace

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

std::string KeyScriptToken(const std::string& key) {
  for (const NamedKey& named : kNamedKeys) {
    if (key == std::string(1, named.code)) return named.name;
  }
  return key;
}

std::vector<std::string> ParseKeyScript(const std::string& script) {
  std::vector<std::string> keys;
  std::istringstream in(script);
  std::string token;
  while (in >> token) keys.push_back(KeyOfToken(token));
  return keys;
}

HeadlessBackend::HeadlessBackend(std::vector<std::string> keys, std::string clock)
    : keys_(keys.begin(), keys.end()), clock_(std::move(clock)) {
  page_ = std::make_unique<Page>(1.0);
  page_->logging = true;
}

HeadlessBackend::~HeadlessBackend() {
  DiscardFrames();
}

void HeadlessBackend::SetFrameFolder(const std::string& dir) {
  DiscardFrames();
  frame_dir_ = dir;
  frame_folder_ = open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (frame_folder_ >= 0) SetScratchSeries(frame_folder_, FrameNameInto);
}

void HeadlessBackend::KeepFrames() {
  if (frame_folder_ >= 0) ReleaseFrameFolder();
}

void HeadlessBackend::DiscardFrames() {
  if (frame_folder_ < 0) return;
  // A signal that comes meanwhile removes the rest.
  for (unsigned long long n = frame_; n > 0; --n) {
    unlinkat(frame_folder_, FrameName(n).c_str(), 0);
    CountScratchSeries(n - 1);
  }
  ReleaseFrameFolder();
}

void HeadlessBackend::ReleaseFrameFolder() {
  DropScratchSeries();
  close(frame_folder_);
  frame_folder_ = -1;
}

void HeadlessBackend::AddKeys(const std::vector<std::string>& keys) {
  keys_.insert(keys_.end(), keys.begin(), keys.end());
}

std::string HeadlessBackend::PollKey() {
  if (keys_.empty()) {
    used_up_ = true;
    throw HeadlessStop();
  }
  if (!frame_dir_.empty() && frame_not_written_.empty()) {
    const std::string path = frame_dir_ + "/" + FrameName(++frame_);
    // Counted before it may be there, so that a signal removes it too.
    CountScratchSeries(frame_);
    if (!page_->SavePng(path)) {
      frame_not_written_ = path;
      frame_error_ = errno;
    }
  }
  std::string key = keys_.front();
  keys_.pop_front();
  return key;
}

void HeadlessBackend::WaitUntilClosed(const RuntimeError& error) {
  error_screen_ = true;
  error_line_ = error.line;
  error_code_ = error.code;
  error_file_ = error.file;
  throw HeadlessStop();
}
