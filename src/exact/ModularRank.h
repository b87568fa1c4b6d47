// The exact rank of a matrix, from its residues modulo large primes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ExactNumbers.h"

// The pivot columns of the echelon form of a whole matrix modulo 2^61 - offset, over the first
// `columns` columns (the further ones follow along). Never more pivots than the exact form has;
// fewer only when the prime divides every non-zero minor of the exact rank's order.
std::vector<size_t> PivotColumnsModulo(const WholeMatrix& m, size_t columns, uint64_t offset);

// The rank of a matrix: the most pivots modulo three primes, proved by the determinant when that is
// one short of a square matrix's order, by the exact echelon form when it is less. False when its
// numbers are too long for the primes at hand.
bool ExactRank(const FractionMatrix& m, size_t& rank);
