// The table of one week's records with its row of differences from a
// provisional mean, and the bar graph beside it.
#include "week_tables.h"

#include "bar_graph.h"
#include "figures.h"
#include "number_texts.h"
#include "page_faces.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"

namespace quorrel {

namespace {

constexpr float kRowHeight = 50;
const char* const kDays[] = {"月", "火", "水", "木", "金"};

float Width(int column) {
  return X_a(column + 1) - X_a(column);
}

}  // namespace

void WeekRowTops() {
  Y_a(0) = 20;
  for (int i = 1; i <= 4; ++i) Y_a(i) = Y_a(i - 1) + kRowHeight;
}

void WeekTableFrame() {
  X_a(0) = 680;
  X_a(1) = X_a(0) + 114;
  for (int i = 2; i <= 6; ++i) X_a(i) = X_a(i - 1) + 90;
  WeekRowTops();
  for (int i = 1; i <= 5; ++i) X_sa(i) = kDays[i - 1];
  for (int i = 1; i <= 5; ++i) Cell(X_a(i), Y_a(0), Width(i), kRowHeight, 0, 3, 13, X_sa(i));
}

void WeekRow(const char* title, int base, bool with_differences) {
  for (int i = 0; i <= 5; ++i) {
    if (i == 0) {
      Cell(X_a(0), Y_a(1), Width(0), kRowHeight, 0, 3, 13, title);
    } else {
      Cell(X_a(i), Y_a(1), Width(i), kRowHeight, 0, 3, 15, T_s(base + i));
    }
    if (!with_differences) continue;
    Cell(X_a(i), Y_a(2), Width(i), kRowHeight, 0, 3, i == 0 ? 13 : 15, i == 0 ? "違い" : "");
  }
}

void WeekBarGraph(int base, float kari) {
  GGX = 800;
  GGY = 250;
  YOKO = 5;
  TATE = 7;
  SIZEX = 50;
  SIZEY = 50;
  YTANI = 5;
  CCC4 = 3;
  KARI = kari;
  Y_a(0) = 30;
  for (int i = 1; i <= 5; ++i) Y_a(i) = T(base + i) - 30;
  for (int i = 1; i <= 5; ++i) X_sa(i) = kDays[i - 1];
  Y_sa(0) = "(回)";
  Y_sa(1) = "40";
  Y_sa(2) = "50";
  Y_sa(3) = "60";
  BarGraph();
}

void WeekDifferences(int base, float kari) {
  for (int day = 1; day <= 5; ++day) {
    WaitAnyKey();
    if (day == 1) WeekRowTops();
    const float difference = T(base + day) - kari;
    const std::string text = (difference > 0 ? "+" : "") + NumberText(difference);
    Cell(X_a(day), Y_a(2), Width(day), kRowHeight, 5, 3, 15, text);
  }
}

}  // namespace quorrel
