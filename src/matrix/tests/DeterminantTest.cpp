#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>

#include "ArithmeticFaults.h"
#include "PlainDeterminant.h"
#include "uMatrixes.h"

namespace {

bool SameBits(Extended x, Extended y) {
    return std::memcmp(&x, &y, 10) == 0;  // sign, exponent and significand; the rest is padding
}

TwoDimDynA Identity(size_t n) {
    TwoDimDynA m(n, ArrayOfExtended(n));
    for (size_t i = 0; i < n; ++i) {
        m[i][i] = 1;
    }
    return m;
}

TwoDimDynA RandomMatrix(size_t rows, size_t columns, std::mt19937_64& random,
                        const std::function<Extended(std::mt19937_64&)>& element) {
    TwoDimDynA m(rows, ArrayOfExtended(columns));
    for (ArrayOfExtended& row : m) {
        for (Extended& x : row) {
            x = element(random);
        }
    }
    return m;
}

Extended Digit(std::mt19937_64& random) {
    return static_cast<Extended>(std::uniform_int_distribution<int>(-9, 9)(random));
}

// Such as -3.75: two decimals, not exact in binary.
Extended ShortDecimal(std::mt19937_64& random) {
    return static_cast<Extended>(std::uniform_int_distribution<int>(-999, 999)(random)) / 100;
}

// Signs and magnitudes from 0.001 to 1000 mixed.
Extended MixedMagnitude(std::mt19937_64& random) {
    const Extended mantissa = std::uniform_int_distribution<int>(-9999, 9999)(random);
    return mantissa * IntPower(10, std::uniform_int_distribution<int32_t>(-6, 0)(random));
}

struct Example {
    const char* name;
    TwoDimDynA a;
    Extended determinant;
};

class DeterminantExample : public testing::TestWithParam<Example> {};

TEST_P(DeterminantExample, HasItsValue) {
    ClearArithmeticFaults();
    EXPECT_EQ(Determinant(GetParam().a), GetParam().determinant);
    EXPECT_EQ(ArithmeticFaultMessage(), "");
}

TwoDimDynA Example4() {
    return {{1, 2, 3, 4}, {5, 6, 7, 8}, {2, 6, 4, 8}, {3, 1, 1, 2}};
}

TwoDimDynA Example4Swapped() {
    TwoDimDynA m = Example4();
    std::swap(m[1], m[3]);
    return m;
}

// An order past the expansion's: a permutation with one swap, and a triangular matrix.
TwoDimDynA SwappedIdentity(size_t n) {
    TwoDimDynA m = Identity(n);
    std::swap(m[0], m[n - 1]);
    return m;
}

TwoDimDynA Triangular(size_t n) {
    TwoDimDynA m(n, ArrayOfExtended(n));
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i; j < n; ++j) {
            m[i][j] = i == j ? 2 : static_cast<Extended>(i + j);
        }
    }
    return m;
}

TwoDimDynA WithEqualRows(TwoDimDynA m) {
    m[m.size() - 1] = m[0];
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, DeterminantExample,
    testing::Values(Example{"one", {{7}}, 7}, Example{"two", {{1, 2}, {3, 4}}, -2},
                    Example{"unit3", Identity(3), 1},
                    Example{"equalRows3", {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}}, 0},
                    Example{"unit4", Identity(4), 1}, Example{"four", Example4(), 72},
                    Example{"fourSwapped", Example4Swapped(), -72},
                    Example{"unit13", Identity(13), 1},
                    Example{"swapped13", SwappedIdentity(13), -1},
                    Example{"triangular20", Triangular(20), 1048576},
                    Example{"equalRows14", WithEqualRows(Triangular(14)), 0},
                    Example{"zeroColumn13",
                            [] {
                                TwoDimDynA m = Triangular(13);
                                m[0][0] = 0;
                                return m;
                            }(),
                            0}),
    [](const auto& test) { return std::string(test.param.name); });

struct ElementKind {
    const char* name;
    Extended (*element)(std::mt19937_64&);
};

void ExpectSameAsPlain(const TwoDimDynA& a) {
    const Extended expected = plain::Determinant(a);
    const Extended actual = Determinant(a);
    EXPECT_TRUE(SameBits(actual, expected))
        << "n = " << a.size() << ": " << RealToText(actual) << " vs " << RealToText(expected);
}

class ExpansionIdentity : public testing::TestWithParam<ElementKind> {};

