#include "multiplication_globals.h"

namespace pellith {

std::string F_s;

}  // namespace pellith
