// Bounds-checked arrays indexed like the lessons index them: every index runs
// from 0 up to the declared bound, both included. An index is converted to a
// whole number by the runtime's rule; one outside the bounds is the runtime's
// "subscript out of range" error.
#pragma once

#include <array>

#include "errors.h"
#include "numbers.h"

namespace detail {
inline int CheckedIndex(double index, int bound, Where where) {
  int i = PbFstInt(index, where);
  if (i < 0 || i > bound) RaiseError(kSubscriptOutOfRange, where);
  return i;
}
}  // namespace detail

template <class E, int Bound>
class Array1 {
 public:
  E& operator()(double i, Where where = Where::current()) {
    return v_[detail::CheckedIndex(i, Bound, where)];
  }
  void Clear() { v_.fill(E{}); }
  static constexpr int bound = Bound;

 private:
  std::array<E, Bound + 1> v_{};
};

template <class E, int Bound1, int Bound2>
class Array2 {
 public:
  E& operator()(double i, double j, Where where = Where::current()) {
    int a = detail::CheckedIndex(i, Bound1, where);
    int b = detail::CheckedIndex(j, Bound2, where);
    return v_[a * (Bound2 + 1) + b];
  }
  void Clear() { v_.fill(E{}); }

 private:
  std::array<E, (Bound1 + 1) * (Bound2 + 1)> v_{};
};