// Up to the order 12 the determinant is the plain expansion's, bit for bit.
TEST_P(ExpansionIdentity, MatchesThePlainExpansion) {
    std::mt19937_64 random(20240611);
    for (size_t n = 1; n <= 11; ++n) {
        for (int sample = 0; sample < (n <= 9 ? 3 : 1); ++sample) {
            ExpectSameAsPlain(RandomMatrix(n, n, random, GetParam().element));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Elements, ExpansionIdentity,
                         testing::Values(ElementKind{"digits", Digit},
                                         ElementKind{"shortDecimals", ShortDecimal},
                                         ElementKind{"mixedMagnitudes", MixedMagnitude}),
                         [](const auto& test) { return std::string(test.param.name); });

// The plain expansion of order 12 takes seconds: one matrix, its rows of every kind.
TEST(ExpansionIdentity12, MatchesThePlainExpansion) {
    std::mt19937_64 random(12);
    const ElementKind kinds[] = {
        {"digits", Digit}, {"shortDecimals", ShortDecimal}, {"mixedMagnitudes", MixedMagnitude}};
    TwoDimDynA a;
    for (size_t i = 0; i < 12; ++i) {
        a.push_back(RandomMatrix(1, 12, random, kinds[i % 3].element)[0]);
    }
    ExpectSameAsPlain(a);
}

TEST(DeterminantFaults, ExpansionRaisesWhatThePlainExpansionRaises) {
    TwoDimDynA huge = Identity(5);
    huge[0][0] = 1e3000L;
    huge[1][1] = 1e3000L;
    ClearArithmeticFaults();
    Determinant(huge);
    EXPECT_EQ(ArithmeticFaultMessage(), "Переполнение");
}

// The determinant modulo a prime, by Gaussian elimination there.
int64_t DeterminantModulo(const TwoDimDynA& a, int64_t prime) {
    const size_t n = a.size();
    std::vector<std::vector<int64_t>> m(n, std::vector<int64_t>(n));
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            m[i][j] = ((static_cast<int64_t>(a[i][j]) % prime) + prime) % prime;
        }
    }
    const auto power = [&](int64_t base, int64_t exponent) {
        int64_t result = 1;
        for (; exponent > 0; exponent >>= 1, base = base * base % prime) {
            if ((exponent & 1) != 0) {
                result = result * base % prime;
            }
        }
        return result;
    };
    int64_t determinant = 1;
    for (size_t c = 0; c < n; ++c) {
        size_t p = c;
        while (p < n && m[p][c] == 0) {
            ++p;
        }
        if (p == n) {
            return 0;
        }
        if (p != c) {
            std::swap(m[p], m[c]);
            determinant = (prime - determinant) % prime;
        }
        determinant = determinant * m[c][c] % prime;
        const int64_t inverse = power(m[c][c], prime - 2);
        for (size_t i = c + 1; i < n; ++i) {
            const int64_t factor = m[i][c] * inverse % prime;
            for (size_t j = c; j < n; ++j) {
                m[i][j] = ((m[i][j] - factor * m[c][j]) % prime + prime) % prime;
            }
        }
    }
    return determinant;
}

struct ExactCase {
    const char* name;
    size_t smallestOrder;
    size_t largestOrder;
    // Row i of an n x n matrix whose minors are at most 2^32 in magnitude, so that the
    // elimination's products of two minors, and the differences it divides, stay below 2^64.
    ArrayOfExtended (*row)(std::mt19937_64&, size_t i, size_t n);
};

class ExactElimination : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactElimination, GivesTheExactDeterminant) {
    constexpr int64_t kPrimes[] = {2147483647, 2147483629};
    std::mt19937_64 random(7);
    for (size_t n = GetParam().smallestOrder; n <= GetParam().largestOrder; ++n) {
        TwoDimDynA a;
        for (size_t i = 0; i < n; ++i) {
            a.push_back(GetParam().row(random, i, n));
        }
        ClearArithmeticFaults();
        const Extended d = Determinant(a);
        EXPECT_EQ(ArithmeticFaultMessage(), "");
        ASSERT_EQ(d, std::trunc(d)) << "n = " << n;
        // Both it and the true value lie within 2^32, closer than the product of the primes.
        ASSERT_LE(std::fabs(d), std::ldexp(Extended{1}, 32)) << "n = " << n;
        for (const int64_t prime : kPrimes) {
            EXPECT_EQ((static_cast<int64_t>(d) % prime + prime) % prime,
                      DeterminantModulo(a, prime))
                << "n = " << n << ", determinant " << RealToText(d);
        }
    }
}

int RandomSign(std::mt19937_64& random) {
    return std::uniform_int_distribution<int>(0, 1)(random) == 0 ? -1 : 1;
}

// Entries -1, 0, 1: by Hadamard's bound a minor of order k <= 16 is at most k^(k/2) <= 2^32.
ArrayOfExtended UnitEntries(std::mt19937_64& random, size_t, size_t n) {
    ArrayOfExtended row(n);
    for (Extended& x : row) {
        x = std::uniform_int_distribution<int>(-1, 1)(random);
    }
    return row;
}

// Magnitudes adding up to 2 at most: a minor of order k <= 32 is at most 2^k. On the diagonal -2 or
// 2, or -1 or 1 with another -1 or 1 somewhere in the row, or alone.
ArrayOfExtended SparseEntries(std::mt19937_64& random, size_t i, size_t n) {
    ArrayOfExtended row(n);
    switch (std::uniform_int_distribution<int>(0, 2)(random)) {
        case 0:
            row[i] = 2 * RandomSign(random);
            break;
        case 1:
            row[i] = RandomSign(random);
            row[(i + std::uniform_int_distribution<size_t>(1, n - 1)(random)) % n] =
                RandomSign(random);
            break;
        default:
            row[i] = RandomSign(random);
            break;
    }
    return row;
}

