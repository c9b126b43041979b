// Draws from a table of numbers: the shared table `X()` filled from a list,
// and an entry taken out of it so that a later draw cannot give it again.
#pragma once

#include <initializer_list>

// X(1), X(2), ... set to `entries` in order; the entries after them stay.
void LoadTable(std::initializer_list<float> entries);
// Entry `index` of `X()` is taken out: the entries after it, up to
// X(`last`), move down one place (X(`last`) itself stays). Returns the entry
// taken.
float TakeFromTable(float index, float last);
