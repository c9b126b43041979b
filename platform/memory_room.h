// Telling memory that ran out from other failures.
//
// A library that fails for lack of memory often says something else (a font
// it could not load is "not installed", a display it could not open "not
// available"), or only part of what it meant to say. Where such a failure
// is met, the program asks whether memory was short before it names another
// cause.
#pragma once

// How every program says it, after its name: "player: out of memory".
inline constexpr const char* kOutOfMemory = "out of memory";

// Whether the system refuses this process the room a run still needs beyond
// what it holds: the font files a run maps (two gothic faces of 6 MB each).
// When it does, memory is too short for a run, whatever else may have
// failed besides.
bool MemoryTooShortForARun();

// Whether memory is exhausted: not even 1 MB more is given, so that an
// allocation of any size may just have failed. Only system calls: safe in
// a signal handler.
bool MemoryExhausted();
