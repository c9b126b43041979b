// Draws from a table of numbers: the shared table `X_a()` filled from a list,
// and an entry taken out of it so that a later draw cannot give it again.
#pragma once

#include <initializer_list>

// X_a(1), X_a(2), ... set to `entries` in order; the entries after them stay.
void LoadTable(std::initializer_list<float> entries);
// Entry `index` of `X_a()` is taken out: the entries after it, up to
// X_a(`last`), move down one place (X_a(`last`) itself stays). Returns the entry
// taken.
float TakeFromTable(float index, float last);
