// The globals of the figures: the points, lengths, directions, labels and
// frames that a caller sets before it calls a figure routine, and the work
// globals the routines leave changed. Figures keep nothing else between calls.
//
// Each comment says what the global holds and which routines set it. The
// shell's globals (globals.h) serve the figures too: the pen X, Y, the
// colours CCC1 (labels), CCC2 (lines) and CCC3 (points, graphs, angle marks),
// HABA, TATE, the tables G(), X_a(), Y_a(), X_sa() and the scratch A, B, P, R.
#pragma once

#include <string>

#include "globals.h"

// ---- points of a figure -----------------------------------------------------

// The first point: an arrow's tip end, an angle's vertex, a dotted arc's
// start P0, the point a label is placed at. Set by callers (ArrowTo,
// DottedArc, LabelVertex, DrawDimensionArrow); DrawArrow leaves the tip of the
// last head here, DrawDottedArc the arc's middle.
extern float ZX0, ZY0;
// The second point: ray 1 of an angle, the end P1 of a dotted arc. Set by
// callers; DrawArrow leaves a head stroke's start, ArcPoint the point before
// it is turned, DrawDottedArc P0.
extern float ZX1, ZY1;
// The third point: ray 2 of an angle. Set by callers (LabelVertex);
// DrawArrow leaves the other head stroke's start, LayDownChord the laid-down
// centre, DrawDottedArc P1.
extern float ZX2, ZY2;
// An arrow's other end (set by callers); the point PointOnArc and ArcPoint
// find.
extern float ZX, ZY;
// DrawCornerMark: the corners of its rhombus; ArcPoint: the point before it is
// turned (ZX3, ZY3).
extern float ZX3, ZY3, ZX4, ZY4, ZX5, ZY5;
// P0 and P1 of a chord, kept by LayDownChord.
extern float ZX11, ZY11, ZX12, ZY12;

// ---- segments and straight lines --------------------------------------------

// The segment from A to B that the marks and the line routines take, set by
// callers.
extern float AX, AY, BX, BY;
// Point C: where DrawPerpendicularFoot drops its foot from, the start of
// IntersectLines' second line, LineThroughPoints' given x (CY < 0) or y
// (CX < 0). As work: the difference B - A (segment marks), tip - tail
// (arrows), P1 - P0 (arcs).
extern float CX, CY;
// Point D, the end of IntersectLines' second line. As work: the unit
// direction of a segment or an arrow. DY is also the number ListDivisors
// takes and half a label's height (DrawLabelAtPoint).
extern float DX, DY;
// The ends of a tick's or a chevron's strokes. IntersectLines: AX1 0 when
// the lines meet, -1 when they are parallel; (AX2, AY2) where they meet.
extern float AX1, AY1, AX2, AY2;
// The tip of a chevron (DrawChevronMarks).
extern float BX1, BY1;
// The foot of the perpendicular (DrawPerpendicularFoot); as work, the base of
// an arrow head, of a chevron, the ticks' reference point.
extern float EX, EY;
// IntersectLines: the slope and intercept of line AB and of line CD (a
// vertical line has the slope marker 1000).
extern float A1, B1, A2, B2;
// DrawPerpendicularFoot: the slope and intercept of AB (AA1, BB1) and of the
// perpendicular (AA2, BB2). DrawCoordinatePlane: the x range AA1 to AA2 and
// the y range BB1 to BB2, set by callers in values and left in grid squares;
// PlotCurveDots draws over AA1 to AA2, DrawGraphLabelSegment over BB1 to BB2.
extern float AA1, AA2, BB1, BB2;

// ---- marks on segments and angles -------------------------------------------

// How many marks: ticks and chevrons (1 to 6), the arcs of an angle mark (0
// or less for a filled sector). Set by callers; out-of-range values become 1
// (DrawTickMarks keeps 0 and draws one tick).
extern float HONSU;
// A length set by callers: an arrow head's size, a tick's half-length, a
// chevron's size, an angle mark's or a corner mark's size, how far a label
// stands out along the bisector. DrawLabelAtPoint sets it back to 0.
extern float NAGASA;
// DrawAngleMark: the radius of the arc being drawn. DrawPolygon: NAGASA kept
// for each vertex label.
extern float NAGASA1;
// The step between ticks (0 or above 30 counts as 8); DrawTickMarks leaves it
// moved past the last tick and the step in AIDA1.
extern float AIDA, AIDA1;
// -1: RayAngles exchanges the rays (a label goes in the other angle). The
// shift of the ticks from the segment's middle (DrawTickMarks). The number
// lines keep a label's left shift here. The label routines set it back to 0.
extern float ITI;

