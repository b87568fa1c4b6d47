// The matrix page's work: the texts of boxes A and B and of the exponent and factor boxes in,
// the result box's text out, for one of the nine operation buttons, on the binary numbers or, with
// «Точные дроби» checked, on the exact numbers as typed.
#pragma once

#include <cstddef>
#include <string_view>

#include "PageAnswer.h"

// The page's own messages, indexed by MatrixPageFault; the matrices' faults are the matrix
// check's.
enum MatrixPageFault : size_t {
    kNotSquare,
    kDifferentOrder,
    kNotConformable,
    kNegativeExponent,
    kResultTooLarge,
    kSingular
};
inline constexpr std::string_view kMatrixPageMessages[] = {
    "Матрица не квадратная",
    "Матрицы разного порядка",
    "Матрицы не сопряжены",
    "Показатель степени должен быть неотрицательным",
    "Матрица результата слишком велика",
    "Матрица вырождена (det A = 0): обратной матрицы нет"};

// Inverse and Rank always compute on the exact numbers, with a report.
enum class MatrixOperation {
    Determinant,
    Sum,
    Power,
    Difference,
    ByNumber,
    Product,
    Transpose,
    Inverse,
    Rank
};

struct MatrixPageInput {
    std::u16string_view a;
    std::u16string_view b;
    std::u16string_view exponent;
    std::u16string_view factor;
    bool exact = false;  // «Точные дроби»: exact numbers, fractions typed, reports
};

PageAnswer MatrixPageAnswer(MatrixOperation operation, const MatrixPageInput& input);
