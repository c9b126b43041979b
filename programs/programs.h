// The five programs of the family.
#pragma once

#include <string>

#include "program.h"

// Each program's title, menu items and dispatch table, in its own namespace.
namespace almeno {
const ProgramDescription& Program();
}
namespace torvane {
const ProgramDescription& Program();
}
namespace pellith {
const ProgramDescription& Program();
}
namespace vindrel {
const ProgramDescription& Program();
}
namespace quorrel {
const ProgramDescription& Program();
}

// The program of that executable name ("almeno", ...); nullptr when none.
const ProgramDescription* FindProgram(const std::string& name);
