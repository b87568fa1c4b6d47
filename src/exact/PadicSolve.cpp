// p-adic lifting. With A = P^(-1) L U modulo one prime p, the solution's p-adic digits come one
// at a time: X_i = A^(-1) R_i modulo p, by two triangular solutions, then R_(i+1) =
// (R_i - A X_i) / p, a whole division, from R_0 = B. The residual's entries stay within K = the
// largest of |B|'s entries and of the rows' sums of |A|, so R + K is kept modulo a few further
// primes whose product exceeds 2K and read modulo p from them (Garner). X = sum X_i p^i modulo
// p^s is read back as fractions, tried at every power of two digits and at the last one that the
// Hadamard bound asks for.
//
// On several threads, as many liftings as threads run side by side, each with a prime of its
// own and a share of the digits; the Chinese remainder theorem joins their X modulo p_t^s into
// X modulo the product, and the fractions read back are the same.
#include "PadicSolve.h"

#include <algorithm>
#include <numeric>

#include "Calculation.h"
#include "Modular.h"
#include "Parallel.h"
#include "RationalReconstruction.h"

namespace {

// Primes tried for each lifting, for one modulo which A is regular.
constexpr size_t kTriedPrimes = 3;

// The columns of a whole matrix's residues.
Residues ColumnResidues(const WholeMatrix& m, uint64_t offset) {
    Residues columns(m.front().size(), std::vector<uint64_t>(m.size()));
    for (size_t i = 0; i < m.size(); ++i) {
        for (size_t j = 0; j < columns.size(); ++j) {
            columns[j][i] = ResidueOf(m[i][j], offset);
        }
    }
    return columns;
}

// A = P^(-1) L U modulo 2^61 - offset, L unit lower triangular: L's entries below the diagonal
// and U's on and above it in one matrix, the row of A that each row came from, and the inverses
// of U's diagonal.
struct LowerUpper {
    Residues entries;
    std::vector<size_t> rows;
    std::vector<uint64_t> pivotInverses;
};

// False when A is singular modulo the prime.
bool FactorModulo(const WholeMatrix& a, uint64_t offset, LowerUpper& factors) {
    const uint64_t p = Prime(offset);
    const size_t n = a.size();
    Residues& m = factors.entries;
    m = ResiduesOf(a, offset);
    factors.rows.resize(n);
    std::iota(factors.rows.begin(), factors.rows.end(), 0);
    for (size_t k = 0; k < n; ++k) {
        size_t pivot = k;
        while (pivot < n && m[pivot][k] == 0) {
            ++pivot;
        }
        if (pivot == n) {
            return false;
        }
        std::swap(m[pivot], m[k]);
        std::swap(factors.rows[pivot], factors.rows[k]);
        const uint64_t inverse = Power(m[k][k], p - 2, offset);
        factors.pivotInverses.push_back(inverse);
        for (size_t i = k + 1; i < n; ++i) {
            std::vector<uint64_t>& row = m[i];
            row[k] = Reduce(Wide{row[k]} * inverse, offset);
            const uint64_t factor = p - row[k];
            for (size_t j = k + 1; j < n; ++j) {
                row[j] = Reduce(row[j] + Wide{factor} * m[k][j], offset);
            }
        }
    }
    return true;
}

// A^(-1) r modulo the prime, by the two triangular solutions.
std::vector<uint64_t> SolveModulo(const LowerUpper& factors, const std::vector<uint64_t>& r,
                                  uint64_t offset) {
    const uint64_t p = Prime(offset);
    const Residues& m = factors.entries;
    const size_t n = m.size();
    std::vector<uint64_t> x(n);
    for (size_t i = 0; i < n; ++i) {
        x[i] = Reduce(r[factors.rows[i]] + Wide{p} - DotModulo(m[i].data(), x.data(), i, offset),
                      offset);
    }
    for (size_t i = n; i-- > 0;) {
        const uint64_t known = DotModulo(m[i].data() + i + 1, x.data() + i + 1, n - i - 1, offset);
        x[i] = Reduce(Wide{x[i] + p - known} * factors.pivotInverses[i], offset);
    }
    return x;
}

// The further primes q_t that hold R + K, with what every lifting needs modulo each.
struct ResidualPrimes {
    Integer bound;  // K
    std::vector<uint64_t> offsets;
    std::vector<Residues> a;
    std::vector<Residues> shiftedB;     // B + K, by columns
    std::vector<uint64_t> boundModulo;  // K
    std::vector<uint64_t> inverses;     // (q_0 ... q_(t-1))^(-1) modulo q_t
};

// The primes after `offset`, enough for R + K below their product.
ResidualPrimes ResidualPrimesOf(const WholeMatrix& a, const WholeMatrix& b, uint64_t offset) {
    ResidualPrimes primes;
    Integer& bound = primes.bound;
    bound = 1;
    for (size_t i = 0; i < a.size(); ++i) {
        Integer sum = 0;
        for (const Integer& x : a[i]) {
            sum += abs(x);
        }
        bound = std::max(bound, sum);
        for (const Integer& x : b[i]) {
            bound = std::max(bound, Integer(abs(x)));
        }
    }
    for (size_t t = 0; t < PrimesFor(msb(bound) + 2); ++t) {
        offset = NextPrimeOffset(offset);
        uint64_t product = 1;
        for (const uint64_t earlier : primes.offsets) {
            product = Reduce(Wide{product} * Reduce(Prime(earlier), offset), offset);
        }
        primes.inverses.push_back(Power(product, Prime(offset) - 2, offset));
        primes.offsets.push_back(offset);
        primes.a.push_back(ResiduesOf(a, offset));
        primes.boundModulo.push_back(ResidueOf(bound, offset));
        Residues shifted = ColumnResidues(b, offset);
        for (std::vector<uint64_t>& column : shifted) {
            for (uint64_t& x : column) {
                x = Reduce(Wide{x} + primes.boundModulo.back(), offset);
            }
        }
        primes.shiftedB.push_back(std::move(shifted));
    }
    return primes;
}

// One lifting: its prime p = 2^61 - offset, A's factors and K modulo p, p^(-1) and R + K modulo
// each q_t, and the digits of X so far, by columns.
struct Lifting {
    uint64_t offset = 0;
    LowerUpper factors;
    uint64_t boundModulo = 0;
    std::vector<uint64_t> primeInverses;
    std::vector<Residues> shifted;
    std::vector<Residues> digits;
};

// R modulo p: the mixed-radix digits of R + K over the q_t, summed modulo p, less K.
Residues ResidualModulo(const ResidualPrimes& primes, const Lifting& lifting) {
    const std::vector<uint64_t>& offsets = primes.offsets;
    const uint64_t offset = lifting.offset;
    const size_t count = offsets.size();
    const Residues& first = lifting.shifted.front();
    Residues r(first.size(), std::vector<uint64_t>(first.front().size()));
    std::vector<uint64_t> digits(count);
    for (size_t j = 0; j < r.size(); ++j) {
        for (size_t i = 0; i < r[j].size(); ++i) {
            for (size_t t = 0; t < count; ++t) {
                uint64_t known = 0;
                for (size_t u = t; u-- > 0;) {
                    known = Reduce(Wide{known} * Reduce(Prime(offsets[u]), offsets[t]) + digits[u],
                                   offsets[t]);
                }
                digits[t] = Reduce(
                    Wide{lifting.shifted[t][j][i] + Prime(offsets[t]) - known} * primes.inverses[t],
                    offsets[t]);
            }
            uint64_t value = 0;
            for (size_t u = count; u-- > 0;) {
                value = Reduce(Wide{value} * Reduce(Prime(offsets[u]), offset) + digits[u], offset);
            }
            r[j][i] = Reduce(Wide{value} + Prime(offset) - lifting.boundModulo, offset);
        }
    }
    return r;
}

// R := (R - A X_i) / p, modulo each q_t: R + K := (R + K - K - A X_i) p^(-1) + K.
void Lift(const ResidualPrimes& primes, Lifting& lifting, const Residues& digit) {
    for (size_t t = 0; t < primes.offsets.size(); ++t) {
        const uint64_t q = primes.offsets[t];
        Residues x = digit;
        for (std::vector<uint64_t>& column : x) {
            for (uint64_t& e : column) {
                e = Reduce(e, q);
            }
        }
        const Residues ax = ProductModulo(primes.a[t], x, q);
        const uint64_t inverse = lifting.primeInverses[t];
        const uint64_t k = primes.boundModulo[t];
        for (size_t j = 0; j < ax.size(); ++j) {
            for (size_t i = 0; i < ax[j].size(); ++i) {
                uint64_t& shifted = lifting.shifted[t][j][i];
                const Wide difference = Wide{shifted} + 2 * Prime(q) - k - ax[j][i];
                shifted = Reduce(Wide{Reduce(difference, q)} * inverse + k, q);
            }
        }
    }
}

// The lifting's digits up to `digits` of them, out of `total`.
void Advance(const ResidualPrimes& primes, Lifting& lifting, size_t digits, size_t total) {
    while (lifting.digits.size() < digits) {
        NoteProgress(lifting.digits.size(), total);
        Residues digit = ResidualModulo(primes, lifting);
        for (std::vector<uint64_t>& column : digit) {
            column = SolveModulo(lifting.factors, column, lifting.offset);
        }
        Lift(primes, lifting, digit);
        lifting.digits.push_back(std::move(digit));
    }
}

// a^(-1) modulo p^s, p = 2^61 - offset, by Newton's steps from a^(-1) modulo p.
Integer InversePower(const Integer& a, uint64_t offset, size_t s) {
    const uint64_t p = Prime(offset);
    Integer inverse = Power(ResidueOf(a, offset), p - 2, offset);
    for (size_t known = 1; known < s;) {
        known = std::min(2 * known, s);
        const Integer m = pow(Integer(p), static_cast<unsigned>(known));
        inverse = inverse * (2 - a * inverse % m) % m;
        if (inverse < 0) {
            inverse += m;
        }
    }
    return inverse;
}

// X modulo the product of the liftings' p_t^s, s digits each, joined by Garner's method.
class JoinedLiftings {
public:
    JoinedLiftings(const std::vector<Lifting>& liftings, size_t s) : liftings_(liftings), s_(s) {
        Integer product = 1;
        for (const Lifting& lifting : liftings) {
            moduli_.push_back(pow(Integer(Prime(lifting.offset)), static_cast<unsigned>(s)));
            inverses_.push_back(product == 1 ? Integer(1)
                                             : InversePower(product, lifting.offset, s));
            products_.push_back(product);
            product *= moduli_.back();
        }
    }

