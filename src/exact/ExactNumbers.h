// Exact numbers: big integers and fractions of them, read from the typed number texts and
// written as the exact reports write them.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using Integer = boost::multiprecision::cpp_int;
using Fraction = boost::multiprecision::cpp_rational;
using FractionMatrix = std::vector<std::vector<Fraction>>;
using WholeMatrix = std::vector<std::vector<Integer>>;

// The messages of the exact numbers, indexed by ExactFault: a typed fraction's faults, and the
// limit of the exact operations' numbers.
enum ExactFault : size_t { kZeroDenominator, kSlashFault, kTooLongToCompute };
inline constexpr std::string_view kExactMessages[] = {
    "Знаменатель дроби равен нулю", "Ошибка: \"/\"",
    "Слишком длинные числа для точного вычисления"};

// The most digits an exact operation's number may have.
inline constexpr size_t kLongestExactDigits = 10000;

// The test of a number token where numbers are exact: a number as the number test takes it, or a
// fraction, an optional sign, digits, "/", digits (not all zeros). False with the first fault's
// message otherwise. The token is never empty.
bool CheckFraction(std::string_view token, std::string& message);

// An accepted number text ("-2.5", "+3", "7", "-4/6") as its exact value.
Fraction TypedFraction(std::string_view number);

// Whether the numerator or the denominator has more than kLongestExactDigits digits.
bool TooLong(const Fraction& value);

// Each row multiplied by the least common denominator of its entries, which goes into factors.
WholeMatrix WholeRows(const FractionMatrix& m, std::vector<Integer>& factors);

// log2 of the Hadamard bound of the first `columns` columns (the product of the rows' lengths,
// above any minor's magnitude), rounded up.
size_t HadamardBits(const WholeMatrix& rows, size_t columns);

// A whole number "-12"; a fraction in lowest terms "-7/3"; when the numerator or the denominator
// has more than 15 digits, the value rounded to 15 significant digits in RealToText's layout,
// and then approximate is set (it is never cleared).
std::string FractionText(const Fraction& value, bool& approximate);
// The same for above / below, below positive, without reducing a long fraction first.
std::string QuotientText(const Integer& above, const Integer& below, bool& approximate);
