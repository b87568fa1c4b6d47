#include "MatrixPage.h"

#include <optional>

#include "ExactMatrix.h"
#include "ExactText.h"
#include "uMatrixes.h"

namespace {

// A column by a row gives far more elements than both boxes hold: past this many, its text
// would take seconds to write and more than a box can show.
constexpr size_t kLargestProduct = 250000;

bool NeedsB(MatrixOperation operation) {
    return operation == MatrixOperation::Sum || operation == MatrixOperation::Difference ||
           operation == MatrixOperation::Product;
}

bool IsExact(MatrixOperation operation, const MatrixPageInput& input) {
    return input.exact || operation == MatrixOperation::Inverse ||
           operation == MatrixOperation::Rank;
}

struct Shape {
    size_t rows = 0;
    size_t columns = 0;
};

template <typename Matrix>
Shape ShapeOf(const Matrix& m) {
    return m.empty() ? Shape{} : Shape{m.size(), m.front().size()};
}

// The fault of matrices that lack the shape the operation needs; every matrix read is
// rectangular.
std::optional<MatrixPageFault> ShapeFault(MatrixOperation operation, Shape a, Shape b) {
    switch (operation) {
        case MatrixOperation::Determinant:
        case MatrixOperation::Power:
        case MatrixOperation::Inverse:
            return a.rows == a.columns ? std::nullopt : std::optional(kNotSquare);
        case MatrixOperation::Sum:
        case MatrixOperation::Difference:
            return a.rows == b.rows && a.columns == b.columns ? std::nullopt
                                                              : std::optional(kDifferentOrder);
        case MatrixOperation::Product:
            if (a.columns != b.rows) {
                return kNotConformable;
            }
            return a.rows * b.columns > kLargestProduct ? std::optional(kResultTooLarge)
                                                        : std::nullopt;
        case MatrixOperation::ByNumber:
        case MatrixOperation::Transpose:
        case MatrixOperation::Rank:
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
        case MatrixOperation::Inverse:
        case MatrixOperation::Rank:
            break;
    }
    std::string text;
    MatrixToText(c, text, 0);
    return text;
}

// The same on the exact numbers: a report for the determinant, the inverse and the rank, the
// result's rows otherwise; a message when its numbers grow too long or A has no inverse.
std::string ExactResultText(MatrixOperation operation, const FractionMatrix& a,
                            const FractionMatrix& b, int32_t exponent, int32_t factor,
                            bool& isMessage) {
    std::string report;
    ReportEnd end = ReportEnd::Written;
    FractionMatrix c;
    bool kept = true;
    switch (operation) {
        case MatrixOperation::Determinant:
            end = DeterminantReport(a, report);
            break;
        case MatrixOperation::Inverse:
            end = InverseReport(a, report);
            break;
        case MatrixOperation::Rank:
            end = RankReport(a, report);
            break;
        case MatrixOperation::Sum:
            kept = ExactSum(a, b, c);
            break;
        case MatrixOperation::Difference:
            kept = ExactDifference(a, b, c);
            break;
        case MatrixOperation::Product:
            kept = ExactProduct(a, b, c);
            break;
        case MatrixOperation::Power:
            kept = ExactPower(a, exponent, c);
            break;
        case MatrixOperation::ByNumber:
            kept = ExactByNumber(a, factor, c);
            break;
        case MatrixOperation::Transpose:
            kept = ExactTranspose(a, c);
            break;
    }
    isMessage = !kept || end != ReportEnd::Written;
    if (end == ReportEnd::Singular) {
        return std::string(kMatrixPageMessages[kSingular]);
    }
    if (isMessage) {
        return std::string(kExactMessages[kTooLongToCompute]);
    }
    return c.empty() ? report : Plain(c, c.front().size());
}

}  // namespace

PageAnswer MatrixPageAnswer(MatrixOperation operation, const MatrixPageInput& input) {
    Cp1251Text a = ToCp1251(input.a);
    Cp1251Text b = ToCp1251(input.b);
    CompactSpaces(a.bytes);
    CompactSpaces(b.bytes);
    const bool exact = IsExact(operation, input);
    std::string message;
    const auto check = input.exact ? CheckExactMatrix : CheckMatrix;
    if (!check(a.bytes, message)) {
        return CheckFailedAnswer(message, a, input.a, 0);
    }
    if (NeedsB(operation) && !check(b.bytes, message)) {
        return CheckFailedAnswer(message, b, input.b, 1);
    }
    // Reading a number that is too large for Extended overflows too; a fault of the shapes or of
    // the exponent is told whatever the flags.
    std::optional<MatrixPageFault> fault;
    const auto exponentFault = [&](Shape shapeA, Shape shapeB) {
        fault = ShapeFault(operation, shapeA, shapeB);
        const int32_t exponent =
            operation == MatrixOperation::Power ? BoxNumber(input.exponent, 1) : 0;
        if (!fault && exponent < 0) {
            fault = kNegativeExponent;
        }
        return exponent;
    };
    const int32_t factor = operation == MatrixOperation::ByNumber ? BoxNumber(input.factor, 0) : 0;
    const PageAnswer answer = CalculatedAnswer([&](bool& isMessage) -> std::string {
        if (exact) {
            const FractionMatrix matrixA = ParseFractionMatrix(a.bytes);
            const FractionMatrix matrixB =
                NeedsB(operation) ? ParseFractionMatrix(b.bytes) : FractionMatrix{};
            const int32_t exponent = exponentFault(ShapeOf(matrixA), ShapeOf(matrixB));
            return fault
                       ? std::string()
                       : ExactResultText(operation, matrixA, matrixB, exponent, factor, isMessage);
        }
        TwoDimDynA matrixA;
        TwoDimDynA matrixB;
        ParseMatrix(a.bytes, matrixA);
        if (NeedsB(operation)) {
            ParseMatrix(b.bytes, matrixB);
        }
        const int32_t exponent = exponentFault(ShapeOf(matrixA), ShapeOf(matrixB));
        return fault ? std::string() : ResultText(operation, matrixA, matrixB, exponent, factor);
    });
    return fault ? CheckFailedAnswer(kMatrixPageMessages[*fault], a, input.a, 0) : answer;
}
