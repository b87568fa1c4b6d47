// The matrix operations on exact numbers: the arithmetic, and the determinant, the inverse and
// the rank with their step-by-step reports.
#pragma once

#include <cstdint>
#include <string>

#include "ExactNumbers.h"

// Each operation is false, its result left empty, when a number of its result would pass
// kLongestExactDigits digits. The shapes are the caller's to check, as for the binary operations.
bool ExactSum(const FractionMatrix& a, const FractionMatrix& b, FractionMatrix& c);
bool ExactDifference(const FractionMatrix& a, const FractionMatrix& b, FractionMatrix& c);
bool ExactProduct(const FractionMatrix& a, const FractionMatrix& b, FractionMatrix& c);
// A^exponent for an exponent of 0 or more: the identity for 0.
bool ExactPower(const FractionMatrix& a, int32_t exponent, FractionMatrix& c);
bool ExactByNumber(const FractionMatrix& a, int32_t factor, FractionMatrix& c);
bool ExactTranspose(const FractionMatrix& a, FractionMatrix& c);

// How a report ended: written, refused for numbers past kLongestExactDigits digits, or refused
// for a singular matrix (the inverse).
enum class ReportEnd { Written, TooLong, Singular };

// The reports of a square matrix's determinant and inverse and of any matrix's rank, each ending
// with "Ответ:" and its result; the steps are shown up to 10 x 10.
ReportEnd DeterminantReport(const FractionMatrix& a, std::string& report);
ReportEnd InverseReport(const FractionMatrix& a, std::string& report);
ReportEnd RankReport(const FractionMatrix& a, std::string& report);
