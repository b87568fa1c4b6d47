// The determinant.
#include <bit>
#include <cmath>
#include <utility>

#include "Calculation.h"
#include "Parallel.h"
#include "uMatrixes.h"

namespace {

// Up to this order the determinant is the cofactor expansion's, to the last bit.
constexpr size_t kLargestExpandedOrder = 12;

// An element's update in the elimination, with its division, costs about four multiply-adds
// (Parallel.h).
constexpr size_t kWorkPerUpdate = 4;

// The rule of Sarrus on rows row..row+2 and the columns c, each product from left to right.
Extended Sarrus(const TwoDimDynA& a, size_t row, const size_t (&c)[3]) {
    const ArrayOfExtended& r0 = a[row];
    const ArrayOfExtended& r1 = a[row + 1];
    const ArrayOfExtended& r2 = a[row + 2];
    return r0[c[0]] * r1[c[1]] * r2[c[2]] + r0[c[1]] * r1[c[2]] * r2[c[0]] +
           r0[c[2]] * r1[c[0]] * r2[c[1]] - r0[c[2]] * r1[c[1]] * r2[c[0]] -
           r0[c[1]] * r1[c[0]] * r2[c[2]] - r0[c[0]] * r1[c[2]] * r2[c[1]];
}

// The expansion along the first row, recursively down to 3 x 3. A minor of the expansion is
// the last k rows of A with a set of k columns, and its determinant depends on that set alone:
// each set's is computed once, from the sets one column smaller, in the expansion's own order.
Extended ExpandedDeterminant(const TwoDimDynA& a) {
    const size_t n = a.size();
    if (n == 1) {
        return a[0][0];
    }
    if (n == 2) {
        return a[0][0] * a[1][1] - a[1][0] * a[0][1];
    }
    std::vector<Extended> byColumns(size_t{1} << n);
    std::vector<size_t> columns;
    for (uint32_t set = 0; set < byColumns.size(); ++set) {
        const auto k = static_cast<size_t>(std::popcount(set));
        if (k < 3) {
            continue;
        }
        columns.clear();
        for (size_t c = 0; c < n; ++c) {
            if ((set >> c & 1U) != 0) {
                columns.push_back(c);
            }
        }
        const size_t row = n - k;
        if (k == 3) {
            byColumns[set] = Sarrus(a, row, {columns[0], columns[1], columns[2]});
            continue;
        }
        Extended sum = 0;
        for (size_t j = 0; j < k; ++j) {
            const Extended t = j % 2 == 0 ? a[row][columns[j]] : -a[row][columns[j]];
            sum = byColumns[set & ~(uint32_t{1} << columns[j])] * t + sum;
        }
        byColumns[set] = sum;
    }
    return byColumns.back();
}

// A copy of A with each column scaled by a power of two to a largest magnitude in [0.5, 1):
// exact, it keeps the elimination's products in range; the exponents taken out are summed.
TwoDimDynA ScaledColumns(const TwoDimDynA& a, int& exponentSum) {
    TwoDimDynA scaled = a;
    exponentSum = 0;
    const size_t columns = a.empty() ? 0 : a[0].size();
    for (size_t j = 0; j < columns; ++j) {
        Extended largest = 0;
        for (const ArrayOfExtended& row : a) {
            largest = std::fmax(largest, std::fabs(row[j]));
        }
        if (largest == 0 || !std::isfinite(largest)) {
            continue;
        }
        int exponent = 0;
        std::frexp(largest, &exponent);
        for (ArrayOfExtended& row : scaled) {
            row[j] = std::ldexp(row[j], -exponent);
        }
        exponentSum += exponent;
    }
    return scaled;
}

// Fraction-free (Bareiss) elimination with row pivoting on a square matrix: each step takes the
// row of largest magnitude in the column, and every division is by the previous pivot, so
// integer matrices stay exact. The last pivot is the determinant of the rows as swapped; a
// column without a pivot makes it 0.
Extended EliminatedDeterminant(const TwoDimDynA& a) {
    int exponentSum = 0;
    TwoDimDynA m = ScaledColumns(a, exponentSum);
    const size_t n = m.size();
    bool rowsSwappedOddly = false;
    Extended previous = 1;
    for (size_t c = 0; c < n; ++c) {
        NoteProgress(c, n);
        size_t pivotRow = c;
        for (size_t i = c + 1; i < n; ++i) {
            if (std::fabs(m[i][c]) > std::fabs(m[pivotRow][c])) {
                pivotRow = i;
            }
        }
        if (m[pivotRow][c] == 0) {
            return 0;
        }
        if (pivotRow != c) {
            std::swap(m[pivotRow], m[c]);
            rowsSwappedOddly = !rowsSwappedOddly;
        }
        const ArrayOfExtended& pivotRowValues = m[c];
        const Extended pivot = pivotRowValues[c];
        const size_t below = n - c - 1;
        ParallelFor(below, below * below * kWorkPerUpdate, [&](size_t first, size_t end) {
            for (size_t i = c + 1 + first; i < c + 1 + end; ++i) {
                ArrayOfExtended& row = m[i];
                const Extended factor = row[c];
                for (size_t j = c + 1; j < n; ++j) {
                    row[j] = (row[j] * pivot - factor * pivotRowValues[j]) / previous;
                }
                row[c] = 0;
            }
        });
        previous = pivot;
    }
    return std::ldexp(rowsSwappedOddly ? -previous : previous, exponentSum);
}

}  // namespace

Extended Determinant(const TwoDimDynA& a) {
    return a.size() <= kLargestExpandedOrder ? ExpandedDeterminant(a) : EliminatedDeterminant(a);
}
