#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "uMatrixes.h"

namespace {

using Operation = std::function<void(const TwoDimDynA&, TwoDimDynA&)>;
using Binary = void (*)(const TwoDimDynA&, const TwoDimDynA&, TwoDimDynA&);

Operation With(Binary operation, const TwoDimDynA& b) {
    return [operation, b](const TwoDimDynA& a, TwoDimDynA& c) { operation(a, b, c); };
}
Operation ByNumber(Extended factor) {
    return [factor](const TwoDimDynA& a, TwoDimDynA& c) { MatrixByNumber(a, c, factor); };
}
Operation Power(int32_t exponent) {
    return [exponent](const TwoDimDynA& a, TwoDimDynA& c) { MatrixPower(a, exponent, c); };
}
Operation MinorWithout(size_t row, size_t column) {
    return [row, column](const TwoDimDynA& a, TwoDimDynA& c) { Minor(a, row, column, c); };
}
Operation ColumnReplaced(size_t k, const ArrayOfExtended& v) {
    return [k, v](const TwoDimDynA& a, TwoDimDynA& c) { ReplaceColumn(a, v, k, c); };
}
void TransposeTwice(const TwoDimDynA& a, TwoDimDynA& c) {
    Transpose(a, c);
    Transpose(c, c);
}

const TwoDimDynA kSquare = {{1, 2}, {3, 4}};
const TwoDimDynA kTwoByThree = {{1, 2, 3}, {4, 5, 6}};
const TwoDimDynA kShear = {{1, 1}, {0, 1}};

TEST(MatrixOperations, GiveTheirMatrix) {
    const std::tuple<const char*, TwoDimDynA, Operation, TwoDimDynA> cases[] = {
        {"sum", kSquare, With(MatrixSum, {{10, 20}, {30, 40}}), {{11, 22}, {33, 44}}},
        {"difference", {{5, 7.5L}}, With(MatrixDifference, {{1, 9}}), {{4, -1.5L}}},
        {"A-A", kTwoByThree, With(MatrixDifference, kTwoByThree), {{0, 0, 0}, {0, 0, 0}}},
        {"product", kSquare, With(MatrixProduct, {{5, 6}, {7, 8}}), {{19, 22}, {43, 50}}},
        {"2x3*3x2", kTwoByThree, With(MatrixProduct, {{1, 0}, {0, 1}, {1, 1}}), {{4, 5}, {10, 11}}},
        {"3x1*1x3",
         {{1}, {2}, {3}},
         With(MatrixProduct, {{4, 5, 6}}),
         {{4, 5, 6}, {8, 10, 12}, {12, 15, 18}}},
        {"byZero", {{1, -2}, {3.5L, 4}}, ByNumber(0), {{0, 0}, {0, 0}}},
        {"byMinusOne", {{1, -2}, {3.5L, 0}}, ByNumber(-1), {{-1, 2}, {-3.5L, 0}}},
        {"transposeRow", {{1, 2, 3}}, Transpose, {{1}, {2}, {3}}},
        {"transpose", kTwoByThree, Transpose, {{1, 4}, {2, 5}, {3, 6}}},
        {"transposeTwice", kTwoByThree, TransposeTwice, kTwoByThree},
        {"powerThree", kShear, Power(3), {{1, 3}, {0, 1}}},
        {"powerOne", kShear, Power(1), kShear},
        {"powerZero", kSquare, Power(0), {{1, 0}, {0, 1}}},
        {"minor", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, MinorWithout(1, 1), {{1, 3}, {7, 9}}},
        {"replaceColumn1", kSquare, ColumnReplaced(1, {5, 6}), {{1, 5}, {3, 6}}},
    };
    for (const auto& [name, a, operation, expected] : cases) {
        TwoDimDynA c = {{9}};  // whatever the output held is replaced
        operation(a, c);
        EXPECT_EQ(c, expected) << name;
    }
}

TEST(MatrixShapes, AreTold) {
    using Shapes = std::tuple<TwoDimDynA, TwoDimDynA, bool, bool>;
    for (const auto& [a, b, sameSize, aSquare] :
         {Shapes(kSquare, kTwoByThree, false, true),
          Shapes(kTwoByThree, {{1, 2}, {3, 4}, {5, 6}}, false, false),
          Shapes({{7}}, {{8}}, true, true)}) {
        EXPECT_EQ(SameSize(a, b), sameSize);
        EXPECT_EQ(IsSquare(a), aSquare);
    }
}

TEST(IntPower, RaisesByTheBitsOfTheExponent) {
    using Raised = std::tuple<Extended, int32_t, Extended>;
    for (const auto& [base, exponent, power] :
         {Raised(-1, 0, 1), Raised(-1, 7, -1), Raised(2, 10, 1024), Raised(2, -2, 0.25L),
          Raised(0.5L, 3, 0.125L)}) {
        EXPECT_EQ(IntPower(base, exponent), power) << RealToText(base) << "^" << exponent;
    }
}

}  // namespace
