// p-adic lifting. With A^(-1) modulo one prime p, the solution's p-adic digits come one at a
// time: X_i = A^(-1) R_i modulo p, then R_(i+1) = (R_i - A X_i) / p, a whole division, from
// R_0 = B. The residual's entries stay within K = the largest of |B|'s entries and of the rows'
// sums of |A|, so R + K is kept modulo a few further primes whose product exceeds 2K and read
// modulo p from them (Garner). X = sum X_i p^i modulo p^k is read back as fractions, tried at
// every power of two steps and at the last one that the Hadamard bound asks for.
#include "PadicSolve.h"

#include <algorithm>

#include "Calculation.h"
#include "Modular.h"
#include "RationalReconstruction.h"

namespace {

// Primes tried for one modulo which A is regular.
constexpr int kTriedPrimes = 3;

uint64_t ResidueOf(const Integer& x, uint64_t offset) {
    const auto r = static_cast<uint64_t>(Integer(abs(x) % Prime(offset)));
    return x < 0 && r != 0 ? Prime(offset) - r : r;
}

Residues ResiduesOf(const WholeMatrix& m, uint64_t offset) {
    Residues residues(m.size());
    for (size_t i = 0; i < m.size(); ++i) {
        for (const Integer& x : m[i]) {
            residues[i].push_back(ResidueOf(x, offset));
        }
    }
    return residues;
}

// A^(-1) modulo 2^61 - offset, from the echelon form of [A | I]; false when A is singular there.
bool InverseModulo(const WholeMatrix& a, uint64_t offset, Residues& inverse) {
    const size_t n = a.size();
    Residues augmented = ResiduesOf(a, offset);
    for (size_t i = 0; i < n; ++i) {
        augmented[i].resize(2 * n, 0);
        augmented[i][n + i] = 1;
    }
    const ModularForm form = EchelonModulo(std::move(augmented), n, offset);
    if (form.pivotColumns.size() < n) {
        return false;
    }
    inverse.assign(n, {});
    for (size_t i = 0; i < n; ++i) {
        const auto row = form.entries.begin() + static_cast<std::ptrdiff_t>(i * n);
        inverse[i].assign(row, row + static_cast<std::ptrdiff_t>(n));
    }
    return true;
}

// The residual R, as R + K modulo further primes q_t, with A and K modulo each.
struct Residual {
    std::vector<uint64_t> offsets;
    std::vector<Residues> a;
    std::vector<Residues> shifted;
    Integer bound;                      // K
    std::vector<uint64_t> boundModulo;  // K modulo each q_t
};

Residual ResidualOf(const WholeMatrix& a, const WholeMatrix& b, uint64_t offset) {
    Residual residual;
    Integer& bound = residual.bound;
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
        residual.offsets.push_back(offset);
        residual.a.push_back(ResiduesOf(a, offset));
        residual.boundModulo.push_back(ResidueOf(bound, offset));
        Residues shifted = ResiduesOf(b, offset);
        for (std::vector<uint64_t>& row : shifted) {
            for (uint64_t& x : row) {
                x = Reduce(Wide{x} + residual.boundModulo.back(), offset);
            }
        }
        residual.shifted.push_back(std::move(shifted));
    }
    return residual;
}