    const std::vector<Integer>& Moduli() const { return moduli_; }

    // Entry e of X modulo p_t^s, the entries row by row.
    Integer Part(size_t t, size_t e) const { return LiftedValue(liftings_[t], e); }

    // Entry e of X modulo the product.
    Integer Value(size_t e) const {
        Integer x = LiftedValue(liftings_.front(), e);
        for (size_t t = 1; t < liftings_.size(); ++t) {
            Integer difference = (LiftedValue(liftings_[t], e) - x) % moduli_[t];
            if (difference < 0) {
                difference += moduli_[t];
            }
            x += products_[t] * (difference * inverses_[t] % moduli_[t]);
        }
        return x;
    }

private:
    // Entry e of X modulo p^s from the lifting's digits.
    Integer LiftedValue(const Lifting& lifting, size_t e) const {
        const size_t width = lifting.digits.front().size();
        const uint64_t p = Prime(lifting.offset);
        Integer x = 0;
        for (size_t i = s_; i-- > 0;) {
            x *= p;
            x += lifting.digits[i][e % width][e / width];
        }
        return x;
    }

    const std::vector<Lifting>& liftings_;
    size_t s_;
    std::vector<Integer> moduli_;    // p_t^s
    std::vector<Integer> products_;  // the moduli before t
    std::vector<Integer> inverses_;  // those products' inverses modulo p_t^s
};

// Liftings with A regular modulo their primes, as many as wanted, from the primes after
// `offset`; the primes tried on all threads. `offset` becomes the last prime tried.
std::vector<Lifting> RegularLiftings(const WholeMatrix& a, size_t wanted, uint64_t& offset) {
    std::vector<Lifting> liftings;
    const size_t n = a.size();
    for (size_t tried = 0; liftings.size() < wanted && tried < kTriedPrimes * wanted;) {
        std::vector<Lifting> candidates(wanted - liftings.size());
        for (Lifting& candidate : candidates) {
            offset = NextPrimeOffset(offset);
            candidate.offset = offset;
        }
        tried += candidates.size();
        std::vector<char> regular(candidates.size());
        ParallelFor(
            candidates.size(), candidates.size() * n * n * n, [&](size_t begin, size_t end) {
                for (size_t t = begin; t < end; ++t) {
                    regular[t] = FactorModulo(a, candidates[t].offset, candidates[t].factors);
                }
            });
        for (size_t t = 0; t < candidates.size(); ++t) {
            if (regular[t] != 0) {
                liftings.push_back(std::move(candidates[t]));
            }
        }
    }
    return liftings;
}

}  // namespace

