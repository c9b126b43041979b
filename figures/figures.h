// The figure routines and the mathematical helpers of the lessons. Like the
// shell's routines they take no arguments: a caller sets the globals of
// figure_globals.h, calls the routine and reads its results there. Each
// file's opening comment says which globals its routines read and leave, and
// names every shared global its code changes.
#pragma once

#include "figure_globals.h"
#include "shell.h"

// ---- arrows, directions, labels and dotted arcs -----------------------------

// An arrow from (ZX0, ZY0) to (ZX, ZY) in CCC2, head(s) by MUKI and YA.
void DrawArrow();
// The direction from (ZX0, ZY0) to (ZX1, ZY1): HHP radians, HH degrees.
void SegmentAngle();
// The directions of the rays from (ZX0, ZY0) through (ZX1, ZY1) and (ZX2, ZY2).
void RayAngles();
// AAA_s beside (ZX0, ZY0), NAGASA out along the bisector of its rays' angle.
void DrawLabelAtPoint();
// A dotted half-ellipse over (ZX0, ZY0)-(ZX1, ZY1), TAKASA high, labelled.
void DrawDottedArc();

// ---- factorisation, the division ladder, divisors, number texts -------------

// SOSU into primes: G(1, k) the primes, G(2, k) their exponents, k to Q.
void PrimeFactorise();
// The short-division ladder of SOSU from G() and Q, at (XTAKE, YTAKE).
void DrawShortDivision();
// The divisors of DY in X_a(1) to X_a(P), their co-divisors in Y_a().
void ListDivisors();
// Takes every "(", ")" and "+" out of A_s.
void StripBracketsPlus();
// The square root of R1B as a√b, in markup texts (RAB_s, R1A_s, ...).
void SimplifySquareRoot();

// ---- marks on segments and angles -------------------------------------------

// HONSU ticks across the segment AB past its middle, in CCC2.
void DrawTickMarks();
// HONSU chevrons on AB pointing towards B, from the point dividing it A:B.
void DrawChevronMarks();
// HONSU arcs (or a filled sector) at the vertex (ZX0, ZY0), and its label.
void DrawAngleMark();
// The right-angle mark at (ZX0, ZY0) between its two rays, NAGASA wide.
void DrawCornerMark();
// KAKUDO_s = the angle from ray 1 to ray 2 in degrees, one decimal.
void AngleDegreesText();
// (ZX, ZY) = the point at KAKUDO degrees on the arc DrawDottedArc would draw.
void PointOnArc();

// ---- plane figures and line geometry ----------------------------------------

// YOKO x TATE squares of SIZE from (GGX, GGY), every fifth rule thick.
void DrawGraphPaper();
// The polygon through the KAKU vertices in G(), its vertices labelled on request.
void DrawPolygon();
// Labels the vertices with letters from the first character of AAA_s.
void PolygonVertexLetters();
// Labels the vertices with X_sa(1) to X_sa(KAKU).
void PolygonVertexLabels();
// Where line AB meets line CD: (AX2, AY2), AX1 -1 when they are parallel.
void IntersectLines();
// (EX, EY) = the foot of the perpendicular from C to line AB, marked white.
void DrawPerpendicularFoot();
// (X1, Y1) = the point of line AB at the height CY (CX < 0) or at the x CX (CY < 0).
void LineThroughPoints();
// The run and the rise from (GX3, GY3) to (GX4, GY4) as two arrows.
void DrawDimensionArrow();
// The run's size X_s beside its arrow.
void DimensionLabelH();
// The rise's size Y_s beside its arrow.
void DimensionLabelV();

// ---- the coordinate plane, its points and graphs ----------------------------

// The axes (and the grid) of the plane from (GGX, GGY); its frame in GX0 to GY2.
void DrawCoordinatePlane();
// The values at every fifth grid line, BAIX and BAIY a square, tenths too.
void DrawPlaneScaleNumbers();
// The point (XG, YG) of the plane as a dot of radius R in CCC3, named AAA_s.
void PlotPoint();
// The graph of kind IROIRO with AA, BB, CC on the plane, named AAA_s.
void PlotFunction();
// The dots of the graph over x from AA1 to AA2.
void PlotCurveDots();
// The vertical line x = CC of the plane, from BB1 to BB2.
void DrawGraphLabelSegment();
// A_s with its sign turned: "-3" -> "+3", "+3" -> "-3", "3" -> "-3".
void SignedNumberText();
// A_s without a leading "+".
void StripLeadingPlus();
// A_s without a leading "+" or "-".
void StripLeadingSign();

// ---- braces and column calculations -----------------------------------------

// An opening brace "{" at (X, Y), HABA high, in CCC1.
void DrawCurlyBrace();
// A1_s over A2_s with the sign ENZAN_s and a rule under them, at (X, Y).
void DrawColumnCalculation();