// R modulo 2^61 - offset: the mixed-radix digits of R + K over the q_t, summed modulo it, less K.
Residues ResidualModulo(const Residual& residual, uint64_t offset, uint64_t boundModulo) {
    const std::vector<uint64_t>& offsets = residual.offsets;
    const size_t count = offsets.size();
    std::vector<uint64_t> inverses;  // (q_0 ... q_(t-1))^(-1) modulo q_t
    for (size_t t = 0; t < count; ++t) {
        uint64_t product = 1;
        for (size_t u = 0; u < t; ++u) {
            product = Reduce(Wide{product} * Reduce(Prime(offsets[u]), offsets[t]), offsets[t]);
        }
        inverses.push_back(Power(product, Prime(offsets[t]) - 2, offsets[t]));
    }
    const Residues& first = residual.shifted.front();
    Residues r(first.size(), std::vector<uint64_t>(first.front().size()));
    std::vector<uint64_t> digits(count);
    for (size_t i = 0; i < r.size(); ++i) {
        for (size_t j = 0; j < r[i].size(); ++j) {
            for (size_t t = 0; t < count; ++t) {
                uint64_t known = 0;
                for (size_t u = t; u-- > 0;) {
                    known = Reduce(Wide{known} * Reduce(Prime(offsets[u]), offsets[t]) + digits[u],
                                   offsets[t]);
                }
                digits[t] = Reduce(
                    Wide{residual.shifted[t][i][j] + Prime(offsets[t]) - known} * inverses[t],
                    offsets[t]);
            }
            uint64_t value = 0;
            for (size_t u = count; u-- > 0;) {
                value = Reduce(Wide{value} * Reduce(Prime(offsets[u]), offset) + digits[u], offset);
            }
            r[i][j] = Reduce(Wide{value} + Prime(offset) - boundModulo, offset);
        }
    }
    return r;
}

// R := (R - A X_i) / p, modulo each q_t: R + K := (R + K - K - A X_i) p^(-1) + K.
void Lift(Residual& residual, const Residues& digit, uint64_t offset) {
    for (size_t t = 0; t < residual.offsets.size(); ++t) {
        const uint64_t q = residual.offsets[t];
        Residues x = digit;
        for (std::vector<uint64_t>& row : x) {
            for (uint64_t& e : row) {
                e = Reduce(e, q);
            }
        }
        const Residues ax = ProductModulo(residual.a[t], x, q);
        const uint64_t inverse = Power(Reduce(Prime(offset), q), Prime(q) - 2, q);
        const uint64_t k = residual.boundModulo[t];
        for (size_t i = 0; i < ax.size(); ++i) {
            for (size_t j = 0; j < ax[i].size(); ++j) {
                uint64_t& shifted = residual.shifted[t][i][j];
                const Wide difference = Wide{shifted} + 2 * Prime(q) - k - ax[i][j];
                shifted = Reduce(Wide{Reduce(difference, q)} * inverse + k, q);
            }
        }
    }
}

}  // namespace

bool PadicSolve(const WholeMatrix& a, const WholeMatrix& b, size_t bits,
                const SolutionTest& accepted, std::vector<Integer>& scaled, Integer& common) {
    uint64_t offset = 0;
    Residues inverse;
    bool regular = false;
    for (int tried = 0; tried < kTriedPrimes && !regular; ++tried) {
        offset = NextPrimeOffset(offset);
        regular = InverseModulo(a, offset, inverse);
    }
    if (!regular) {
        return false;
    }
    Residual residual = ResidualOf(a, b, offset);
    const uint64_t p = Prime(offset);
    const uint64_t boundModulo = ResidueOf(residual.bound, offset);
    const size_t width = b.front().size();
    const size_t enough = PrimesFor(2 * bits + 1);
    std::vector<Residues> digits;
    for (size_t step = 1; step <= enough; ++step) {
        NoteProgress(step - 1, enough);
        digits.push_back(
            ProductModulo(inverse, ResidualModulo(residual, offset, boundModulo), offset));
        if (step < enough) {
            Lift(residual, digits.back(), offset);
        }
        if (!IsPowerOfTwo(step) && step != enough) {
            continue;
        }
        const auto value = [&](size_t e) {
            Integer u = 0;
            for (size_t i = digits.size(); i-- > 0;) {
                u *= p;
                u += digits[i][e / width][e % width];
            }
            return u;
        };
        if (ReadBack(a.size() * width, value, pow(Integer(p), static_cast<unsigned>(step)), scaled,
                     common) &&
            accepted(scaled, common)) {
            return true;
        }
    }
    return false;
}
