// The half-ellipse over a chord that the dotted arcs and the point on an arc
// share: the chord from P0 (ZX0, ZY0) to P1 (ZX1, ZY1) laid down from P0
// towards increasing x, and one point of the arc on it turned back about P0.
#pragma once

// Keeps P0 and P1 in (ZX11, ZY11) and (ZX12, ZY12); sets CX, CY, the half
// chord RR, the laid-down centre (ZX2, ZY2) and the chord's direction H.
void LayDownChord();
// The point at parameter angle HH (radians) of the arc of height TAKASA: 0
// at P1, pi/2 at the middle, pi at P0. Leaves it in (ZX, ZY); a chord of no
// length is the runtime's division error.
void ArcPoint();
