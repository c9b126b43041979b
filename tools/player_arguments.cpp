#include "player_arguments.h"

#include <cstring>

#include "readable.h"

namespace {

// The options of a run; --list is a command of its own.
bool IsRunOption(const std::string& arg) {
  return arg == "--each" || arg == "--log" || arg == "--time";
}

// hh:mm:ss, a time of day from 00:00:00 to 23:59:59.
bool ValidClock(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (int i : {0, 1, 3, 4, 6, 7}) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  auto two = [&](int i) { return (t[i] - '0') * 10 + (t[i + 1] - '0'); };
  return two(0) <= 23 && two(3) <= 59 && two(6) <= 59;
}

}  // namespace

ArgumentsRead ReadPlayerArguments(int argc, char** argv, PlayerArguments& args, std::string& why) {
  // The places the options must not take, in order.
  const char* const kPlaces[] = {"the program's name", "the keys", "the picture"};
  for (int i = 1; i < argc && i <= 3; ++i) {
    const bool list = std::strcmp(argv[i], "--list") == 0;
    if (!IsRunOption(argv[i]) && !list) continue;
    if (list) {
      why = "--list stands alone: player --list";
    } else {
      why = std::string(argv[i]) + " stands where " + kPlaces[i - 1] +
            " must: the program's name, the keys and the picture come first, the options "
            "after them (player PROGRAM \"KEYS\" OUT.png|- [--each DIR] [--log FILE] [--time "
            "hh:mm:ss])";
    }
    return ArgumentsRead::kWrong;
  }
  if (argc < 4) return ArgumentsRead::kUsage;
  args.program = argv[1];
  args.keys = argv[2];
  args.out = argv[3];
  std::optional<std::string> clock;
  for (int i = 4; i < argc; i += 2) {
    const std::string option = argv[i];
    if (!IsRunOption(option)) {
      why = "unknown option " + Readable(option);
      return ArgumentsRead::kWrong;
    }
    if (i + 1 >= argc) {
      why = option + " needs a value";
      return ArgumentsRead::kWrong;
    }
    std::optional<std::string>& value = option == "--each"  ? args.each
                                        : option == "--log" ? args.log
                                                            : clock;
    if (value) {
      why = option + " is given twice (once is all it takes)";
      return ArgumentsRead::kWrong;
    }
    value = argv[i + 1];
  }
  if (clock && !ValidClock(*clock)) {
    why = "--time " + Readable(*clock) + " is no time of day (hh:mm:ss, 00:00:00 to 23:59:59)";
    return ArgumentsRead::kWrong;
  }
  if (clock) args.clock = *clock;
  return ArgumentsRead::kRun;
}