bool PadicSolve(const WholeMatrix& a, const WholeMatrix& b, size_t bits,
                const SolutionTest& accepted, std::vector<Integer>& scaled, Integer& common) {
    const size_t n = a.size();
    const size_t width = b.front().size();
    const size_t enough = PrimesFor(2 * bits + 1);
    // Each digit costs about three products of A's size by B's.
    const size_t work = 3 * n * n * width * enough;
    const size_t wanted = work < kLeastParallelWork ? 1 : std::min(CalculationThreads(), enough);
    uint64_t offset = 0;
    std::vector<Lifting> liftings = RegularLiftings(a, wanted, offset);
    if (liftings.empty()) {
        return false;
    }
    const ResidualPrimes primes = ResidualPrimesOf(a, b, offset);
    for (Lifting& lifting : liftings) {
        lifting.boundModulo = ResidueOf(primes.bound, lifting.offset);
        for (const uint64_t q : primes.offsets) {
            lifting.primeInverses.push_back(
                Power(Reduce(Prime(lifting.offset), q), Prime(q) - 2, q));
        }
        lifting.shifted = primes.shiftedB;
    }
    const size_t each = (enough + liftings.size() - 1) / liftings.size();
    for (size_t s = 1;; s = std::min(2 * s, each)) {
        ParallelFor(liftings.size(), work, [&](size_t begin, size_t end) {
            for (size_t t = begin; t < end; ++t) {
                Advance(primes, liftings[t], s, each);
            }
        });
        const JoinedLiftings joined(liftings, s);
        // An entry of X times a divisor of det A is at most a minor of [A | B] (Cramer's rule).
        const SplitResidues residues{joined.Moduli(),
                                     [&](size_t t, size_t e) { return joined.Part(t, e); },
                                     [&](size_t e) { return joined.Value(e); }, Integer(1) << bits};
        if (ReadBack(n * width, residues, scaled, common) && accepted(scaled, common)) {
            return true;
        }
        if (s == each) {
            return false;
        }
    }
}
