#pragma once
// Cached cosines and sines of the angles 2*pi*i/n, i = 0..n, so that solids
// drawn every frame do no trigonometry of their own.
#include <vector>

struct CosSin {
    double c, s;
};

// n + 1 entries for n >= 1; the reference stays valid for the program's life.
const std::vector<CosSin>& unitCircle(int n);
