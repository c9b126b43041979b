#include "headless.h"

#include <cctype>
#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "errors.h"

std::vector<std::string> ParseKeyScript(const std::string& script) {
  std::vector<std::string> keys;
  std::istringstream in(script);
  std::string token;
  while (in >> token) {
    if (token == "Enter") {
      keys.push_back("\r");
    } else if (token == "Left") {
      keys.push_back(std::string(1, char(29)));
    } else if (token == "Right") {
      keys.push_back(std::string(1, char(28)));
    } else if (token == "Backspace") {
      keys.push_back(std::string(1, char(8)));
    } else if (token == "Delete") {
      keys.push_back(std::string(1, char(12)));
    } else if (token == "Space") {
      keys.push_back(" ");
    } else if (token.size() == 1 && std::isprint(static_cast<unsigned char>(token[0]))) {
      keys.push_back(std::string(1, char(std::toupper(static_cast<unsigned char>(token[0])))));
    } else {
      throw std::invalid_argument("unknown key in script: " + token);
    }
  }
  return keys;
}

HeadlessBackend::HeadlessBackend(std::vector<std::string> keys, std::string clock)
    : keys_(keys.begin(), keys.end()), clock_(std::move(clock)) {
  page_ = std::make_unique<Page>(1.0);
  page_->logging = true;
}

void HeadlessBackend::AddKeys(const std::vector<std::string>& keys) {
  keys_.insert(keys_.end(), keys.begin(), keys.end());
}

std::string HeadlessBackend::PollKey() {
  if (keys_.empty()) {
    used_up_ = true;
    throw HeadlessStop();
  }
  if (!frame_dir_.empty()) {
    char name[32];
    std::snprintf(name, sizeof name, "/%04d.png", ++frame_);
    std::string path = frame_dir_ + name;
    if (!page_->SavePng(path) && frame_not_written_.empty()) frame_not_written_ = path;
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
