// The number line from -7 to 7: ticks every half unit, a thicker axis, unit
// ticks with their labels beneath. One unit is 80 units of the page, so v
// stands at X_a(32) + 80 v on the height Y_a(31) (0 selects 240). The labels
// are left in F_sa(1) to F_sa(15); the line ends with draw width 3.
#pragma once

// How the labels sit under their ticks.
enum class SignedLineLabels {
  kCentred,  // each label centred under its tick by its measured width
  kFixed,    // 27 left of the tick for "-7" to "-1", 14 for "0" to "7"
};

void DrawSignedNumberLine(SignedLineLabels place);
