#include "exercise_column.h"

#include "layout_cursor.h"
#include "shell.h"

namespace pellith {

void ExerciseColumn(const ExerciseColumnData& column) {
  SetMargins({.margin = column.left, .top = 30});
  Say(column.heading, XI1, YI1, column.heading_colour);
  int k = 0;
  for (const ExerciseRow& row : column.rows) {
    ++k;
    Say(row.prefix, XI1, YI1 + 60, 0);
    Continue(row.given, 3);
    Continue(row.suffix, 0);
    X_a(k) = X;
    Y_a(k) = Y;
  }
  k = 0;
  for (const ExerciseRow& row : column.rows) {
    ++k;
    WaitAnyKey();
    if (row.working.empty()) {
      Say(row.value, X_a(k), Y_a(k), 3);
    } else {
      Say(row.working, X_a(k), Y_a(k), 0);
      Continue(row.value, 3);
    }
  }
  if (!column.note.empty()) {
    WaitAnyKey();
    Say(column.note, XI1, YI1 + 60, 5);
  }
  if (column.ends_with_key) WaitAnyKey();
}

}  // namespace pellith
