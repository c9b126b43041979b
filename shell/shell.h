// The routines of the program shell. Every routine takes its inputs from the
// globals of globals.h and leaves its results there; none takes arguments
// but MeasureWidth and PrintInsideCell, which take the printer they run (the
// start, the main menu and the error screen of program.h take the program or
// the error). Each file's opening comment says which globals its routines
// read and leave, and names every shared global its code changes
// (tests/docs/globals_named.py checks that).
#pragma once

#include "globals.h"
#include "program.h"

// ---- plain text: one 16-unit cell per character, converted to full width ----

// B_s becomes its full-width or symbol glyph ("3" -> "３", "*" -> "×").
void ToFullWidthChar();
// A_s drawn at (X, Y) in CCC1, one 16-unit cell a character; XT the pen after.
void DrawTextChars();
// AA_s drawn as plain text at (X, Y) in CCC1; X after it.
void DrawPlainText();

// ---- the answer-entry field -------------------------------------------------

// The answer field at (KAIX, KAIY): reads keys into AINP_s until Enter.
void InputLine();
// The field's keys: number keys typed in, Backspace or Delete clears, Enter
// ends. Once ten characters stand in the field, any key, Enter too, clears
// it instead, and the entry starts again.
void KeyLoop();
// AINP = the number in AINP_s ("a/b" a quotient, a zero denominator 0).
void ParseAnswer();

// ---- prompt boxes and key waits on the bottom line --------------------------

// The prompt AA_s left of the answer field, then a number into AINP.
void AskMenuNumber();
// The prompt AA_s on the bottom line, then a number into AINP.
void AskNumberAtBottom();
// The "next step" box, then a number into AINP; the box is erased.
void AskNextStep();
// The "press a key" box until a key; the box is erased.
void WaitAnyKey();
// Reads keys until none waits, drawing nothing.
void WaitKeyQuiet();
// AA_s in the notice box on the bottom line until a key; erased after.
void ShowNoticeWaitKey();
// Erases the bottom line of prompts.
void ClearBottomLine();
// Erases the menu prompt and the answer field.
void ClearPromptArea();

// ---- the markup printer: fractions, exponents, radicals and signs -----------

// AA_s drawn as markup at (X, Y) in CCC1; X after it.
void PrintMarkup();
// A_s drawn as one run of markup glyphs at (X, Y), no fractions; X after it.
void DrawMarkupRun();
// A_s drawn as written, in the glyphs of the markup's ordinary characters but
// with none of its signs, marks and letter forms: a name is no formula.
void DrawWrittenRun();
// A_s ("numerator/denominator") as a built-up fraction at (X, Y); X after it.
void DrawFraction();

// ---- measuring and table cells ----------------------------------------------

// LLT = the pen advance of `print` (a printer reading AA_s) over A_s; X, Y
// and A_s are kept.
void MeasureWidth(void (*print)());
// LLT = the width of A_s as PrintMarkup draws it.
void MeasureMarkupWidth();
// Runs `print` (a printer at X, Y reading AA_s) for a text LLT wide that
// starts at X, inside a cell from X1, HABA wide. A text wider than the cell
// starts at its left side and is drawn narrowed, from 4 inside the left side
// to 4 inside the right; a text that fits is printed as it is.
void PrintInsideCell(void (*print)());
// A cell HABA x TATE at (X, Y), border CCC2, fill CCC3, A_s centred in CCC1.
void DrawCellText();
// The same cell placed around a text line at Y.
void DrawCellTextPlain();
// A cell with A1_s over A2_s.
void DrawTwoLineCell();

// ---- number tables to texts, key choices and area clearing ------------------

// T_s() and F_sa() from T() and F(); the key choice of I_s (number_tables.h).
void TablesToTextAndKeyChoice();
// Erases the page below the title band.
void ClearContentArea();
// Erases a strip beside the answer field, from 80 right of it and 72 above it.
void ClearStripRight();

// ---- fraction arithmetic ----------------------------------------------------

// DS/DB to lowest terms, with the texts of the step (A1_s, A2_s, A3_s...).
void ReduceFraction();
// DSM1/DBM1 + DSM2/DBM2 over their least common denominator DB, the texts too.
void AddFractions();
// X3 = the greatest common divisor, X4 the least common multiple of DS, DB.
void GcdLcm();

// ---- text filters -----------------------------------------------------------

// Takes the blanks out of A_s.
void NormaliseNumberText();
// Takes "^", "ﾝ", "ﾀ" and "=" out of A_s.
void StripMarkup();

// ---- the bold printer and bold cells ----------------------------------------

// AA_s drawn by the bold printer at (X, Y) in CCC1; X after it.
void DrawBoldText();
// LLT = the width of A_s as the bold printer draws it.
void MeasureBoldWidth();
// A cell as DrawCellText, A_s in bold.
void DrawBoldCellText();
// A cell with A1_s over A2_s in bold.
void DrawBoldTwoLineCell();
// A_s in brackets when it holds a "-".
void BracketNegative();
