// Rational reconstruction: the fraction of small numerator and denominator that a residue
// stands for, by the extended Euclidean algorithm stopped halfway.
#include "RationalReconstruction.h"

#include <utility>

#include "Calculation.h"
#include "Parallel.h"

namespace {

// The fraction a/b that is u modulo m with |a| at most `above` and b at most `below`, when
// there is one; it is the only one when 2 * above * below < m.
bool Reconstruct(const Integer& u, const Integer& m, const Integer& above, const Integer& below,
                 Fraction& value) {
    Integer r0 = m;
    Integer r1 = u;
    Integer t0 = 0;
    Integer t1 = 1;
    while (r1 > above) {
        const Integer q = r0 / r1;
        r0 = std::exchange(r1, Integer(r0 - q * r1));
        t0 = std::exchange(t1, Integer(t0 - q * t1));
    }
    if (t1 == 0 || abs(t1) > below || gcd(r1, abs(t1)) != 1) {
        return false;
    }
    value =
        t1 < 0 ? Fraction(Integer(-r1), Integer(-t1)) : Fraction(r1, t1);  // a positive denominator
    return true;
}

}  // namespace

bool ReadBack(size_t count, const std::function<Integer(size_t)>& residue, const Integer& m,
              std::vector<Integer>& scaled, Integer& common) {
    // A power of two at most sqrt(m / 2).
    const Integer limit = Integer(1) << ((msb(m) - 1) / 2);
    common = 1;
    scaled.assign(count, 0);
    std::vector<Integer> commonThen(count);  // the common denominator when each entry was read
    // Each entry times the common denominator after the first, on all threads: mostly the
    // common denominator of them all.
    Integer guess;
    std::vector<Integer> guessed(count);
    for (size_t e = 0; e < count; ++e) {
        if (e == 1) {
            guess = common;
            ParallelFor(count - 1, ProductsWork(count, m), [&](size_t begin, size_t end) {
                for (size_t i = begin + 1; i < end + 1; ++i) {
                    StopIfAsked();
                    guessed[i] = residue(i) * guess % m;
                }
            });
        }
        StopIfAsked();
        const Integer below = limit / common;
        if (below == 0) {
            return false;
        }
        const Integer t = e > 0 && common == guess ? guessed[e] : Integer(residue(e) * common % m);
        const Integer above = limit * common;
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
