// A column of exercises: a heading, rows whose given number stands out in
// colour 3, each row's answer revealed at its "=" one key at a time, and an
// optional closing note in colour 5.
#pragma once

#include <string>
#include <vector>

namespace pellith {

// One row: the prefix, the given number and the suffix that ends with "=";
// its answer is `value` in colour 3, after `working` in colour 0 when the
// row has a working.
struct ExerciseRow {
  std::string prefix, given, suffix;
  std::string working;
  std::string value;
};

struct ExerciseColumnData {
  float left;
  std::string heading;
  float heading_colour;
  std::vector<ExerciseRow> rows;  // up to 4, 60 apart below the heading
  std::string note;               // empty: none
  bool ends_with_key;
};

// The heading at (left, 30), the rows, then one key before each answer and
// before the note. The pen after each row's "=" is kept in X_a(k), Y_a(k).
void ExerciseColumn(const ExerciseColumnData& column);

}  // namespace pellith
