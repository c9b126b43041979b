// The globals of the lesson page constructs: the margins of a page's text,
// the count of a random example loop and the places kept for answers.
// The pen after the last printed piece (`XI2`) and the current line (`YI1`)
// are the shell's (globals.h); the submenu choice `SENTAKU` too.
#pragma once

#include "globals.h"

// ---- the margins of a page --------------------------------------------------

// The text margin: where a new line of the page starts. Set by OpenPage,
// AnswerColumn, GoalPage, the drills' bands and pages.
extern float XI1;
// The outer margin, left of XI1: where labels such as "Q1", problem numbers
// and answer cells stand. Set by OpenPage, AnswerColumn and pages.
extern float XI0;

// ---- the random example loop ------------------------------------------------

// How many examples the running RandomExampleLoop has finished (0 for the
// first); set by it, read by example generators that start differently.
extern float NO;

// ---- places kept for answers ------------------------------------------------
// Set by the answer constructs (answer_reveal.h), and by pages that keep
// places of their own in them.

// Answer 1: the corner of the empty answer box (EmptyAnswerBox,
// EmptyAnswerBoxAt) that FillAnswerBox fills, or the place kept by
// KeepAnswerPlace(1). StepArrowSecond leaves its move's left end in X11.
extern float X11, Y11;
// Answer 2: the place kept by KeepAnswerPlace(2). StepArrowSecond leaves its
// move's right end in X12.
extern float X12, Y12;
// Answers 3 and 4: the places kept by KeepAnswerPlace(3) and (4).
extern float X13, Y13;
extern float X14, Y14;
// Answers 5 to 8, kept by pages that show eight answers later.
extern float X15, Y15;
extern float X16, Y16;
extern float X17, Y17;
extern float X18, Y18;
