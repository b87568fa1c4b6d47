// A system's typed numbers as exact fractions, their texts in the exact reports, and the exact
// reduced row echelon form of large systems.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "SystemText.h"

using Integer = boost::multiprecision::cpp_int;
using Fraction = boost::multiprecision::cpp_rational;
using FractionMatrix = std::vector<std::vector<Fraction>>;
using WholeMatrix = std::vector<std::vector<Integer>>;

// An accepted number text ("-2.5", "+3", "7") as its exact value.
Fraction DecimalFraction(std::string_view number);

// One row per line: the coefficients by column, then the free term, as typed.
FractionMatrix AugmentedMatrix(const SystemTerms& system);

// Each row multiplied by the least common denominator of its entries, which goes into factors.
WholeMatrix WholeRows(const FractionMatrix& m, std::vector<Integer>& factors);

// A whole number "-12"; a fraction in lowest terms "-7/3"; when the numerator or the denominator
// has more than 15 digits, the value rounded to 15 significant digits in RealToText's layout,
// and then approximate is set (it is never cleared).
std::string FractionText(const Fraction& value, bool& approximate);

// The reduced row echelon form of a consistent system's augmented matrix: its non-zero rows,
// each ending with its free term, and the column of each row's leading 1.
struct EchelonForm {
    std::vector<size_t> pivotColumns;
    FractionMatrix rows;
};

// The echelon form of a consistent system whose coefficients have the given rank, found modulo
// many primes and proved on the typed numbers, and the determinant of square coefficients when
// asked for; false when its numbers are too long for the primes at hand.
bool ModularEchelonForm(const SystemTerms& system, size_t rank, EchelonForm& form,
                        Fraction* determinant = nullptr);

// The answer block that ends both exact reports: "Ответ:", then "Не имеет решения" without a
// form, or a line per unknown: a free one is any number, any other is its constant and the free
// unknowns' terms.
std::string AnswerBlock(const EchelonForm* form, const ArrayOfString& names);
