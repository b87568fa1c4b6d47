#include "MatrixPage.h"

#include <optional>

#include "ArithmeticFaults.h"
#include "uMatrixes.h"

namespace {

// A column by a row gives far more elements than both boxes hold: past this many, its text
// would take seconds to write and more than a box can show.
constexpr size_t kLargestProduct = 250000;

bool NeedsB(MatrixOperation operation) {
    return operation == MatrixOperation::Sum || operation == MatrixOperation::Difference ||
           operation == MatrixOperation::Product;
}

// The fault of matrices that lack the shape the operation needs.
std::optional<MatrixPageFault> ShapeFault(MatrixOperation operation, const TwoDimDynA& a,
                                          const TwoDimDynA& b) {
    switch (operation) {
        case MatrixOperation::Determinant:
        case MatrixOperation::Power:
            return IsSquare(a) ? std::nullopt : std::optional(kNotSquare);
        case MatrixOperation::Sum:
        case MatrixOperation::Difference:
            return SameSize(a, b) ? std::nullopt : std::optional(kDifferentOrder);
        case MatrixOperation::Product:
            if (a[0].size() != b.size()) {
                return kNotConformable;
            }
            return a.size() * b[0].size() > kLargestProduct ? std::optional(kResultTooLarge)
                                                            : std::nullopt;
        case MatrixOperation::ByNumber:
        case MatrixOperation::Transpose:
            return std::nullopt;
    }
    return std::nullopt;
}

// The whole-number box of "A^" or "A*"; an empty exponent box counts as 1.
int32_t BoxNumber(std::u16string_view box, int32_t whenEmpty) {
    return box.empty() ? whenEmpty : TextToInt(ToCp1251(box).bytes);
}

// The text of the operation's result: a number for the determinant, a matrix otherwise.
std::string ResultText(MatrixOperation operation, const TwoDimDynA& a, const TwoDimDynA& b,
                       int32_t exponent, int32_t factor) {
    TwoDimDynA c;
    switch (operation) {
        case MatrixOperation::Determinant:
            return RealToText(Determinant(a));
        case MatrixOperation::Sum:
            MatrixSum(a, b, c);
            break;
        case MatrixOperation::Difference:
            MatrixDifference(a, b, c);
            break;
        case MatrixOperation::Product:
            MatrixProduct(a, b, c);
            break;
        case MatrixOperation::Power:
            MatrixPower(a, exponent, c);
            break;
        case MatrixOperation::ByNumber:
            MatrixByNumber(a, c, factor);
            break;
        case MatrixOperation::Transpose:
            Transpose(a, c);
            break;
    }
    std::string text;
    MatrixToText(c, text, 0);
    return text;
}

}  // namespace

PageAnswer MatrixPageAnswer(MatrixOperation operation, const MatrixPageInput& input) {
    Cp1251Text a = ToCp1251(input.a);
    Cp1251Text b = ToCp1251(input.b);
    CompactSpaces(a.bytes);
    CompactSpaces(b.bytes);
    std::string message;
    if (!CheckMatrix(a.bytes, message)) {
        return CheckFailedAnswer(message, a, input.a, 0);
    }
    if (NeedsB(operation) && !CheckMatrix(b.bytes, message)) {
        return CheckFailedAnswer(message, b, input.b, 1);
    }
    // Reading a number that is too large for Extended overflows too.
    ClearArithmeticFaults();
    TwoDimDynA matrixA;
    TwoDimDynA matrixB;
    ParseMatrix(a.bytes, matrixA);
    if (NeedsB(operation)) {
        ParseMatrix(b.bytes, matrixB);
    }
    if (const auto fault = ShapeFault(operation, matrixA, matrixB)) {
        return CheckFailedAnswer(kMatrixPageMessages[*fault], a, input.a, 0);
    }
    const int32_t exponent = operation == MatrixOperation::Power ? BoxNumber(input.exponent, 1) : 0;
    if (exponent < 0) {
        return CheckFailedAnswer(kMatrixPageMessages[kNegativeExponent], a, input.a, 0);
    }
    const int32_t factor = operation == MatrixOperation::ByNumber ? BoxNumber(input.factor, 0) : 0;
    return CalculatedAnswer(ResultText(operation, matrixA, matrixB, exponent, factor));
}
