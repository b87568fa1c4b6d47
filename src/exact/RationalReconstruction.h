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

// The numbers whose residues modulo m are residue(0), ..., residue(count - 1), each a fraction
// whose numerator and denominator are at most sqrt(m / 2), as whole numbers `scaled` over one
// common denominator. The denominators found so far are tried first: an entry times their
// product is mostly whole. False when some entry has no such fraction. `residue` is called on
// several threads at once.
bool ReadBack(size_t count, const std::function<Integer(size_t)>& residue, const Integer& m,
              std::vector<Integer>& scaled, Integer& common);
