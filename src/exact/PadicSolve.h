// A regular square system of whole numbers solved by p-adic lifting (Dixon's method).
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "ExactNumbers.h"

// A candidate solution: whole numbers, row by row, over one common denominator.
using SolutionTest = std::function<bool(const std::vector<Integer>& scaled, const Integer& common)>;

// X with A X = B, for a square whole matrix A and whole columns B (a row of B for each row of A),
// as whole numbers `scaled` row by row over one common denominator. `bits` is at least log2 of
// the Hadamard bound of the rows of [A | B]. Each candidate that rational reconstruction finds is
// given to `accepted`, which proves it; the lifting goes on past one it turns down, up to the
// digits the bound asks for. False when A is singular modulo each prime tried, or no candidate
// is accepted.
bool PadicSolve(const WholeMatrix& a, const WholeMatrix& b, size_t bits,
                const SolutionTest& accepted, std::vector<Integer>& scaled, Integer& common);
