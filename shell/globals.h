// The global parameter block and the shared arrays every routine works on.
//
// Routines take no arguments: a caller sets these globals, calls the routine
// and reads its results from them. Numbers are single precision; texts are
// Shift-JIS byte strings, their names ending in `_s`. A shared array whose
// name a scalar also carries gets `_a` after its name (`X_a()` beside the pen
// `X`, `X_sa()` beside `X_s`); the others keep their plain names (`T()`,
// `T_s()`). Globals used by a single routine family live in that family's
// own files.
//
// Each comment says what the global holds and which routines set it; "pages"
// are the lesson pages of the programs.
#pragma once

#include <string>

#include "runtime.h"

// ---- the text printers' parameters ------------------------------------------

// The text a printer draws: PrintMarkup, DrawPlainText and DrawBoldText eat
// it character by character and leave it empty. Set by their callers
// (PrintAt, the prompts, the cells, the figure labels, pages).
extern std::string AA_s;
// The pen: the top left of the next text. Set by callers; every printer
// leaves X after what it drew, a cell leaves it at the cell's right edge.
extern float X, Y;
// The colour the printers draw text in (and DrawCurlyBrace its brace). Set by
// callers; 4 from StartUpState.
extern float CCC1;

// ---- work texts -------------------------------------------------------------

// The work text: the character a printer is on, the text a measure or a cell
// takes, and what the filters (NormaliseNumberText, StripMarkup,
// StripBracketsPlus, the sign turns, BracketNegative) change in place.
extern std::string A_s;
// The glyph being drawn by a printer (after ToFullWidthChar in plain text);
// ParseAnswer's denominator text; ErrorHandler's error code text.
extern std::string B_s;
// The upper and lower text of a two-line cell and the two operands of a
// column calculation, set by callers (TwoLineCell); ReduceFraction leaves the
// fraction as given and reduced here, AddFractions the two addends over the
// common denominator, StepArrow the length of its move in A1_s.
extern std::string A1_s, A2_s;

// ---- pen and width results --------------------------------------------------

// DrawTextChars: the pen after the plain text; DrawFraction: the fraction's
// left edge while it draws. The answer field reads it after each character.
extern float XT;
// The width of A_s as a printer draws it, left by MeasureWidth
// (MeasureMarkupWidth, MeasureBoldWidth); read by the cells, the labels and
// pages that centre a text.
extern float LLT;

// ---- the markup printer's state (kept from one text to the next) ------------

// 1: the next "(" and ")" are drawn tall. Set by callers (pages, worked
// answers); the glyph drawer clears it at the tall ")".
extern float KAKKO;
// 1 while DrawFraction measures and draws the parts of a built-up fraction:
// the glyphs take their smaller fraction forms.
extern float BUN;
// 1: the next character is an exponent (markup) or is drawn as typed (plain
// text). Set by "^" in PrintMarkup, DrawPlainText and the glyph drawer;
// cleared once used.
extern float JYOU;
// 1: the next character is a small exponent raised after a bracket, "(-5)\3".
// Set by "\" in the glyph drawer; cleared once used.
extern float JYOUK;
// The root overbar in force: 0 none, 1 after "√", 11 after "√" in a
// fraction, 22 after the tall "#". Set by PrintMarkup and the glyph drawer;
// "ﾝ" sets it back to 0.
extern float HROOT;
// Where the running root overbar starts; the glyph drawer moves it with the
// pen when no overbar is in force.
extern float TXM;

// ---- values a routine keeps while it changes them ---------------------------

// The pen width on entry, put back on exit by every routine that changes it
// (the printers, the boxes, the figures); any of them overwrites it.
extern float DR;
// The text colour the key-wait box keeps while it draws in colour 9.
extern float CCC0;

// ---- table cells (also read by some figures) --------------------------------

// The width of a cell (set by callers, SetCell). Also the brace's height
// (DrawCurlyBrace), the dot step in degrees of a dotted arc (DottedArc), and
// PlotCurveDots' count of steps (it sets 5000).
extern float HABA;
// The height of a cell (SetCell, pages); the rows of graph paper
// (DrawGraphPaper) and of the bar graph's grid.
extern float TATE;
// A cell's border colour (SetCell); the line colour of the figures (arrows,
// marks, polygons, dotted arcs, thin graph-paper rules; DrawCoordinatePlane
// draws its grid only when it is not 0).
extern float CCC2;
// A cell's fill colour (SetCell); the colour of plotted points and graphs and
// of an angle mark's arcs; DrawGraphPaper sets 14 for its thick rules.
extern float CCC3;

// ---- the answer field and the keys ------------------------------------------