// ---- directions and angles --------------------------------------------------

// 3.14159, set by RayAngles and SegmentAngle before they use it.
extern float PI;
// The last direction found, in radians (RayAngles, SegmentAngle).
extern float HHP;
// An angle: SegmentAngle's direction in degrees; the parameter angle in
// radians of the point ArcPoint finds (PointOnArc, DrawDottedArc);
// AngleDegreesText's angle in degrees.
extern float HH;
// RayAngles: the two rays' directions as fractions of a turn clockwise, as
// the arc operation takes them (DrawAngleMark).
extern float HH1, HH2;
// RayAngles: the two rays' directions in radians, and the bisector of the
// sweep from ray 1 to ray 2 (the sweep itself after AngleDegreesText).
extern float HH3, HH4, HH5;
// The chord's direction (LayDownChord), read by ArcPoint.
extern float H;
// PointOnArc's parameter angle in degrees, set by callers.
extern float KAKUDO;
// AngleDegreesText: the angle in degrees, one decimal.
extern std::string KAKUDO_s;

// ---- arrows -----------------------------------------------------------------

// -1: the head at (ZX0, ZY0), otherwise at (ZX, ZY). Set by callers
// (ArrowTo, DrawDimensionArrow); DrawArrow sets it back to 0.
extern float MUKI;
// 2: heads at both ends (DrawArrow sets it back to 0). Set by callers.
extern float YA;

// ---- dotted arcs ------------------------------------------------------------

// The arc's height across its chord (0 to 16 in sixteenths, a negative one by
// its size); DrawDottedArc leaves the corrected height. Set by callers
// (DottedArc). DrawColumnCalculation: the step from one operand to the next.
extern float TAKASA;
// > 0: the arc on the right of a walker from P0 to P1, otherwise on the left.
// Set by callers (DottedArc).
extern float HOUKOU;
// > 0: only that many degrees of the arc are dotted (not with HOUKOU 0).
// Set by callers; DrawDottedArc sets it back to 0.
extern float NAKA;
// DrawDottedArc: the first and last parameter angle, in degrees.
extern float D1, D2;
// Half the chord (LayDownChord), read by ArcPoint.
extern float RR;

// ---- labels -----------------------------------------------------------------

// The label's text, set by callers (DottedArc, pages): a figure label, a
// point's or a graph's name. DrawPolygon: "1" labels the vertices with
// X_sa(), any other text with letters from its first one. The label routines
// set it back to "".
extern std::string AAA_s;
// Extra shift of a label (DrawLabelAtPoint), set by callers; set back to 0.
extern float AAAX, AAAY;
// 1: DrawLabelAtPoint draws its label with the bold printer; set back to 0.
extern float MU_DO;

// ---- polygons ---------------------------------------------------------------

// The number of vertices in G() (DrawPolygon), set by callers.
extern float KAKU;
// LabelVertex: the next two vertices after the one labelled.
extern float KJ1, KJ2;
// PolygonVertexLetters: the character code of the first letter.
extern float KJ3;
// PolygonVertexLabels: the vertex being labelled.
extern float TII;

// ---- prime factorisation and the division ladder ----------------------------

// The number PrimeFactorise factorises and DrawShortDivision divides, set by
// callers (the ladders); PrimeFactorise gives back its size.
extern float SOSU;
// PrimeFactorise: the number kept while SOSU is divided down; the slot it
// clears.
extern float SOSU1, TJ;
// PrimeFactorise: how many slots of G() it filled; DrawShortDivision reads
// it. Pages use it as a scratch number.
extern float Q;
// DrawShortDivision: 1 waits for a key after every bar and quotient; set back
// to 0. DrawCoordinatePlane: -1 leaves the scale numbers out; set back to 0.
extern float NASI;
// The ladder's divisor column and the top of its first row, set by callers;
// DrawShortDivision leaves YTAKE at its bottom row.
extern float XTAKE, YTAKE;
// DrawShortDivision: the dividend of the row, the row, the divisor's text.
extern float TA, J;
extern std::string SO_s;

