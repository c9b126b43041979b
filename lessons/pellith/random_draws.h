// The random draws of Pellith's generated examples.
#pragma once

#include <string>

namespace pellith {

// 1 or -1, each as likely.
float RandomSign();
// "+" for 1, "-" for -1.
std::string SignText(float sign);
// "" for 1, "-" for -1: the sign as a result shows it.
std::string MinusText(float sign);
// The remainder of a division of whole numbers.
float Remainder(float a, float b);

}  // namespace pellith
