// A program's standard descriptors (0, 1, 2) as it was started with them.
#pragma once

// Holds each standard descriptor that is not open with /dev/null opened the
// other way (standard input for writing, standard output and standard error
// for reading): no file or connection the program opens then takes one of
// their numbers, where a line meant for the terminal would land in it (an
// X connection on descriptor 2 would take the error line as a request) or
// keys would be read from it. Reading or writing one of them fails as it
// would were it closed (EBADF), and a name of one (/dev/stdin) stands for a
// descriptor that is not open (see HeldClosed). Called first thing.
void HoldClosedStandardDescriptors();

// Whether `fd` is a standard descriptor that was closed when the program
// started, held since.
bool HeldClosed(int fd);

// Sends standard output to /dev/null from here on, keeping what it was
// under another number: what a library prints there (fontconfig's
// debugging lines) then reaches nothing, while a name of standard output
// (/dev/stdout, see StandardDescriptor) still stands for what the program
// was handed. 0, or the error number. Nothing to do for a standard output
// held closed.
int SetStandardOutputAside();

// The descriptor that holds what the program was handed as descriptor
// `fd`: where SetStandardOutputAside keeps standard output, else `fd`.
int StandardDescriptor(int fd);
