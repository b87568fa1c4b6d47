// The exact determinant and inverse of a large square matrix from its residues modulo many primes.
#pragma once

#include "ExactNumbers.h"

Fraction ModularDeterminant(const FractionMatrix& a);

// A^(-1) as whole numbers over one positive denominator, not reduced.
struct WholeInverse {
    WholeMatrix above;
    Integer below;
};

// The inverse of a square matrix; false, nothing set, when its determinant is 0.
bool ModularInverse(const FractionMatrix& a, WholeInverse& inverse);
