#include "descriptors.h"

#include <fcntl.h>
#include <sys/resource.h>

#include <cerrno>
#include <climits>
#include <cstdio>

namespace {

// How many descriptors are free below the limit, counting up to `wanted`:
// only the numbers up to the last one needed are looked at.
int FreeDescriptors(int wanted, rlim_t limit) {
  int free = 0;
  for (rlim_t fd = 0; fd < limit && fd <= rlim_t(INT_MAX) && free < wanted; ++fd) {
    if (fcntl(int(fd), F_GETFD) == -1 && errno == EBADF) ++free;
  }
  return free;
}

}  // namespace

bool DescriptorsForARun(const std::string& who) {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return true;
  if (FreeDescriptors(kDescriptorsForARun, limit.rlim_cur) >= kDescriptorsForARun) return true;
  std::fprintf(stderr,
               "%s: too many open files (ulimit -n %llu): a run needs %d file descriptors free\n",
               who.c_str(), static_cast<unsigned long long>(limit.rlim_cur), kDescriptorsForARun);
  return false;
}
