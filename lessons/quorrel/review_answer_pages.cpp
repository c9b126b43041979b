// The frame of the review answer pages, and the worked answer whose result
// follows its last line.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

void ReviewAnswersPage(const char* title, float top, float fill) {
  OpenPage({.width = 1760, .height = 1800, .left = 40, .indent = 54, .top = top});
  Cell(XI1, YI1, 396, 46, 0, 4, fill, title);
  KeepCursor();
}

void ReviewNumberCell(const std::string& number, float x, float y) {
  Cell(x, y, PfKLEN(number) == 1 ? 44 : 80, 44, 13, 4, 3, number);
  KeepCursor();
}

void ReviewNumberCellBesideTitle(const std::string& number) {
  ReviewNumberCell(number, XI2 + 20, YI1);
}

WorkedAnswer Worked(const char* label, float gap, const char* problem,
                    std::initializer_list<std::pair<float, const char*>> lines,
                    const char* result) {
  WorkedAnswer answer{label, gap, {Beside(problem, 0)}};
  for (const auto& [step, text] : lines) answer.lines.push_back(Below(text, step));
  answer.lines.push_back(Beside(result, 5));
  return answer;
}

}  // namespace quorrel
