#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <tuple>
#include <utility>

#include "ArithmeticFaults.h"
#include "CheckCases.h"
#include "PlainDeterminant.h"
#include "uMatrixes.h"

namespace {

const std::string kEnter = "Введите матрицу";
const std::string kUneven = "Количество элементов в строках матрицы не одинаковое";

// Where numbers are exact, a number may be a fraction: its "/" between digits, a sign only before
// the numerator, no point, not all zeros below; the matrix check alone refuses the "/".
TEST(CheckExactMatrix, TakesTypedFractions) {
    const std::string zero(kExactMessages[kZeroDenominator]);
    const std::string slash(kExactMessages[kSlashFault]);
    ExpectChecks(CheckExactMatrix,
                 {Accepted("1/2 -4/6\r\n+3/7 0.5"), Accepted("007/010"), Rejected("1/0", zero),
                  Rejected("1 -0/000", zero), Rejected("/2", slash), Rejected("1/", slash),
                  Rejected("1//2", slash), Rejected("1/2/3", slash), Rejected("1/-2", slash),
                  Rejected("1.5/2", kPoint), Rejected("--1/2", kSign), Rejected("1/2-3", kSign),
                  Rejected("1/0 x", kInvalid + "x")});
    ExpectChecks(CheckMatrix, {Rejected("1 2\r\n1/2 4", kInvalid + "/")});
    const FractionMatrix read = ParseFractionMatrix("1/2 -4/6\r\n+3/7 -0.25");
    EXPECT_EQ(read, FractionMatrix(
                        {{Fraction(1, 2), Fraction(-2, 3)}, {Fraction(3, 7), Fraction(-1, 4)}}));
}

// A run of spaces shrinks to one; the spaces after an LF, the one before a CR (not an LF) and a
// final space go, whatever came before.
TEST(CompactSpaces, KeepsOneSpaceBetweenNumbersOnly) {
    using Compacted = std::pair<std::string, std::string>;
    for (auto [text, compacted] :
         {Compacted("  1   2  ", " 1 2"), Compacted("1  \r\n  2 \r3", "1\r\n2\r3"),
          Compacted(" \r \r", "\r\r"), Compacted("1 \n  2", "1 \n2")}) {
        CompactSpaces(text);
        EXPECT_EQ(text, compacted);
    }
}

// Nothing to read, then the characters of the whole text, then every number in text order, then
// the rows' counts.
TEST(CheckMatrix, NamesTheFirstFault) {
    ExpectChecks(CheckMatrix,
                 {Rejected("", kEnter), Rejected("\r\n", kEnter),
                  Rejected("1..2 x", kInvalid + "x"), Rejected("\r\n x", kInvalid + "x"),
                  Rejected("1 -.5 1.2.3", kSign), Rejected("1 2\r\n3\r\n4.5.6", kPoint),
                  Rejected("1 2\r\n3 4\r\n", kUneven), Rejected("\r\n1 2", kUneven),
                  Rejected("1\n2\r\n3 4", kUneven), Rejected("1 2\r\n3 4\n5", kUneven)});
}

// Accepted and read: CR alone ends a row; LF separates numbers.
TEST(ParseMatrix, ReadsEveryElementOfAnAcceptedText) {
    const std::pair<std::string, TwoDimDynA> cases[] = {
        {"1 2\r3 4", {{1, 2}, {3, 4}}},
        {"+5 -5", {{5, -5}}},
        {"1\n2", {{1, 2}}},
        {" 1\r\n2\r\n3", {{1}, {2}, {3}}},
    };
    for (const auto& [text, matrix] : cases) {
        ExpectChecks(CheckMatrix, {Accepted(text)});
        TwoDimDynA parsed = {{9, 9, 9}};
        ParseMatrix(text, parsed);
        EXPECT_EQ(parsed, matrix) << text;
    }
}

// The first column as wide as its widest number, the others as the widest of all; the later rows
// indented.
TEST(MatrixToText, AlignsTheColumnsAndIndentsTheLaterRows) {
    std::string text = "old";
    MatrixToText({{1, -2.5L, 3}, {10, 4, 5}}, text, 3);
    EXPECT_EQ(text, "  1 -2.5     3\r\n    10    4     5");
}

// The product takes four columns of C at a time, then the one left over; A^0 is the identity.
TEST(MatrixOperations, GiveTheirMatrix) {
    TwoDimDynA c = {{9}};  // whatever the output held is replaced
    MatrixProduct({{1}, {2}}, {{1, 2, 3, 4, 5}}, c);
    EXPECT_EQ(c, (TwoDimDynA{{1, 2, 3, 4, 5}, {2, 4, 6, 8, 10}}));
    MatrixPower({{1, 2}, {3, 4}}, 0, c);
    EXPECT_EQ(c, (TwoDimDynA{{1, 0}, {0, 1}}));
}

// 2 factor on the diagonal, (i + j) factor above it: the determinant is (2 factor)^n.
TwoDimDynA Triangular(size_t n, Extended factor = 1) {
    TwoDimDynA m(n, ArrayOfExtended(n));
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i; j < n; ++j) {
            m[i][j] = factor * static_cast<Extended>(i == j ? 2 : i + j);
        }
    }
    return m;
}