// Where the answer field stands: (1056, 648), set by StartUpState and
// MainMenu; read by the field, the prompts and ClearStripRight.
extern float KAIX, KAIY;
// The number typed, from ParseAnswer (0 when the entry is no number). The
// example loop sets 3 to begin, the submenu 10 after it took its choice, and
// a few pages steer their loops with it.
extern float AINP;
// The submenu item chosen, set by TopicSubmenu.
extern float SENTAKU;
// The characters typed into the answer field, set by InputLine and KeyLoop.
extern std::string AINP_s;
// The last key read: KeyLoop and the key waits set it; WaitKeyQuiet leaves it
// empty. Read by TablesToTextAndKeyChoice and the number-line key reader.
extern std::string I_s;

// ---- fraction arithmetic ----------------------------------------------------

// The numerator and denominator ReduceFraction reduces (and leaves reduced);
// the two numbers GcdLcm takes. AddFractions leaves DB the common
// denominator. Set by pages.
extern float DS, DB;
// ReduceFraction's finding: 0 a zero denominator (nothing reduced), 1 a whole
// number, 2 reduced, 3 already in lowest terms.
extern float YAK;
// ReduceFraction: -1 for a negative fraction, 1 otherwise.
extern float YAK1;
// The two fractions AddFractions adds (numerator, denominator), set by pages;
// their signs are moved to the numerators.
extern float DSM1, DBM1;
extern float DSM2, DBM2;
// AddFractions: the sum's numerator over DB.
extern float DS4;
// GcdLcm: the greatest common divisor and the least common multiple of DS and
// DB. Also two x positions of DrawCurlyBrace.
extern float X3, X4;
// ReduceFraction: the result with "+" before a positive one. AddFractions:
// the second addend with its sign.
extern std::string A21_s;
// ReduceFraction: "given=reduced" (the fraction alone when nothing reduces).
// AddFractions: the two numerators' sum over the common denominator.
extern std::string A3_s;
// ReduceFraction: A3_s with the signs written out.
extern std::string A31_s;
// ReduceFraction: its result (A2_s) and the signed result (A21_s) with the
// markup taken out.
extern std::string TKAI1_s, TKAI2_s;
// ReduceFraction: "+" for a fraction that is not negative, else "".
extern std::string FDS1_s;
// AddFractions: the first addend with its sign ("+" too).
extern std::string A11_s;
// AddFractions: the sum, and the sum with its sign ("+" too).
extern std::string A4_s, A41_s;
// AddFractions: the two addends as one signed sum over the common denominator.
extern std::string A5_s;
// AddFractions: the sizes of the two addends over the common denominator.
extern std::string B3_s, B4_s;

// Where DrawFraction drew the numerator (TBSIYAK) and the denominator
// (TBBOYAK) of the last built-up fraction, for a page to cross them out.
extern float TBSIYAKX, TBSIYAKY;
extern float TBBOYAKX, TBBOYAKY;

// ---- the program's title and scratch numbers --------------------------------

// The program's title, set by StartUpState; the main menu prints it.
extern std::string TITLE_s;
// Scratch numbers: ReseedRandom's seed, ErrorHandler's line and code,
// LineThroughPoints' slope and intercept; DrawChevronMarks reads them as the
// ratio A:B in which it divides its segment. Pages use them too.
extern float A, B;

// ---- the layout cursor of a page --------------------------------------------

// The pen X after the last piece a page printed (XI2), and that piece's line
// (YI1). Both are set by the layout cursor (Say, Continue, Pieces,
// KeepCursor; layout_cursor.h), by DrawColumnCalculation and by pages, and so
// by GoalPage, which prints with Say. SetMargins sets YI1 alone, when it is
// given a top; OpenPage and AnswerColumn set it through SetMargins.
// EraseExampleArea puts YI1 back at the top of the random examples' area.
extern float XI2, YI1;

// ---- work globals -----------------------------------------------------------
// The printers, the cells, the fractions and the input overwrite these; each
// routine's file names the ones it uses, and a caller keeps nothing in them.