// ---- divisors and square roots ----------------------------------------------

// ListDivisors: the divisor pairs, half the number of divisors rounded up.
extern float KOSUU;
// SimplifySquareRoot: the radicand (set by callers; left what stays under
// the root), the factor taken out, the radicand as given, the trial factor.
extern float R1B, R1A, R1B1, R1I;
// SimplifySquareRoot: the factor taken out and "!" with what stays under the
// root, as texts.
extern std::string R1A_s, R1A1_s;
// SimplifySquareRoot: the root part closed with "ﾝ", the unsimplified root
// with "=" after it.
extern std::string R1B_s, RABM_s;
// The simplified square root (SimplifySquareRoot; defined with it).
extern std::string RAB_s;

// ---- graph paper and the coordinate plane -----------------------------------

// The top-left corner of graph paper or of the plane, set by callers;
// DrawCoordinatePlane puts (640, 180) for (0, 0).
extern float GGX, GGY;
// The side of a grid square, set by callers.
extern float SIZE;
// The columns of graph paper and the bars of a bar graph, set by callers.
extern float YOKO;
// The frame that points and graphs are placed by: the origin (GX0, GY0), the
// top-left corner (GX1, GY1) and the bottom-right one (GX2, GY2). Set by
// DrawCoordinatePlane, DrawGraphPaper and the bar graph.
extern float GX0, GY0, GX1, GY1, GX2, GY2;
// The value of one grid square along x and y (0 counts as 1), set by callers;
// PlotPoint and PlotFunction set them back to 1.
extern float BAIX, BAIY;
// DrawCoordinatePlane: the font size of its numbers (26, or 30 for squares of
// 40 and more). DrawPolygon: the pen width of its sides.
extern float SIZE1;
// A scale value's whole part and tenths digit (DrawPlaneScaleNumbers), and
// their texts. PlotCurveDots: the step in x (P1). Pages use P1, P2 too.
extern float P1, P2;
extern std::string P1_s, P2_s;

// ---- points and graphs on the plane -----------------------------------------

// The point PlotPoint draws, in the plane's values; set by callers.
extern float XG, YG;
// Where a point or a graph's dot lands on the page (PlotPoint,
// PlotCurveDots).
extern float GX, GY;
// Extra shift of a point's or a graph's label, set by callers; PlotPoint and
// PlotFunction set them back to 0.
extern float KASANARIX, KASANARIY;
// The graph's kind (PlotFunction): 1 y = AA/x, 2 y = AA x^2, 3 y = AA x + BB,
// 4 AA x + BB y = CC (turned into 3 unless it is vertical). Set by callers.
extern float IROIRO;
// The graph's coefficients, set by callers; PlotFunction rewrites a kind-4
// line into AA, BB. CC is the x of a vertical line (DrawGraphLabelSegment).
extern float AA, BB, CC;
// PlotCurveDots: the point it is on, in values.
extern float GX5, GY5;
// The two points of DrawDimensionArrow, set by callers; it swaps them so that
// point 3 is the left one.
extern float GX3, GY3, GX4, GY4;
// DrawDimensionArrow: "y" in its first or second character asks for the
// run's or the rise's label. Set by callers.
extern std::string HYOUJI_s;
// The run and the rise as texts, left by DrawDimensionArrow (defined with it).
extern std::string X_s, Y_s;

// ---- braces and column calculations -----------------------------------------

// DrawCurlyBrace: the lower y positions of the brace.
extern float Y5, Y6, Y7;
// The operation sign DrawColumnCalculation writes, set by callers.
extern std::string ENZAN_s;
// DrawColumnCalculation: the wider operand's width, the second operand's.
extern float LT, LT2;
// DrawColumnCalculation: the x where the operands' texts start. Pages keep a
// column's x here too.
extern float XI3;

// ---- loops ------------------------------------------------------------------

// The loop counter of the figure routines; the number lines and pages count
// with it too.
extern float II;
