// The matrix calculator: the matrix and vector types, the matrix text (tidying, checking,
// reading, writing) and the matrix arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ExactNumbers.h"
#include "NumberCheck.h"
#include "TextColumns.h"
#include "uConvert.h"

using TwoDimDynA = std::vector<std::vector<Extended>>;
using ArrayOfExtended = std::vector<Extended>;
using ArrayOfString = std::vector<std::string>;

// Matrix text. The messages of the matrix check's own faults, indexed by MatrixFault; the number
// faults are the number test's.
enum MatrixFault : size_t { kEmptyMatrix, kUnevenRows };
inline constexpr std::string_view kMatrixMessages[] = {
    "Введите матрицу", "Количество элементов в строках матрицы не одинаковое"};

void CompactSpaces(std::string& text);
bool CheckMatrix(const std::string& text, std::string& message);
// The same where numbers are exact: a number may also be a typed fraction ("1/2", "-4/6").
bool CheckExactMatrix(const std::string& text, std::string& message);
void ParseMatrix(const std::string& text, TwoDimDynA& matrix);
// The exact numbers of a text that CheckExactMatrix accepted.
FractionMatrix ParseFractionMatrix(const std::string& text);
void MatrixToText(const TwoDimDynA& matrix, std::string& text, int indent);

// Matrix operations.
bool SameSize(const TwoDimDynA& a, const TwoDimDynA& b);
bool IsSquare(const TwoDimDynA& a);
void MatrixSum(const TwoDimDynA& a, const TwoDimDynA& b, TwoDimDynA& c);
void MatrixDifference(const TwoDimDynA& a, const TwoDimDynA& b, TwoDimDynA& c);
void MatrixByNumber(const TwoDimDynA& a, TwoDimDynA& c, Extended factor);
void MatrixProduct(const TwoDimDynA& a, const TwoDimDynA& b, TwoDimDynA& c);
void Transpose(const TwoDimDynA& a, TwoDimDynA& c);
// Cofactor expansion along row 0 (Sarrus for 3 x 3) up to the order 12, with the minors'
// determinants kept by the set of columns they use; above, fraction-free elimination with row
// pivoting, exact for integer matrices while its products fit in 64 bits.
Extended Determinant(const TwoDimDynA& a);
void ReplaceColumn(const TwoDimDynA& a, const ArrayOfExtended& v, size_t k, TwoDimDynA& c);

// The "A^" rule for a square matrix: the identity for 0, A for 1, A*A*...*A (left to right) above.
// A negative exponent is the caller's to reject.
void MatrixPower(const TwoDimDynA& a, int32_t exponent, TwoDimDynA& c);
