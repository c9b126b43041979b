#include "bounded_wait.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

namespace {

// One process as /proc shows it.
struct ProcessStat {
  pid_t parent = 0;
  // Processor time, its own and its waited-for children's, in clock ticks.
  long long work = 0;
  unsigned long long start = 0;  // clock ticks after boot: with the number, who it is
};

// Every process there is; one that ends while it is read is left out.
std::map<pid_t, ProcessStat> ReadProcesses() {
  std::map<pid_t, ProcessStat> all;
  DIR* proc = opendir("/proc");
  if (!proc) return all;
  while (const dirent* entry = readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(entry->d_name, &end, 10);
    if (*end != '\0' || pid <= 0) continue;
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    char text[1024];
    const ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0) continue;
    text[n] = '\0';
    // The command's name, in brackets, may hold blanks and brackets itself.
    const char* after = std::strrchr(text, ')');
    if (!after) continue;
    ProcessStat process;
    char state = 0;
    unsigned long long user = 0, system = 0;
    long long children_user = 0, children_system = 0;
    if (std::sscanf(after + 1,
                    " %c %d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu %lld %lld %*d %*d %*d "
                    "%*d %llu",
                    &state, &process.parent, &user, &system, &children_user, &children_system,
                    &process.start) != 7) {
      continue;
    }
    process.work = static_cast<long long>(user + system) + children_user + children_system;
    all[pid_t(pid)] = process;
  }
  closedir(proc);
  return all;
}

// The process numbers an environment variable lists, blank-separated.
std::set<pid_t> ProcessesNamedBy(const char* variable) {
  std::set<pid_t> pids;
  const char* text = std::getenv(variable);
  std::istringstream words(text ? text : "");
  for (long pid; words >> pid;) pids.insert(pid_t(pid));
  return pids;
}

// The work of the test's processes (see WaitUntil), looked at again and
// again.
class TreeWork {
 public:
  TreeWork() : aside_(ProcessesNamedBy("WAIT_TREE_ASIDE")) { Look(); }

  // The clock ticks the test's processes used since the last look: what
  // went on in those counted both times, all of a process counted for the
  // first time (it started since).
  long long Look() {
    const std::map<pid_t, ProcessStat> all = ReadProcesses();
    const pid_t self = getpid();
    // The root, and the processes from this one up to it.
    pid_t root = self;
    std::set<pid_t> chain = {self};
    if (const std::set<pid_t> named = ProcessesNamedBy("WAIT_TREE_ROOT"); named.size() == 1) {
      std::set<pid_t> up = {self};
      for (pid_t p = self; p > 1 && all.count(p); p = all.at(p).parent, up.insert(p)) {
        if (p == *named.begin()) {
          root = p;
          chain = up;
          break;
        }
      }
    }
    // Whether each process is the root's descendant.
    std::map<pid_t, bool> inside = {{root, true}};
    auto in_tree = [&](pid_t pid) {
      std::vector<pid_t> path;
      bool verdict = false;
      for (pid_t p = pid;;) {
        if (const auto known = inside.find(p); known != inside.end()) {
          verdict = known->second;
          break;
        }
        const auto process = all.find(p);
        if (process == all.end() || p <= 1) break;
        path.push_back(p);
        p = process->second.parent;
      }
      for (pid_t p : path) inside[p] = verdict;
      return verdict;
    };
    std::map<Key, long long> counted;
    for (const auto& [pid, process] : all) {
      if (chain.count(pid) || aside_.count(pid) || !in_tree(pid)) continue;
      counted[{pid, process.start}] = process.work;
    }
    long long used = 0;
    for (const auto& [key, work] : counted) {
      const auto before = counted_.find(key);
      used += std::max(0LL, work - (before == counted_.end() ? 0 : before->second));
    }
    counted_ = std::move(counted);
    return used;
  }

 private:
  using Key = std::pair<pid_t, unsigned long long>;  // number and start time
  std::set<pid_t> aside_;
  std::map<Key, long long> counted_;
};

}  // namespace

bool WaitUntil(const std::string& what, const std::function<bool()>& done, double pause,
               double patience) {
  const double ticks_per_second = double(sysconf(_SC_CLK_TCK));
  const long long allowance = std::llround(kIdleShare * patience * ticks_per_second);
  const double look_every = std::min(1.0, patience / 5);
  TreeWork tree;
  double last_look = MonotonicSeconds(), since = last_look;
  long long used = 0;
  for (;;) {
    if (done()) return true;
    const double now = MonotonicSeconds();
    if (now - last_look >= look_every) {
      last_look = now;
      used += tree.Look();
      if (used > allowance) {
        since = now;
        used = 0;
      } else if (now - since >= patience) {
        break;
      }
    }
    usleep(useconds_t(pause * 1e6));
  }
  // One more look: the condition may have come during the last pause.
  if (done()) return true;
  std::fprintf(stderr,
               "gave up waiting for %s: the test's processes used %.2f s of processor time in "
               "the last %g s, no more than an idle program\n",
               what.c_str(), double(used) / ticks_per_second, patience);
  return false;
}
