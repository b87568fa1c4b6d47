// The cofactor expansion along row 0 exactly as it is written, each minor expanded again down to
// the rule of Sarrus: the reference for the determinant's results, bit for bit, and for its time.
// n! work: for small orders only.
#pragma once

#include <array>

#include "uMatrixes.h"

namespace plain {

inline constexpr size_t kLargestOrder = 16;

// The determinant of rows row..n-1 of a with the k columns listed, in increasing order.
inline Extended Expand(const TwoDimDynA& a, size_t row, const size_t* columns, size_t k) {
    if (k == 3) {
        const ArrayOfExtended& r0 = a[row];
        const ArrayOfExtended& r1 = a[row + 1];
        const ArrayOfExtended& r2 = a[row + 2];
        const Extended a00 = r0[columns[0]], a01 = r0[columns[1]], a02 = r0[columns[2]];
        const Extended a10 = r1[columns[0]], a11 = r1[columns[1]], a12 = r1[columns[2]];
        const Extended a20 = r2[columns[0]], a21 = r2[columns[1]], a22 = r2[columns[2]];
        return a00 * a11 * a22 + a01 * a12 * a20 + a02 * a10 * a21 - a02 * a11 * a20 -
               a01 * a10 * a22 - a00 * a12 * a21;
    }
    Extended sum = 0;
    for (size_t j = 0; j < k; ++j) {
        std::array<size_t, kLargestOrder> rest;
        size_t kept = 0;
        for (size_t c = 0; c < k; ++c) {
            if (c != j) {
                rest[kept++] = columns[c];
            }
        }
        const Extended t = IntPower(-1, static_cast<int32_t>(j)) * a[row][columns[j]];
        sum = Expand(a, row + 1, rest.data(), k - 1) * t + sum;
    }
    return sum;
}

inline Extended Determinant(const TwoDimDynA& a) {
    const size_t n = a.size();
    if (n == 1) {
        return a[0][0];
    }
    if (n == 2) {
        return a[0][0] * a[1][1] - a[1][0] * a[0][1];
    }
    std::array<size_t, kLargestOrder> columns{};
    for (size_t c = 0; c < n; ++c) {
        columns[c] = c;
    }
    return Expand(a, 0, columns.data(), n);
}

}  // namespace plain
