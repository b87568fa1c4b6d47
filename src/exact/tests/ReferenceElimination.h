// The exact tests' reference: plain Gauss-Jordan elimination over fractions.
#pragma once

#include <utility>
#include <vector>

#include "ExactNumbers.h"

struct ReferenceForm {
    FractionMatrix m;  // reduced: each pivot 1 with zeros above and below it
    std::vector<size_t> pivotColumns;
    Fraction determinant;  // of the leading square; 0 when it is singular or not square
};

// Reduces m over its first `columns` columns, the further ones following along; the pivot is the
// first non-zero entry at or below the current row.
inline ReferenceForm ReferenceReduced(FractionMatrix m, size_t columns) {
    ReferenceForm r{{}, {}, 1};
    for (size_t column = 0; column < columns && r.pivotColumns.size() < m.size(); ++column) {
        const size_t rank = r.pivotColumns.size();
        size_t row = rank;
        while (row < m.size() && m[row][column] == 0) {
            ++row;
        }
        if (row == m.size()) {
            continue;
        }
        std::swap(m[row], m[rank]);
        const Fraction pivot = m[rank][column];
        r.determinant *= row == rank ? pivot : Fraction(-pivot);
        for (Fraction& x : m[rank]) {
            x /= pivot;
        }
        for (size_t i = 0; i < m.size(); ++i) {
            const Fraction factor = m[i][column];
            for (size_t j = 0; j < m[i].size() && i != rank; ++j) {
                m[i][j] -= factor * m[rank][j];
            }
        }
        r.pivotColumns.push_back(column);
    }
    if (r.pivotColumns.size() < columns || m.size() != columns) {
        r.determinant = 0;
    }
    r.m = std::move(m);
    return r;
}
