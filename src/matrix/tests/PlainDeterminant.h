// The cofactor expansion along row 0 down to the rule of Sarrus, as written: the determinant's
// reference, bit for bit and in time. n! work: small orders only.
#pragma once

#include <algorithm>
#include <array>
#include <numeric>

#include "uMatrixes.h"

namespace plain {

inline constexpr size_t kLargestOrder = 16;

// The determinant of the k rows from `row` on, with the k columns listed in increasing order.
inline Extended Expand(const TwoDimDynA& a, size_t row, const size_t* c, size_t k) {
    const ArrayOfExtended& r0 = a[row];
    if (k == 1) {
        return r0[c[0]];
    }
    const ArrayOfExtended& r1 = a[row + 1];
    if (k == 2) {
        return r0[c[0]] * r1[c[1]] - r1[c[0]] * r0[c[1]];
    }
    if (k == 3) {
        const ArrayOfExtended& r2 = a[row + 2];
        return r0[c[0]] * r1[c[1]] * r2[c[2]] + r0[c[1]] * r1[c[2]] * r2[c[0]] +
               r0[c[2]] * r1[c[0]] * r2[c[1]] - r0[c[2]] * r1[c[1]] * r2[c[0]] -
               r0[c[1]] * r1[c[0]] * r2[c[2]] - r0[c[0]] * r1[c[2]] * r2[c[1]];
    }
    Extended sum = 0;
    for (size_t j = 0; j < k; ++j) {
        std::array<size_t, kLargestOrder> rest;
        std::copy(c + j + 1, c + k, std::copy(c, c + j, rest.begin()));
        const Extended t = j % 2 == 0 ? r0[c[j]] : -r0[c[j]];  // (-1)^j times the element
        sum = Expand(a, row + 1, rest.data(), k - 1) * t + sum;
    }
    return sum;
}

inline Extended Determinant(const TwoDimDynA& a) {
    std::array<size_t, kLargestOrder> columns;
    std::iota(columns.begin(), columns.end(), size_t{0});
    return Expand(a, 0, columns.data(), a.size());
}

}  // namespace plain