INSTANTIATE_TEST_SUITE_P(IntegerMatrices, ExactElimination,
                         testing::Values(ExactCase{"dense", 13, 16, UnitEntries},
                                         ExactCase{"sparse", 13, 32, SparseEntries}),
                         [](const auto& test) { return std::string(test.param.name); });

// Past the expansion: no flag from a zero pivot, nor from products that the scale of the
// elements alone would take out of range; a determinant out of range still overflows.
struct FaultCase {
    const char* name;
    TwoDimDynA a;
    const char* fault;
};

class EliminationFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(EliminationFaults, AreTheResultsOwn) {
    ClearArithmeticFaults();
    Determinant(GetParam().a);
    EXPECT_EQ(ArithmeticFaultMessage(), GetParam().fault);
}

TwoDimDynA Scaled(TwoDimDynA m, Extended factor) {
    MatrixByNumber(m, m, factor);
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Order13, EliminationFaults,
    testing::Values(FaultCase{"zeroMatrix", TwoDimDynA(13, ArrayOfExtended(13)), ""},
                    FaultCase{"equalRows", WithEqualRows(Triangular(13)), ""},
                    FaultCase{"hugeInRange", Scaled(Triangular(13), 1e350L), ""},
                    FaultCase{"tinyInRange", Scaled(Triangular(13), 1e-350L), ""},
                    FaultCase{"hugeOutOfRange", Scaled(Identity(13), 1e400L), "Переполнение"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(EliminationScale, KeepsTheValueOfHugeElements) {
    const Extended d = Determinant(Scaled(Triangular(13), 1e350L));
    EXPECT_NEAR(static_cast<double>(d / (8192 * IntPower(10, 4550))), 1, 1e-15);
}

struct RankCase {
    const char* name;
    TwoDimDynA a;
    Extended tolerance;
    size_t rank;
};

class RankTest : public testing::TestWithParam<RankCase> {};

TEST_P(RankTest, CountsTheIndependentRows) {
    ClearArithmeticFaults();
    EXPECT_EQ(Rank(GetParam().a, GetParam().tolerance), GetParam().rank);
    EXPECT_EQ(ArithmeticFaultMessage(), "");
}

const Extended kTiny = std::ldexp(Extended{1}, -60);

// Rows 1 and 2 and 0.1 times row 1 plus 0.3 times row 2, in decimals that binary rounds.
TwoDimDynA NearlyDependent() {
    TwoDimDynA m = {{0.7L, 1.3L, -2.9L}, {3.1L, -0.2L, 0.45L}, {0, 0, 0}};
    for (size_t j = 0; j < 3; ++j) {
        m[2][j] = 0.1L * m[0][j] + 0.3L * m[1][j];
    }
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Matrices, RankTest,
    testing::Values(RankCase{"zero", TwoDimDynA(3, ArrayOfExtended(3)), 0, 0},
                    RankCase{"unit", Identity(4), 0, 4},
                    RankCase{"dependentRows", {{1, 2}, {2, 4}}, 0, 1},
                    RankCase{"inconsistentAugmented", {{1, 2, 3}, {2, 4, 7}}, 0, 2},
                    RankCase{"consistentAugmented", {{1, 2, 3}, {2, 4, 6}}, 0, 1},
                    RankCase{"wide", {{0, 0, 1, 2}, {0, 0, 2, 4}, {0, 1, 0, 0}}, 0, 2},
                    RankCase{"tall", {{1, 2}, {2, 4}, {3, 6}, {0, 1}}, 0, 2},
                    RankCase{"singleRow", {{0, 0, 5}}, 0, 1},
                    RankCase{"pastTheOrder12", WithEqualRows(Triangular(15)), 0, 14},
                    RankCase{"exactTinyPivot", {{1, 1}, {1, 1 + kTiny}}, 0, 2},
                    RankCase{"toleratedTinyPivot", {{1, 1}, {1, 1 + kTiny}}, 1e-12L, 1},
                    RankCase{"toleratedAtAnyScale", Scaled({{1, 1}, {1, 1 + kTiny}}, 1e-3000L),
                             1e-12L, 1},
                    RankCase{"smallColumnIsNoZero", {{1, 0}, {0, 1e-20L}}, 1e-12L, 2},
                    RankCase{"roundedDependence", NearlyDependent(), 1e-12L, 2},
                    RankCase{"hugeElements", Scaled(Triangular(6), 1e4000L), 0, 6}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ReplaceColumn, PutsTheVectorInTheColumn) {
    const TwoDimDynA a = {{1, 2}, {3, 4}};
    const struct {
        size_t k;
        TwoDimDynA expected;
    } cases[] = {{0, {{5, 2}, {6, 4}}}, {1, {{1, 5}, {3, 6}}}};
    for (const auto& c : cases) {
        TwoDimDynA replaced = {{9}};
        ReplaceColumn(a, {5, 6}, c.k, replaced);
        EXPECT_EQ(replaced, c.expected) << "k = " << c.k;
    }
}

}  // namespace
