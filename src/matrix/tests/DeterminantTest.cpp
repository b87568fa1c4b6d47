#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <tuple>
#include <utility>

#include "ArithmeticFaults.h"
#include "PlainDeterminant.h"
#include "uMatrixes.h"

namespace {

TwoDimDynA Identity(size_t n) {
    TwoDimDynA m(n, ArrayOfExtended(n));
    for (size_t i = 0; i < n; ++i) {
        m[i][i] = 1;
    }
    return m;
}

// 2 on the diagonal, i + j above it: the determinant is 2^n.
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

TwoDimDynA Scaled(TwoDimDynA m, Extended factor) {
    MatrixByNumber(m, m, factor);
    return m;
}

// Past the order 12 the elimination: a zero pivot, a missing one, and elements whose products
// alone would leave the range, all without a fault.
TEST(Determinant, HasTheValueOfEachExampleWithoutAFault) {
    TwoDimDynA swapped13 = Identity(13);
    std::swap(swapped13[0], swapped13[12]);
    TwoDimDynA zeroColumn13 = Triangular(13);
    zeroColumn13[0][0] = 0;
    const Extended huge = std::ldexp(Extended{1}, 1200);
    const std::tuple<const char*, TwoDimDynA, Extended> examples[] = {
        {"one", {{7}}, 7},
        {"two", {{1, 2}, {3, 4}}, -2},
        {"unit3", Identity(3), 1},
        {"equalRows3", {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}}, 0},
        {"unit4", Identity(4), 1},
        {"four", {{1, 2, 3, 4}, {5, 6, 7, 8}, {2, 6, 4, 8}, {3, 1, 1, 2}}, 72},
        {"fourSwapped", {{1, 2, 3, 4}, {3, 1, 1, 2}, {2, 6, 4, 8}, {5, 6, 7, 8}}, -72},
        {"swapped13", swapped13, -1},
        {"triangular20", Triangular(20), 1048576},
        {"equalRows14", WithEqualRows(Triangular(14)), 0},
        {"zeroColumn13", zeroColumn13, 0},
        {"zero13", TwoDimDynA(13, ArrayOfExtended(13)), 0},
        {"huge13", Scaled(Triangular(13), huge), std::ldexp(Extended{1}, 13 + 13 * 1200)},
        {"tiny13", Scaled(Triangular(13), 1 / huge), std::ldexp(Extended{1}, 13 - 13 * 1200)},
    };
    for (const auto& [name, a, determinant] : examples) {
        ClearArithmeticFaults();
        EXPECT_EQ(Determinant(a), determinant) << name;
        EXPECT_EQ(ArithmeticFaultMessage(), "") << name;
    }
}

TEST(Determinant, OverflowsWhenItsValueIsOutOfRange) {
    for (const size_t n : {5, 13}) {
        ClearArithmeticFaults();
        Determinant(Scaled(Identity(n), 1e1000L));
        EXPECT_EQ(ArithmeticFaultMessage(), "Переполнение") << "n = " << n;
    }
}

using Element = Extended (*)(std::mt19937_64&);

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

bool SameBits(Extended x, Extended y) {
    return std::memcmp(&x, &y, 10) == 0;  // sign, exponent and significand; the rest is padding
}

// Matrices of one kind of element each; the plain expansion of the order 12 takes seconds, so
// there one matrix with the three kinds row by row.
TEST(Determinant, IsThePlainExpansionBitForBitUpToTheOrder12) {
    const Element kinds[] = {Digit, ShortDecimal, MixedMagnitude};
    std::mt19937_64 random(20240611);
    for (size_t n = 1; n <= 12; ++n) {
        const size_t samples = n <= 9 ? 9 : (n < 12 ? 3 : 1);
        for (size_t sample = 0; sample < samples; ++sample) {
            TwoDimDynA a(n, ArrayOfExtended(n));
            for (size_t i = 0; i < n; ++i) {
                const Element element = kinds[n < 12 ? sample % 3 : i % 3];
                for (Extended& x : a[i]) {
                    x = element(random);
                }
            }
            const Extended expected = plain::Determinant(a);
            const Extended actual = Determinant(a);
            EXPECT_TRUE(SameBits(actual, expected))
                << "n = " << n << ": " << RealToText(actual) << " vs " << RealToText(expected);
        }
    }
}

