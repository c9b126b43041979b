#include "worked_answers.h"

#include "layout_cursor.h"

namespace pellith {

void SayWorkedAnswer(const std::string& label, float label_colour, float y,
                     const std::string& question, std::initializer_list<std::string> working,
                     const std::string& value) {
  Say(label, XI0, y, label_colour);
  Say(question, XI1 + 16, y, 0);
  bool fraction_above = false;
  for (const std::string& line : working) {
    Say(line, XI1, YI1 + 54, 0);
    fraction_above = line.find("ﾀ") != std::string::npos;
  }
  Say(value, XI1, YI1 + (fraction_above ? 80 : 54), 5);
}

}  // namespace pellith
