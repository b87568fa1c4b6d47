// p-adic lifting against Gauss-Jordan elimination over fractions, and fractions read back from
// their residues.
#include <gtest/gtest.h>

#include <boost/integer/mod_inverse.hpp>
#include <random>
#include <tuple>

#include "Modular.h"
#include "PadicSolve.h"
#include "Parallel.h"
#include "RationalReconstruction.h"
#include "ReferenceElimination.h"

namespace {

// X with A X = B by Gauss-Jordan elimination over fractions, A regular.
FractionMatrix Reference(const WholeMatrix& a, const WholeMatrix& b) {
    FractionMatrix m;
    for (size_t i = 0; i < a.size(); ++i) {
        std::vector<Fraction>& row = m.emplace_back(a[i].begin(), a[i].end());
        row.insert(row.end(), b[i].begin(), b[i].end());
    }
    FractionMatrix x = ReferenceReduced(m, a.size()).m;
    for (std::vector<Fraction>& row : x) {
        row.erase(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(a.size()));
    }
    return x;
}

// log2 of the Hadamard bound of [A | B], rounded up.
size_t JoinedBits(const WholeMatrix& a, const WholeMatrix& b) {
    WholeMatrix joined = a;
    for (size_t i = 0; i < a.size(); ++i) {
        joined[i].insert(joined[i].end(), b[i].begin(), b[i].end());
    }
    return HadamardBits(joined, joined.front().size());
}

// A X = B exactly, X being scaled / common.
bool Solves(const WholeMatrix& a, const WholeMatrix& b, const std::vector<Integer>& scaled,
            const Integer& common) {
    const size_t width = b.front().size();
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t k = 0; k < width; ++k) {
            Integer sum = 0;
            for (size_t j = 0; j < a.size(); ++j) {
                sum += a[i][j] * scaled[j * width + k];
            }
            if (sum != common * b[i][k]) {
                return false;
            }
        }
    }
    return true;
}

// n x n with entries of `digits` decimal digits and `columns` columns on the right.
std::pair<WholeMatrix, WholeMatrix> Random(size_t n, size_t columns, size_t digits, unsigned seed) {
    std::mt19937 random(seed);
    const auto entry = [&] {
        std::string text = random() % 2 == 0 ? "-" : "";
        for (size_t d = 0; d < digits; ++d) {
            text += static_cast<char>('0' + (d == 0 ? 1 + random() % 9 : random() % 10));
        }
        return Integer(text);
    };
    WholeMatrix a(n);
    WholeMatrix b(n);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            a[i].push_back(entry());
        }
        for (size_t k = 0; k < columns; ++k) {
            b[i].push_back(entry());
        }
    }
    return {a, b};
}

// The lcm of 1..15 over i + j + 1: a Hilbert matrix in whole numbers, whose solution has far
// longer numbers than its entries, so that the early readings back fail or are turned down.
std::pair<WholeMatrix, WholeMatrix> Hilbert(size_t n) {
    WholeMatrix a(n);
    WholeMatrix b(n);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            a[i].push_back(Integer(360360) / (i + j + 1));
        }
        b[i].push_back(i % 2 == 0 ? 1 : -1);
    }
    return {a, b};
}

// Regular systems of several shapes, short and huge numbers, one column on the right and many:
// the fractions Gauss-Jordan elimination gives, each candidate proved on A X = B and a wrong one
// turned down.
TEST(PadicSolve, AgreesWithTheReference) {
    const std::pair<WholeMatrix, WholeMatrix> systems[] = {
        {{{2, 1}, {1, -1}}, {{5, 0}, {1, 3}}},
        {{{0, 3}, {7, 0}}, {{1}, {2}}},
        // 2^61 is 1 modulo the first prime, 2^61 - 1: the first digit reads as a wrong solution.
        {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{Integer(1) << 61}, {1}, {2}}},
        Random(1, 1, 3, 1),
        Random(12, 1, 20, 2),
        Random(8, 3, 200, 3),
        Random(20, 2, 5, 4),
        Hilbert(8),
    };
    // One thread lifts alone; more lift side by side, each with a prime of its own.
    for (const size_t threads : {1, 2, 7}) {
        SetCalculationThreads(threads);
        for (const auto& [a, b] : systems) {
            std::vector<Integer> scaled;
            Integer common;
            int candidates = 0;
            const auto proved = [&](const std::vector<Integer>& x, const Integer& d) {
                ++candidates;
                return Solves(a, b, x, d);
            };
            ASSERT_TRUE(PadicSolve(a, b, JoinedBits(a, b), proved, scaled, common)) << a.size();
            const FractionMatrix expected = Reference(a, b);
            for (size_t e = 0; e < scaled.size(); ++e) {
                EXPECT_EQ(Fraction(scaled[e], common), expected[e / b[0].size()][e % b[0].size()])
                    << a.size() << " x " << a.size() << ", entry " << e << ", " << threads
                    << " threads";
            }
            EXPECT_GE(candidates, b[0][0] == Integer(1) << 61 ? 2 : 1);
        }
    }
    SetCalculationThreads(0);
}

