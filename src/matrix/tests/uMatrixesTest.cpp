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
Operation ColumnReplaced(size_t k, const ArrayOfExtended& v) {
    return [k, v](const TwoDimDynA& a, TwoDimDynA& c) { ReplaceColumn(a, v, k, c); };
}

const TwoDimDynA kSquare = {{1, 2}, {3, 4}};
const TwoDimDynA kTwoByThree = {{1, 2, 3}, {4, 5, 6}};
const TwoDimDynA kShear = {{1, 1}, {0, 1}};

TEST(MatrixOperations, GiveTheirMatrix) {
    const std::tuple<const char*, TwoDimDynA, Operation, TwoDimDynA> cases[] = {
        {"sum", kSquare, With(MatrixSum, {{10, 20}, {30, 40}}), {{11, 22}, {33, 44}}},
        {"difference", {{5, 7.5L}}, With(MatrixDifference, {{1, 9}}), {{4, -1.5L}}},
        {"2x3*3x2", kTwoByThree, With(MatrixProduct, {{1, 0}, {0, 1}, {1, 1}}), {{4, 5}, {10, 11}}},
        // Four columns of C at a time, then the one left over.
        {"2x1*1x5",
         {{1}, {2}},
         With(MatrixProduct, {{1, 2, 3, 4, 5}}),
         {{1, 2, 3, 4, 5}, {2, 4, 6, 8, 10}}},
        {"byMinusOne", {{1, -2}, {3.5L, 0}}, ByNumber(-1), {{-1, 2}, {-3.5L, 0}}},
        {"transpose", kTwoByThree, Transpose, {{1, 4}, {2, 5}, {3, 6}}},
        {"powerThree", kShear, Power(3), {{1, 3}, {0, 1}}},
        {"powerOne", kShear, Power(1), kShear},
        {"powerZero", kSquare, Power(0), {{1, 0}, {0, 1}}},
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

}  // namespace