// Past the order 12: a missing pivot, and products that alone would leave the range.
TEST(Determinant, HasTheValueOfEachExampleWithoutAFault) {
    TwoDimDynA equalRows14 = Triangular(14);
    equalRows14[13] = equalRows14[0];
    TwoDimDynA zeroColumn13 = Triangular(13);
    zeroColumn13[0][0] = 0;
    const Extended huge = std::ldexp(Extended{1}, 1200);
    const std::tuple<const char*, TwoDimDynA, Extended> examples[] = {
        {"four", {{1, 2, 3, 4}, {5, 6, 7, 8}, {2, 6, 4, 8}, {3, 1, 1, 2}}, 72},
        {"equalRows14", equalRows14, 0},
        {"zeroColumn13", zeroColumn13, 0},
        {"huge13", Triangular(13, huge), std::ldexp(Extended{1}, 13 + 13 * 1200)},
        {"tiny13", Triangular(13, 1 / huge), std::ldexp(Extended{1}, 13 - 13 * 1200)},
    };
    for (const auto& [name, a, determinant] : examples) {
        ClearArithmeticFaults();
        EXPECT_EQ(Determinant(a), determinant) << name;
        EXPECT_EQ(ArithmeticFaultMessage(), "") << name;
    }
    for (const size_t n : {5, 13}) {
        ClearArithmeticFaults();
        Determinant(Triangular(n, 1e1000L));
        EXPECT_EQ(ArithmeticFaultMessage(), "Переполнение") << "n = " << n;
    }
}

int Uniform(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// The order 12 takes the plain expansion seconds: one matrix, its rows of the three kinds of
// elements: digits, two decimals such as -3.75, magnitudes from 0.001 to 1000.
TEST(Determinant, IsThePlainExpansionBitForBitUpToTheOrder12) {
    std::mt19937_64 random(20240611);
    const auto element = [&random](size_t kind) {
        const int largest[] = {9, 999, 9999};
        const Extended x = Uniform(random, -largest[kind], largest[kind]);
        return kind == 0 ? x : x / std::pow(Extended{10}, kind == 1 ? 2 : Uniform(random, 0, 6));
    };
    for (size_t n = 1; n <= 12; ++n) {
        for (size_t sample = 0; sample < (n <= 9 ? 9 : (n < 12 ? 3 : 1)); ++sample) {
            TwoDimDynA a(n, ArrayOfExtended(n));
            for (size_t i = 0; i < n; ++i) {
                for (Extended& x : a[i]) {
                    x = element(n < 12 ? sample % 3 : i % 3);
                }
            }
            const Extended expected = plain::Determinant(a);
            const Extended actual = Determinant(a);
            // Sign, exponent and significand; the rest is padding.
            EXPECT_EQ(std::memcmp(&actual, &expected, 10), 0)
                << "n = " << n << ": " << RealToText(actual) << " vs " << RealToText(expected);
        }
    }
}

// D + u v^T, with D a diagonal of -1 and 1: its determinant is det(D) (1 + v^T D u), and every
// minor is at most 1 + n max|u| max|v|, so the elimination's products stay below 2^60.
TEST(Determinant, IsExactPastTheOrder12ForIntegerMatrices) {
    std::mt19937_64 random(7);
    for (size_t n = 13; n <= 40; ++n) {
        TwoDimDynA a(n, ArrayOfExtended(n));
        ArrayOfExtended u(n), v(n);
        Extended sign = 1;
        Extended sum = 1;
        for (size_t i = 0; i < n; ++i) {
            a[i][i] = Uniform(random, 0, 1) * 2 - 1;
            u[i] = Uniform(random, -4096, 4096);
            v[i] = Uniform(random, -4096, 4096);
            sign *= a[i][i];
            sum += v[i] * a[i][i] * u[i];
        }
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = 0; j < n; ++j) {
                a[i][j] += u[i] * v[j];
            }
        }
        ClearArithmeticFaults();
        EXPECT_EQ(Determinant(a), sign * sum) << "n = " << n;
        EXPECT_EQ(ArithmeticFaultMessage(), "") << "n = " << n;
    }
}

}  // namespace