// A singular matrix, and a test that turns every candidate down: no solution.
TEST(PadicSolve, FailsWithoutARegularMatrixOrAProof) {
    const auto [a, b] = Random(6, 1, 4, 5);
    WholeMatrix singular = a;
    singular[5] = singular[0];
    std::vector<Integer> scaled;
    Integer common;
    const auto never = [](const std::vector<Integer>&, const Integer&) { return false; };
    const auto always = [](const std::vector<Integer>&, const Integer&) { return true; };
    EXPECT_FALSE(PadicSolve(singular, b, JoinedBits(singular, b), always, scaled, common));
    EXPECT_FALSE(PadicSolve(a, b, JoinedBits(a, b), never, scaled, common));
}

// Fractions of up to 3,000 bits, with one denominator and with five, from their residues modulo
// one, two and three powers of primes large enough for them over their least common denominator,
// with and without a bound on their numerators over it: the same fractions over that
// denominator.
TEST(ReadBack, FindsTheFractionsFromSplitResidues) {
    for (const size_t bits : {10, 200, 3000}) {
        for (const size_t denominators : {1, 5}) {
            std::mt19937_64 random(bits + denominators);
            const auto number = [&] {
                Integer x = 1;
                while (msb(x) + 64 < bits) {
                    x = (x << 64) + random();
                }
                return Integer(x << (bits - msb(x) - 1)) + random() % 2;
            };
            std::vector<Integer> below;
            for (size_t d = 0; d < denominators; ++d) {
                below.push_back(number() | 1);
            }
            std::vector<Fraction> fractions;
            Integer common = 1;
            for (size_t e = 0; e < 12; ++e) {
                fractions.emplace_back(random() % 2 == 0 ? number() : Integer(-number()),
                                       below[e % denominators]);
                common = lcm(common, Integer(denominator(fractions.back())));
            }
            for (const size_t parts : {1, 2, 3}) {
                // Each factor p^k above 2^(2 total + 4) ^ (1 / parts): their product holds the
                // common denominator and the numerators over it, of `total` bits at most.
                const size_t total = msb(common) + bits + 2;
                const auto power = static_cast<unsigned>((2 * total + 4) / (60 * parts) + 1);
                SplitResidues residues;
                uint64_t offset = 0;
                for (size_t t = 0; t < parts; ++t) {
                    offset = NextPrimeOffset(offset);
                    residues.factors.push_back(pow(Integer(Prime(offset)), power));
                }
                // Number e modulo m: its numerator times the inverse of its denominator.
                const auto modulo = [&](size_t e, const Integer& m) {
                    const Integer& d = denominator(fractions[e]);
                    Integer x = numerator(fractions[e]) *
                                boost::integer::mod_inverse(Integer(d % m), m) % m;
                    return x < 0 ? Integer(x + m) : x;
                };
                Integer m = 1;
                for (const Integer& factor : residues.factors) {
                    m *= factor;
                }
                residues.part = [&](size_t t, size_t e) { return modulo(e, residues.factors[t]); };
                residues.joined = [&](size_t e) { return modulo(e, m); };
                // Without a bound on the numerators over the common denominator, and with one.
                for (const Integer& bound : {Integer(0), Integer(Integer(1) << (total - 1))}) {
                    residues.scaledBound = bound;
                    std::vector<Integer> scaled;
                    Integer found;
                    ASSERT_TRUE(ReadBack(fractions.size(), residues, scaled, found))
                        << bits << " bits, " << parts << " parts, bound " << bound;
                    EXPECT_EQ(found, common) << bits << " bits, " << parts << " parts";
                    for (size_t e = 0; e < fractions.size(); ++e) {
                        EXPECT_EQ(Fraction(scaled[e], found), fractions[e])
                            << bits << " bits, " << parts << " parts, bound " << bound << ", entry "
                            << e;
                    }
                }
            }
        }
    }
}

}  // namespace
