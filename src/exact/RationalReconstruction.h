// Fractions read back from their residues modulo a large number.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "ExactNumbers.h"

// The numbers whose residues modulo m are residue(0), ..., residue(count - 1), each a fraction
// whose numerator and denominator are at most sqrt(m / 2), as whole numbers `scaled` over one
// common denominator. The denominators found so far are tried first: an entry times their
// product is mostly whole. False when some entry has no such fraction.
bool ReadBack(size_t count, const std::function<Integer(size_t)>& residue, const Integer& m,
              std::vector<Integer>& scaled, Integer& common);
