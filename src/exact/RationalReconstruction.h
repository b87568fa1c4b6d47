// Fractions read back from their residues modulo a large number.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "ExactNumbers.h"

// The work of `count` products of numbers as long as x, in multiply-adds of 64-bit digits: what
// ParallelFor weighs.
inline size_t ProductsWork(size_t count, const Integer& x) {
    const size_t digits = msb(Integer(abs(x) + 1)) / 64 + 1;
    return count * digits * digits;
}

// Numbers known modulo m = factors[0] * factors[1] * ..., the factors coprime: part(t, e) is
// number e modulo factors[t], joined(e) is number e modulo m. Both are called on several threads
// at once. A scaledBound other than 0 is a bound on the magnitude of each number times any
// divisor of the least common denominator of them all.
struct SplitResidues {
    std::vector<Integer> factors;
    std::function<Integer(size_t, size_t)> part;
    std::function<Integer(size_t)> joined;
    Integer scaledBound = 0;
};

// The numbers 0, ..., count - 1 of `residues`, each a fraction whose numerator and denominator
// are at most sqrt(m / 2), as whole numbers `scaled` over one common denominator. The
// denominators found so far are tried first: an entry times their product is mostly a short
// whole number, found modulo each factor. False when some entry has no such fraction.
bool ReadBack(size_t count, const SplitResidues& residues, std::vector<Integer>& scaled,
              Integer& common);
