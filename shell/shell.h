// The routines of the program shell. Every routine takes its inputs from the
// globals of globals.h and leaves its results there; none takes arguments.
#pragma once

#include "globals.h"
#include "program.h"

// Plain text: one 16-unit cell per character, converted to full width.
void ToFullWidthChar();
void DrawTextChars();
void DrawPlainText();

// The answer-entry field.
void InputLine();
void KeyLoop();
void ParseAnswer();

// Prompt boxes and key waits on the bottom line.
void AskMenuNumber();
void AskNumberAtBottom();
void AskNextStep();
void WaitAnyKey();
void WaitKeyQuiet();
void ShowNoticeWaitKey();
void ClearBottomLine();
void ClearPromptArea();

// The markup printer: fractions, exponents, radicals and signs.
void PrintMarkup();
void DrawMarkupRun();
// A$ drawn as written, in the glyphs of the markup's ordinary characters but
// with none of its signs, marks and letter forms: a name is no formula.
void DrawWrittenRun();
void DrawFraction();

// Measuring and table cells. MeasureWidth leaves in LLT the pen advance of
// `print` (a printer reading AA_s) over A_s; X, Y and A_s are kept.
void MeasureWidth(void (*print)());
void MeasureMarkupWidth();
// Runs `print` (a printer at X, Y reading AA_s) for a text LLT wide that
// starts at X, inside a cell from X1, HABA wide. A text wider than the cell
// starts at its left side and is drawn narrowed, from 4 inside the left side
// to 4 inside the right; a text that fits is printed as it is.
void PrintInsideCell(void (*print)());
void DrawCellText();
void DrawCellTextPlain();
void DrawTwoLineCell();

// Number tables to texts, key choices and area clearing.
void TablesToTextAndKeyChoice();
void ClearContentArea();
void ClearStripRight();

// Fraction arithmetic.
void ReduceFraction();
void AddFractions();
void GcdLcm();

// Text filters.
void NormaliseNumberText();
void StripMarkup();

// The bold printer and bold cells.
void DrawBoldText();
void MeasureBoldWidth();
void DrawBoldCellText();
void DrawBoldTwoLineCell();
void BracketNegative();
