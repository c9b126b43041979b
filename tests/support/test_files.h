// Files for tests that run the player as a command: quoting for the shell,
// a file's bytes, and the names in a folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

// `s` as one word for the shell, in single quotes.
inline std::string ShellQuoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The names in a folder.
inline std::set<std::string> Listing(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.insert(entry.path().filename());
  }
  return names;
}
