// The exact reduced row echelon form of large matrices, found modulo many primes and proved on
// the exact numbers.
#pragma once

#include <cstddef>
#include <vector>

#include "ExactNumbers.h"

// The reduced row echelon form over the first `columns` columns of a matrix whose further
// columns follow along: its non-zero rows, each ending with the further columns, and the column
// of each row's leading 1.
struct EchelonForm {
    std::vector<size_t> pivotColumns;
    FractionMatrix rows;
};

// The echelon form of a matrix whose first `columns` columns have the given rank and whose
// further columns are combinations of them (a consistent system's augmented matrix), and the
// determinant of a square leading part when asked for; false when its numbers are too long for
// the primes at hand.
bool ModularEchelonForm(const FractionMatrix& m, size_t columns, size_t rank, EchelonForm& form,
                        Fraction* determinant = nullptr);
