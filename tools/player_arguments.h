// The player's command line read as written:
//
//   player PROGRAM "KEYS"|@FILE|@- OUT.png|- [--each DIR] [--log FILE] [--time hh:mm:ss]
//
// The program's name, the keys and the picture stand first, in that order,
// the options after them, each at most once and with its value; the clock is
// checked once all the options are read.
#pragma once

#include <optional>
#include <string>

struct PlayerArguments {
  std::string program;
  std::string keys;  // the script itself, or @FILE, @-
  std::string out;   // the picture, "-" for none
  std::optional<std::string> each;
  std::optional<std::string> log;
  std::string clock = "12:00:00";
};

// What ReadPlayerArguments found.
enum class ArgumentsRead {
  kRun,    // `args` holds them
  kUsage,  // too few to run: the usage is what to show
  kWrong,  // `why` says what is wrong, in one line
};

// Reads argv[1] to argv[argc - 1] into `args` (`player --list` alone is the
// caller's to run). An option or --list where the program's name, the keys
// or the picture must stand, an unknown option, one without its value, one
// given twice and a clock that is no time of day are refused, `why` saying
// which and where it must stand.
ArgumentsRead ReadPlayerArguments(int argc, char** argv, PlayerArguments& args, std::string& why);
