// The player's standard descriptors, as it was started with them.
#pragma once

// Holds each standard descriptor (0, 1, 2) that is not open with /dev/null
// opened the other way (standard input for writing, standard output and
// standard error for reading): no file the player opens then takes one of
// their numbers, where a line meant for the terminal would land in it or
// keys would be read from it, and reading or writing one of them fails as
// it would were it closed (EBADF).
void HoldClosedStandardDescriptors();
