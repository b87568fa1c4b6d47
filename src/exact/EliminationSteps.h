// Row reduction on exact numbers with its steps in words, as the exact reports show it: the
// forward steps column by column, the back steps from the last pivot up; and the inverse by
// fraction-free elimination on whole numbers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ExactNumbers.h"

// A matrix under reduction and the report of its steps.
struct Elimination {
    FractionMatrix m;
    std::vector<std::string> labels;  // the reduced columns' names, as the steps call them
    size_t bar = 0;                   // the columns from this one on stand after " |"
    bool signNoted = false;           // each exchange of rows changes the determinant's sign
    std::string report{};
    size_t step = 0;  // the last step's number
    std::vector<size_t> pivotColumns{};
    size_t exchanges = 0;
};

// The labels "1", "2", ..., "n".
std::vector<std::string> ColumnNumbers(size_t n);

// Forward elimination over the labelled columns: the first row at or below the current one with a
// non-zero entry is the pivot, the rows below lose their entries under it; each step's operations
// and matrix.
void ForwardSteps(Elimination& e);

// Back substitution on a matrix of pivot rows alone: from the last pivot up, each pivot row
// divided by its pivot, then taken from the rows above.
void BackSteps(Elimination& e);

// The inverse of a square matrix whose determinant is not 0, and that determinant, by
// fraction-free Gauss-Jordan elimination of its rows scaled to whole numbers.
FractionMatrix FractionFreeInverse(const FractionMatrix& a, Fraction& determinant);
