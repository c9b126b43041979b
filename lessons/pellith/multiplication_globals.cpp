#include "multiplication_globals.h"

#include "fresh_run.h"

namespace pellith {

std::string F_s;
const FreshEachRun kFreshEachRun(F_s);

}  // namespace pellith
