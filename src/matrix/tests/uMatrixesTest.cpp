#include <gtest/gtest.h>

#include <functional>

#include "uMatrixes.h"

namespace {

using Binary = void (*)(const TwoDimDynA&, const TwoDimDynA&, TwoDimDynA&);

struct BinaryCase {
    const char* name;
    Binary operation;
    TwoDimDynA a;
    TwoDimDynA b;
    TwoDimDynA expected;
};

class BinaryOperation : public testing::TestWithParam<BinaryCase> {};

TEST_P(BinaryOperation, GivesTheMatrix) {
    TwoDimDynA c = {{9}};  // whatever the output held is replaced
    GetParam().operation(GetParam().a, GetParam().b, c);
    EXPECT_EQ(c, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, BinaryOperation,
    testing::Values(
        BinaryCase{"sum", MatrixSum, {{1, 2}, {3, 4}}, {{10, 20}, {30, 40}}, {{11, 22}, {33, 44}}},
        BinaryCase{"difference", MatrixDifference, {{5, 7.5L}}, {{1, 9}}, {{4, -1.5L}}},
        BinaryCase{"differenceOfEqual",
                   MatrixDifference,
                   {{1, -2}, {0.1L, 4}},
                   {{1, -2}, {0.1L, 4}},
                   {{0, 0}, {0, 0}}},
        BinaryCase{
            "product", MatrixProduct, {{1, 2}, {3, 4}}, {{5, 6}, {7, 8}}, {{19, 22}, {43, 50}}},
        BinaryCase{"productTwoByThree",
                   MatrixProduct,
                   {{1, 2, 3}, {4, 5, 6}},
                   {{1, 0}, {0, 1}, {1, 1}},
                   {{4, 5}, {10, 11}}},
        BinaryCase{"productColumnByRow",
                   MatrixProduct,
                   {{1}, {2}, {3}},
                   {{4, 5, 6}},
                   {{4, 5, 6}, {8, 10, 12}, {12, 15, 18}}},
        BinaryCase{"productRowByColumn", MatrixProduct, {{4, 5, 6}}, {{1}, {2}, {3}}, {{32}}}),
    [](const auto& test) { return std::string(test.param.name); });

struct ShapeCase {
    const char* name;
    TwoDimDynA a;
    TwoDimDynA b;
    bool sameSize;
    bool aSquare;
};

class Shapes : public testing::TestWithParam<ShapeCase> {};

TEST_P(Shapes, AreTold) {
    EXPECT_EQ(SameSize(GetParam().a, GetParam().b), GetParam().sameSize);
    EXPECT_EQ(IsSquare(GetParam().a), GetParam().aSquare);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Shapes,
    testing::Values(
        ShapeCase{"twoByTwoTwoByThree", {{1, 2}, {3, 4}}, {{1, 2, 3}, {4, 5, 6}}, false, true},
        ShapeCase{
            "twoByThreeThreeByTwo", {{1, 2, 3}, {4, 5, 6}}, {{1, 2}, {3, 4}, {5, 6}}, false, false},
        ShapeCase{"equalShapes", {{1, 2}, {3, 4}}, {{0, 0}, {0, 0}}, true, true},
        ShapeCase{"oneByOne", {{7}}, {{8}}, true, true},
        ShapeCase{"rowAndColumn", {{1, 2}}, {{1}, {2}}, false, false}),
    [](const auto& test) { return std::string(test.param.name); });

struct UnaryCase {
    const char* name;
    TwoDimDynA a;
    std::function<void(const TwoDimDynA&, TwoDimDynA&)> operation;
    TwoDimDynA expected;
};

class UnaryOperation : public testing::TestWithParam<UnaryCase> {};

TEST_P(UnaryOperation, GivesTheMatrix) {
    TwoDimDynA c = {{9}};
    GetParam().operation(GetParam().a, c);
    EXPECT_EQ(c, GetParam().expected);
}

const TwoDimDynA kShear = {{1, 1}, {0, 1}};

auto ByNumber(Extended factor) {
    return [factor](const TwoDimDynA& a, TwoDimDynA& c) { MatrixByNumber(a, c, factor); };
}
auto Power(int32_t exponent) {
    return [exponent](const TwoDimDynA& a, TwoDimDynA& c) { MatrixPower(a, exponent, c); };
}
auto MinorWithout(size_t row, size_t column) {
    return [row, column](const TwoDimDynA& a, TwoDimDynA& c) { Minor(a, row, column, c); };
}
void TransposeTwice(const TwoDimDynA& a, TwoDimDynA& c) {
    Transpose(a, c);
    Transpose(c, c);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, UnaryOperation,
    testing::Values(
        UnaryCase{"byZero", {{1, -2}, {3.5L, 4}}, ByNumber(0), {{0, 0}, {0, 0}}},
        UnaryCase{"byMinusOne", {{1, -2}, {3.5L, 0}}, ByNumber(-1), {{-1, 2}, {-3.5L, 0}}},
        UnaryCase{"byThree", {{1, -2, 0.5L}}, ByNumber(3), {{3, -6, 1.5L}}},
        UnaryCase{"transposeRow", {{1, 2, 3}}, Transpose, {{1}, {2}, {3}}},
        UnaryCase{
            "transposeTwoByThree", {{1, 2, 3}, {4, 5, 6}}, Transpose, {{1, 4}, {2, 5}, {3, 6}}},
        UnaryCase{"transposeTwice", {{1, 2, 3}, {4, 5, 6}}, TransposeTwice, {{1, 2, 3}, {4, 5, 6}}},
        UnaryCase{"powerThree", kShear, Power(3), {{1, 3}, {0, 1}}},
        UnaryCase{"powerTwo", {{1, 2}, {3, 4}}, Power(2), {{7, 10}, {15, 22}}},
        UnaryCase{"powerOne", kShear, Power(1), kShear},
        UnaryCase{"powerZero",
                  {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
                  Power(0),
                  {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
        UnaryCase{"powerNinetyNine", kShear, Power(99), {{1, 99}, {0, 1}}},
        UnaryCase{
            "minorMiddle", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, MinorWithout(1, 1), {{1, 3}, {7, 9}}},
        UnaryCase{"minorCorner",
                  {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
                  MinorWithout(0, 2),
                  {{4, 5}, {7, 8}}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(IntPower, RaisesByTheBitsOfTheExponent) {
    const struct {
        Extended base;
        int32_t exponent;
        Extended power;
    } cases[] = {{-1, 0, 1},     {-1, 1, -1},       {-1, 2, 1}, {-1, 7, -1}, {2, 10, 1024},
                 {2, -2, 0.25L}, {0.5L, 3, 0.125L}, {10, 0, 1}, {-3, 3, -27}};
    for (const auto& c : cases) {
        EXPECT_EQ(IntPower(c.base, c.exponent), c.power) << RealToText(c.base) << "^" << c.exponent;
    }
}

}  // namespace
