// Files for tests that run the player as a command: quoting for the shell,
// a file's bytes, the names in a folder and everything below one.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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

// Every file, folder, link and FIFO below `dir`, by its path from `dir`: a
// link as where it leads, a FIFO as what it is (reading one would wait for a
// writer), a file as `shown` shows its bytes (the bytes themselves unless
// given).
inline std::map<std::string, std::string> Tree(
    const std::string& dir, const std::function<std::string(const std::string&)>& shown = {}) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> tree;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
    const std::string name = entry.path().lexically_relative(dir);
    const fs::file_status status = entry.symlink_status();
    if (fs::is_symlink(status)) {
      tree[name] = "link to " + fs::read_symlink(entry.path()).string();
    } else if (fs::is_fifo(status)) {
      tree[name] = "fifo";
    } else if (fs::is_directory(status)) {
      tree[name] = "folder";
    } else {
      const std::string bytes = ReadFile(entry.path());
      tree[name] = shown ? shown(bytes) : bytes;
    }
  }
  return tree;
}
