// The globals of the multiplication and division lessons that the shell
// does not hold.
#pragma once

#include <string>

namespace pellith {

// The sign of a product or quotient as a text, "+" or "-" (beside the
// shell's array F_sa()).
extern std::string F_s;

}  // namespace pellith
