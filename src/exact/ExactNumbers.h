// Exact numbers: big integers and fractions of them, read from the typed number texts and
// written as the exact reports write them.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <string>
#include <string_view>
#include <vector>

using Integer = boost::multiprecision::cpp_int;
using Fraction = boost::multiprecision::cpp_rational;
using FractionMatrix = std::vector<std::vector<Fraction>>;
using WholeMatrix = std::vector<std::vector<Integer>>;

// An accepted number text ("-2.5", "+3", "7") as its exact value.
Fraction DecimalFraction(std::string_view number);

// Each row multiplied by the least common denominator of its entries, which goes into factors.
WholeMatrix WholeRows(const FractionMatrix& m, std::vector<Integer>& factors);

// A whole number "-12"; a fraction in lowest terms "-7/3"; when the numerator or the denominator
// has more than 15 digits, the value rounded to 15 significant digits in RealToText's layout,
// and then approximate is set (it is never cleared).
std::string FractionText(const Fraction& value, bool& approximate);
