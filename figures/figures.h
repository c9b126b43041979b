// The figure routines and the mathematical helpers of the lessons. Like the
// shell's routines they take no arguments: a caller sets the globals of
// figure_globals.h, calls the routine and reads its results there.
#pragma once

#include "figure_globals.h"
#include "shell.h"

// Arrows, directions, labels and dotted arcs.
void DrawArrow();
void SegmentAngle();
void RayAngles();
void DrawLabelAtPoint();
void DrawDottedArc();

// Factorisation, the division ladder, divisors, number texts.
void PrimeFactorise();
void DrawShortDivision();
void ListDivisors();
void StripBracketsPlus();
void SimplifySquareRoot();

// Marks on segments and angles.
void DrawTickMarks();
void DrawChevronMarks();
void DrawAngleMark();
void DrawCornerMark();
void AngleDegreesText();
void PointOnArc();

// Plane figures and line geometry.
void DrawGraphPaper();
void DrawPolygon();
void PolygonVertexLetters();
void PolygonVertexLabels();
void IntersectLines();
void DrawPerpendicularFoot();
void LineThroughPoints();
void DrawDimensionArrow();
void DimensionLabelH();
void DimensionLabelV();

// The coordinate plane, its points and graphs.
void DrawCoordinatePlane();
void DrawPlaneScaleNumbers();
void PlotPoint();
void PlotFunction();
void PlotCurveDots();
void DrawGraphLabelSegment();
void SignedNumberText();
void StripLeadingPlus();
void StripLeadingSign();

// Braces and column calculations.
void DrawCurlyBrace();
void DrawColumnCalculation();
