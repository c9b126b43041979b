// The table of one week's records with its row of differences from a
// provisional mean, and the bar graph beside it.
#pragma once

namespace quorrel {

// The table's geometry: column edges `X_a(0)`..`X_a(6)` (680, 794, then 90
// apart), row tops `Y_a(0)`..`Y_a(4)` (20, then 50 apart), the day names in
// `X_sa(1)`..`X_sa(5)`; then the row of day names (no corner cell).
void WeekTableFrame();
// The row of a week's records (`title` and `T(base + 1)`..`T(base + 5)`),
// and, where `with_differences`, the row "違い" of empty cells under it.
void WeekRow(const char* title, int base, bool with_differences);
// The row tops again, after the bar graph has used `Y_a()` for its values.
void WeekRowTops();
// The bar graph of the records `T(base + 1)`..`T(base + 5)` above 30, with
// the line of the provisional mean `kari`.
void WeekBarGraph(int base, float kari);
// The differences of the five days from `kari`, one a key, each in its cell
// in colour 5: "+" before a positive one, none before 0. The row tops are
// set again first.
void WeekDifferences(int base, float kari);

}  // namespace quorrel
