#include "in_process_run.h"

#include <algorithm>

#include "headless.h"
#include "key_script.h"
#include "programs.h"

InProcessRun RunInProcess(const std::string& program, const std::string& keys,
                          const std::string& clock) {
  InProcessRun run;
  const ProgramDescription* description = FindProgram(program);
  if (!description) return run;
  HeadlessBackend backend(ParseKeyScript(keys), clock);
  backend.page().logging = true;
  backend.page().log_sink = [&run](const LoggedOp& op) { run.log.push_back(op.Line()); };
  InstallBackend(&backend);
  try {
    run.status = RunProgram(*description);
  } catch (const HeadlessStop&) {
  }
  InstallBackend(nullptr);
  return run;
}

std::string FirstDifference(const InProcessRun& first, const InProcessRun& second) {
  const auto [a, b] =
      std::mismatch(first.log.begin(), first.log.end(), second.log.begin(), second.log.end());
  if (a == first.log.end() && b == second.log.end()) return "";
  return "operation " + std::to_string(a - first.log.begin() + 1) + " of " +
         std::to_string(first.log.size()) + " and " + std::to_string(second.log.size()) + ": " +
         (a == first.log.end() ? "(none)" : *a) + " | " + (b == second.log.end() ? "(none)" : *b);
}
