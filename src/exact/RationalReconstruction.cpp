// Rational reconstruction: the fraction of small numerator and denominator that a residue
// stands for, by the extended Euclidean algorithm stopped halfway.
#include "RationalReconstruction.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

#include "Calculation.h"
#include "Modular.h"
#include "Parallel.h"

namespace {

// One step of Euclid's algorithm on the remainders r0 > r1 and their cofactors t0, t1.
void EuclidStep(Integer& r0, Integer& r1, Integer& t0, Integer& t1) {
    const Integer q = r0 / r1;
    r0 = std::exchange(r1, Integer(r0 - q * r1));
    t0 = std::exchange(t1, Integer(t0 - q * t1));
}

// Floor division of machine words, b > 0.
int64_t FloorQuotient(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Lehmer's steps: as many of Euclid's steps as the leading 62 bits of r0 >= 2^62 decide (Knuth's
// algorithm L: a quotient is taken when both bounds of the true one agree), gathered in one 2x2
// matrix and applied to the whole numbers at once; one plain step when they decide none. The
// steps stop while the simulated r1 is above 2^32 and twice the matrix's second row, so the true
// r1 stays above 2^(bits(r0) - 31).
void LehmerSteps(Integer& r0, Integer& r1, Integer& t0, Integer& t1) {
    constexpr int64_t kLeast = int64_t{1} << 32;
    const auto shift = static_cast<unsigned>(msb(r0) - 61);
    auto a = static_cast<int64_t>(r0 >> shift);
    auto b = static_cast<int64_t>(r1 >> shift);
    int64_t x0 = 1;  // the matrix (x0 y0; x1 y1) that takes (r0, r1) to the simulated (a, b)
    int64_t y0 = 0;
    int64_t x1 = 0;
    int64_t y1 = 1;
    while (b + x1 > 0 && b + y1 > 0) {
        const int64_t q = FloorQuotient(a + x0, b + x1);
        if (q != FloorQuotient(a + y0, b + y1)) {
            break;
        }
        const int64_t nextB = a - q * b;
        const int64_t nextX = x0 - q * x1;
        const int64_t nextY = y0 - q * y1;
        if (nextB < kLeast || nextB / 2 < std::abs(nextX) + std::abs(nextY)) {
            break;
        }
        x0 = std::exchange(x1, nextX);
        y0 = std::exchange(y1, nextY);
        a = std::exchange(b, nextB);
    }
    if (y0 == 0) {
        EuclidStep(r0, r1, t0, t1);
        return;
    }
    const auto apply = [&](Integer& first, Integer& second) {
        Integer next = x1 * first + y1 * second;
        first = x0 * first + y0 * second;
        second = std::move(next);
    };
    apply(r0, r1);
    apply(t0, t1);
}

// The fraction a/b that is u modulo m with |a| at most `above` and b at most `below`, when
// there is one; it is the only one when 2 * above * below < m. Lehmer's steps while r1 is far
// above `above`, Euclid's near it.
bool Reconstruct(const Integer& u, const Integer& m, const Integer& above, const Integer& below,
                 Fraction& value) {
    Integer r0 = m;
    Integer r1 = u;
    Integer t0 = 0;
    Integer t1 = 1;
    while (r1 > above) {
        if (msb(r1) > msb(above) + 128) {
            LehmerSteps(r0, r1, t0, t1);
        } else {
            EuclidStep(r0, r1, t0, t1);
        }
    }
    if (t1 == 0 || abs(t1) > below || gcd(r1, abs(t1)) != 1) {
        return false;
    }
    value =
        t1 < 0 ? Fraction(Integer(-r1), Integer(-t1)) : Fraction(r1, t1);  // a positive denominator
    return true;
}

// Entry e times `guess` as the number y with |y| <= above and |y| < factors[0] / 2 that it is
// modulo each factor, when there is one. With a scaled bound below factors[0] / 2, the first
// factor alone tells the product of a denominator's divisor.
bool ShortProduct(const SplitResidues& residues, size_t e, const Integer& guess,
                  const Integer& above, Integer& y) {
    const Integer& first = residues.factors.front();
    y = SymmetricResidue(residues.part(0, e) * guess % first, first);
    const bool firstTells = residues.scaledBound != 0 && 2 * residues.scaledBound < first;
    if (abs(y) > above || (firstTells && abs(y) > residues.scaledBound)) {
        return false;
    }
    for (size_t t = 1; t < residues.factors.size() && !firstTells; ++t) {
        if ((residues.part(t, e) * guess - y) % residues.factors[t] != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ReadBack(size_t count, const SplitResidues& residues, std::vector<Integer>& scaled,
              Integer& common) {
    Integer m = 1;
    for (const Integer& factor : residues.factors) {
        m *= factor;
    }
    // A power of two at most sqrt(m / 2).
    const Integer limit = Integer(1) << ((msb(m) - 1) / 2);
    common = 1;
    scaled.assign(count, 0);
    std::vector<Integer> commonThen(count);  // the common denominator when each entry was read
    // Each entry times the common denominator after the first, on all threads: mostly the
    // common denominator of them all.
    Integer guess;
    std::vector<Integer> guessed(count);
    std::vector<char> guessedShort(count, 0);
    for (size_t e = 0; e < count; ++e) {
        if (e == 1) {
            guess = common;
            ParallelFor(count - 1, ProductsWork(count, m), [&](size_t begin, size_t end) {
                for (size_t i = begin + 1; i < end + 1; ++i) {
                    StopIfAsked();
                    guessedShort[i] = static_cast<char>(
                        ShortProduct(residues, i, guess, limit * guess, guessed[i]));
                }
            });
        }
        StopIfAsked();
        const Integer below = limit / common;
        if (below == 0) {
            return false;
        }
        const Integer above = limit * common;
        if (e > 0 && common == guess && guessedShort[e] != 0) {
            scaled[e] = guessed[e];
            commonThen[e] = common;
            continue;
        }
        const Integer t = residues.joined(e) * common % m;
        Fraction value;
        if (t <= above || m - t <= above) {
            scaled[e] = t <= above ? t : Integer(t - m);
        } else if (Reconstruct(t, m, above, below, value)) {
            scaled[e] = numerator(value);
            common *= denominator(value);
        } else {
            return false;
        }
        commonThen[e] = common;
    }
    for (size_t e = 0; e < count; ++e) {
        if (commonThen[e] != common) {
            scaled[e] *= common / commonThen[e];
        }
    }
    return true;
}