// The determinant modulo a prime below 2^31, by Gaussian elimination there.
int64_t DeterminantModulo(const TwoDimDynA& a, int64_t prime) {
    const size_t n = a.size();
    std::vector<std::vector<int64_t>> m(n, std::vector<int64_t>(n));
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            m[i][j] = (static_cast<int64_t>(a[i][j]) % prime + prime) % prime;
        }
    }
    int64_t determinant = 1;
    for (size_t c = 0; c < n; ++c) {
        const auto pivot =
            std::find_if(m.begin() + static_cast<ptrdiff_t>(c), m.end(),
                         [c](const std::vector<int64_t>& row) { return row[c] != 0; });
        if (pivot == m.end()) {
            return 0;
        }
        if (pivot != m.begin() + static_cast<ptrdiff_t>(c)) {
            std::swap(*pivot, m[c]);
            determinant = prime - determinant;
        }
        determinant = determinant * m[c][c] % prime;
        // The pivot's inverse is its power prime - 2 (Fermat).
        int64_t inverse = 1;
        for (int64_t base = m[c][c], e = prime - 2; e > 0; e >>= 1, base = base * base % prime) {
            if ((e & 1) != 0) {
                inverse = inverse * base % prime;
            }
        }
        for (size_t i = c + 1; i < n; ++i) {
            const int64_t factor = m[i][c] * inverse % prime;
            for (size_t j = c; j < n; ++j) {
                m[i][j] = ((m[i][j] - factor * m[c][j]) % prime + prime) % prime;
            }
        }
    }
    return determinant;
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
// 2, or -1 or 1 alone or with another -1 or 1 somewhere in the row.
ArrayOfExtended SparseEntries(std::mt19937_64& random, size_t i, size_t n) {
    ArrayOfExtended row(n);
    const int kind = std::uniform_int_distribution<int>(0, 2)(random);
    row[i] = (kind == 0 ? 2 : 1) * RandomSign(random);
    if (kind == 1) {
        row[(i + std::uniform_int_distribution<size_t>(1, n - 1)(random)) % n] = RandomSign(random);
    }
    return row;
}

// Minors of at most 2^32 keep the elimination's products of two minors below 2^64.
TEST(Determinant, IsExactPastTheOrder12ForIntegerMatrices) {
    using RowOfOrder = ArrayOfExtended (*)(std::mt19937_64&, size_t i, size_t n);
    std::mt19937_64 random(7);
    for (const auto& [row, largestOrder] : {std::pair<RowOfOrder, size_t>(UnitEntries, 16),
                                            std::pair<RowOfOrder, size_t>(SparseEntries, 32)}) {
        for (size_t n = 13; n <= largestOrder; ++n) {
            TwoDimDynA a;
            for (size_t i = 0; i < n; ++i) {
                a.push_back(row(random, i, n));
            }
            ClearArithmeticFaults();
            const Extended d = Determinant(a);
            EXPECT_EQ(ArithmeticFaultMessage(), "");
            // Both d and the true value lie within 2^32, closer than the product of the primes.
            ASSERT_EQ(d, std::trunc(d)) << "n = " << n;
            ASSERT_LE(std::fabs(d), std::ldexp(Extended{1}, 32)) << "n = " << n;
            for (const int64_t prime : {2147483647, 2147483629}) {
                EXPECT_EQ((static_cast<int64_t>(d) % prime + prime) % prime,
                          DeterminantModulo(a, prime))
                    << "n = " << n << ", determinant " << RealToText(d);
            }
        }
    }
}

// Rows 1 and 2 and 0.1 times row 1 plus 0.3 times row 2, in decimals that binary rounds.
TwoDimDynA NearlyDependent() {
    TwoDimDynA m = {{0.7L, 1.3L, -2.9L}, {3.1L, -0.2L, 0.45L}, {0, 0, 0}};
    for (size_t j = 0; j < 3; ++j) {
        m[2][j] = 0.1L * m[0][j] + 0.3L * m[1][j];
    }
    return m;
}

TEST(Rank, CountsTheIndependentRowsWithoutAFault) {
    const Extended tiny = std::ldexp(Extended{1}, -60);
    const TwoDimDynA tinyPivot = {{1, 1}, {1, 1 + tiny}};
    const std::tuple<const char*, TwoDimDynA, Extended, size_t> cases[] = {
        {"zero", TwoDimDynA(3, ArrayOfExtended(3)), 0, 0},
        {"unit", Identity(4), 0, 4},
        {"dependentRows", {{1, 2}, {2, 4}}, 0, 1},
        {"inconsistentAugmented", {{1, 2, 3}, {2, 4, 7}}, 0, 2},
        {"wide", {{0, 0, 1, 2}, {0, 0, 2, 4}, {0, 1, 0, 0}}, 0, 2},
        {"tall", {{1, 2}, {2, 4}, {3, 6}, {0, 1}}, 0, 2},
        {"exactTinyPivot", tinyPivot, 0, 2},
        {"toleratedTinyPivot", tinyPivot, 1e-12L, 1},
        {"toleratedAtAnyScale", Scaled(tinyPivot, 1e-3000L), 1e-12L, 1},
        {"smallColumnIsNoZero", {{1, 0}, {0, 1e-20L}}, 1e-12L, 2},
        {"roundedDependence", NearlyDependent(), 1e-12L, 2},
        {"hugeElements", Scaled(Triangular(6), 1e4000L), 0, 6},
    };
    for (const auto& [name, a, tolerance, rank] : cases) {
        ClearArithmeticFaults();
        EXPECT_EQ(Rank(a, tolerance), rank) << name;
        EXPECT_EQ(ArithmeticFaultMessage(), "") << name;
    }
}

}  // namespace