// DrawFraction: the bar's y and length, where "!" and "√" stand in the body,
// the widths of the numerator and the denominator and their insets under the
// bar, the fraction's top, and the numerator and denominator texts.
extern float BSEN, NAGA, TA5, TA6;
extern float TBSI, TBBO, TBSI1, TBBO1, YT;
extern std::string RTASKAI1_s, RTASKAI2_s;
// The length of a segment or an arrow (the segment marks, DrawArrow).
extern float D;
// ReduceFraction: the fraction as given and reduced; AddFractions: the two
// numerators over the common denominator (DS1, DS2).
extern float DB1, DS1, DS2, E1, E2;
// ReduceFraction and AddFractions: the texts of the numbers they write.
extern std::string DA1_s, DB_s, DS_s, DS1_s, DS2_s, DS3_s, DS4_s, B1_s, B2_s;
// GcdLcm: the product of the two numbers.
extern float LB8;
// The character a printer is on (markup, plain and bold printers); the entry
// TablesToTextAndKeyChoice is on.
extern float I;
// NormaliseNumberText: the byte it is on, the text's length, that byte and the
// text without blanks.
extern float IB8, KB8;
extern std::string X8_s, X9_s;
// The caller's tall-bracket flag, kept while a cell or a figure label
// measures its text.
extern float KAKKO1;
// DrawTextChars: how much higher a half-width glyph sits.
extern float L;
// The length of A_s in characters (DrawTextChars, the sign turns, pages).
extern float LE;
// The characters left of the text a printer eats; the length of AINP_s
// (ParseAnswer) and of a numerator text (ReduceFraction).
extern float LEM;
// A cell's left inset that centres its text; the first operand's width in a
// column calculation.
extern float LT1;
// Where "/" stands in the entry (ParseAnswer), where a built-up fraction's
// closing "ﾀ" stands (PrintMarkup), the place in ToFullWidthChar's second
// table; DrawStepsNumberLine's tick-top slot.
extern float N;
// The place in ToFullWidthChar's first table; where "ﾀ" stands in a cell's
// text (the cells).
extern float N1;
// The number of characters in the run a printer draws (R_s).
extern float NAG;
// ListDivisors: the count of divisors; PrimeFactorise: the trial prime it is
// on. Pages use it as a scratch number.
extern float P;
// The radius of the point PlotPoint draws (set by its caller); ArcPoint
// leaves a distance in it.
extern float R;
// Places and lengths in texts. TA1: the "/" (DrawFraction), the "-"
// (BracketNegative), the last "(" or "^" a filter took out, the length of the
// number DrawShortDivision divides. TA2: the byte count of the glyph a printer
// draws, the "^" in a denominator, the last ")" or "ﾝ" taken out, a
// dividend's length. TA3: the last "+", "ﾀ" or "=" taken out.
extern float TA1, TA2, TA3;
// The glyph pen of the markup and bold printers.
extern float TX, TY;
// X1, Y1: a cell's or a column calculation's top-left corner;
// LineThroughPoints' result point. X1, X2: GcdLcm's working pair, the left
// and right end of StepArrow's move. Scratch of DrawCurlyBrace and
// PlotCurveDots.
extern float X1, Y1, X2;
// The cells: the text line, the cell's bottom, the lower text's line and the
// upper text's line when it stands alone; the brace's y positions.
extern float Y2, Y3, Y4, Y22;
// Where the next typed character goes in the answer field (the cursor).
extern float XX, YY;
// PrintMarkup: the rest of the line, kept while a built-up fraction is drawn.
extern std::string AA_A_s;
// ToFullWidthChar: its two conversion tables, keys and glyphs.
extern std::string HENK1_s, HENK2_s, HENK_s, HENK3_s;
// The text of the cell being printed.
extern std::string MOTOA_s;
// The run of characters a printer draws.
extern std::string R_s;

// ---- shared arrays: every index from 0 up to the bound ----------------------

// The pages' second number table and its texts: F_sa(k) is set from F(k) by
// TablesToTextAndKeyChoice; the number lines put their scale labels in F_sa.
extern Array1<std::string, 40> F_sa;
extern Array1<float, 40> F;
// The pages' number table (the numbers of the example shown) and its texts:
// T_s(k) is set from T(k) by TablesToTextAndKeyChoice, BracketNegativeTexts
// and PlusSignTexts, and by pages.
extern Array1<std::string, 80> T_s;
extern Array1<float, 80> T;
// Cleared by DimSharedArrays; no routine uses it.
extern Array2<std::string, 5, 2> TKAI_s;
// PrimeFactorise: G(1, k) a prime, G(2, k) its exponent, slot 10 the
// cofactor. DrawPolygon: G(1, k), G(2, k) the x and y of vertex k.
extern Array2<float, 2, 10> G;
// ListDivisors: the divisors and their co-divisors. The number lines keep
// their geometry in slots 31 to 34, the step moves their marker and start in
// X_a(1), X_a(2); pages keep numbers and places in them.
extern Array1<float, 50> X_a;
extern Array1<float, 50> Y_a;
// The trial primes 2 to 29, set by PrimeFactorise.
extern Array1<float, 10> R_a;
// Texts of the pages: PolygonVertexLabels takes its labels from X_sa, the bar
// graph its axis labels from Y_sa.
extern Array1<std::string, 20> X_sa;
extern Array1<std::string, 20> Y_sa;
// A written root or reduction a page keeps (RAB_sa(1)).
extern Array1<std::string, 10> RAB_sa;
// Places kept on a page (x in U, y in V); U(31), V(31) the top left of the
// random examples' area (RandomExamplePageHead, EraseExampleArea).
extern Array1<float, 40> U;
extern Array1<float, 40> V;

// Every shared array back to zeros and empty texts.
void DimSharedArrays();
