// The exact echelon form and determinant of large matrices, from residues modulo many primes.
//
// Each row is scaled to whole numbers. The entries of the reduced row echelon form are
// quotients of minors of the matrix, so their numerators and denominators are below
// the Hadamard bound H, the product of the rows' lengths. Modulo a prime, elimination gives the
// form's residues whenever its pivot columns are the true ones; a prime that divides the wrong
// minors shows fewer pivots or later ones, and its residues are left out. The residues of
// enough primes (a product above 2H^2) combine by the Chinese remainder theorem into each entry
// and its fraction is read back by rational reconstruction, tried early, at every power of two.
// The result is proved on the whole numbers: every column without a pivot, the further columns
// included, is the combination of the pivot columns that the form states.
#include "ModularEchelon.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "Calculation.h"
#include "Modular.h"

namespace {

using Residues = std::vector<std::vector<uint64_t>>;

// A whole number's sign and its 64-bit digits, the most significant first.
struct Limbs {
    bool negative = false;
    std::vector<uint64_t> digits;
};

// The matrix with each row multiplied by the least common denominator of its entries.
struct WholeSystem {
    WholeMatrix rows;
    std::vector<std::vector<Limbs>> limbs;
    Integer scale = 1;  // the product of the rows' factors
};

WholeSystem WholeSystemOf(const FractionMatrix& m) {
    WholeSystem whole;
    std::vector<Integer> factors;
    whole.rows = WholeRows(m, factors);
    for (size_t i = 0; i < whole.rows.size(); ++i) {
        whole.scale *= factors[i];
        std::vector<Limbs>& limbRow = whole.limbs.emplace_back();
        for (const Integer& value : whole.rows[i]) {
            Limbs& limbs = limbRow.emplace_back();
            limbs.negative = value < 0;
            export_bits(Integer(abs(value)), std::back_inserter(limbs.digits), 64);
        }
    }
    return whole;
}

// log2 of the Hadamard bound of the first `columns` columns, rounded up.
size_t HadamardBits(const WholeMatrix& rows, size_t columns) {
    size_t bits = 0;
    for (const std::vector<Integer>& row : rows) {
        Integer squares = 0;
        for (size_t j = 0; j < columns; ++j) {
            squares += row[j] * row[j];
        }
        bits += squares == 0 ? 0 : msb(squares) / 2 + 1;
    }
    return bits;
}

// How many primes give a product above 2^bits; each is above 2^60.
size_t PrimesFor(size_t bits) {
    return bits / 60 + 1;
}

// The most primes tried: their offsets stay below 200,000, within Reduce's reach, and their
// product of about 250,000 bits holds the form of a system whose Hadamard bound is below
// 2^125,000; a system with longer numbers is answered with a message instead.
constexpr size_t kMostPrimes = 4096;

Residues ResiduesModulo(const WholeSystem& whole, uint64_t offset) {
    const uint64_t limbBase = Reduce(Wide{1} << 64, offset);
    Residues residues(whole.limbs.size());
    for (size_t i = 0; i < residues.size(); ++i) {
        for (const Limbs& x : whole.limbs[i]) {
            uint64_t r = 0;
            for (const uint64_t digit : x.digits) {
                r = Reduce(Wide{r} * limbBase + digit, offset);
            }
            residues[i].push_back(x.negative && r != 0 ? Prime(offset) - r : r);
        }
    }
    return residues;
}

// The reduced row echelon form modulo one prime over the first `columns` columns: its pivot
// columns, and its rows' entries in the other columns (the further columns last), row by row;
// the determinant of a square leading part.
struct ModularForm {
    std::vector<size_t> pivotColumns;
    std::vector<size_t> otherColumns;
    std::vector<uint64_t> entries;
    uint64_t determinant = 1;
};

ModularForm EchelonModulo(Residues m, size_t columns, uint64_t offset) {
    const uint64_t p = Prime(offset);
    ModularForm form;
    form.pivotColumns = ForwardModulo(m, columns, offset, &form.determinant);
    for (size_t column = 0, k = 0; column < m.front().size(); ++column) {
        if (k < form.pivotColumns.size() && form.pivotColumns[k] == column) {
            ++k;
        } else {
            form.otherColumns.push_back(column);
        }
    }
    // Back, from the last pivot up, on the columns without a pivot alone: each pivot row
    // divided by its pivot, then taken from the rows above.
    const std::vector<size_t>& others = form.otherColumns;
    for (size_t i = form.pivotColumns.size(); i-- > 0;) {
        const size_t column = form.pivotColumns[i];
        const uint64_t inverse = Power(m[i][column], p - 2, offset);
        for (const size_t j : others) {
            m[i][j] = Reduce(Wide{m[i][j]} * inverse, offset);
        }
        for (size_t k = 0; k < i; ++k) {
            const uint64_t factor = p - m[k][column];
            for (const size_t j : others) {
                m[k][j] = Reduce(m[k][j] + Wide{factor} * m[i][j], offset);
            }
        }
    }
    for (size_t i = 0; i < form.pivotColumns.size(); ++i) {
        for (const size_t j : others) {
            form.entries.push_back(m[i][j]);
        }
    }
    return form;
}

// Numbers known modulo a growing list of primes, kept as mixed-radix digits:
// x = a0 + p0 * (a1 + p1 * (a2 + ...)).
struct MixedRadix {
    std::vector<uint64_t> offsets;
    std::vector<std::vector<uint64_t>> digits;  // one list per number
};

// Adds each number's residue modulo the prime 2^61 - offset (Garner's method).
void AddResidues(MixedRadix& numbers, const std::vector<uint64_t>& residues, uint64_t offset) {
    const uint64_t p = Prime(offset);
    std::vector<uint64_t> primes;  // the earlier primes modulo this one
    uint64_t product = 1;
    for (const uint64_t earlier : numbers.offsets) {
        primes.push_back(Reduce(Prime(earlier), offset));
        product = Reduce(Wide{product} * primes.back(), offset);
    }
    const uint64_t inverse = Power(product, p - 2, offset);
    numbers.digits.resize(residues.size());
    for (size_t e = 0; e < residues.size(); ++e) {
        std::vector<uint64_t>& a = numbers.digits[e];
        uint64_t known = 0;
        for (size_t j = a.size(); j-- > 0;) {
            known = Reduce(Wide{known} * primes[j] + a[j], offset);
        }
        a.push_back(Reduce(Wide{residues[e] + p - known} * inverse, offset));
    }
    numbers.offsets.push_back(offset);
}

// The number in [0, M), M the product of the primes.
Integer Value(const MixedRadix& numbers, size_t e) {
    const std::vector<uint64_t>& a = numbers.digits[e];
    Integer x = 0;
    for (size_t j = a.size(); j-- > 0;) {
        x = x * Prime(numbers.offsets[j]) + a[j];
    }
    return x;
}

Integer Modulus(const MixedRadix& numbers) {
    Integer m = 1;
    for (const uint64_t offset : numbers.offsets) {
        m *= Prime(offset);
    }
    return m;
}

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

// The form's entries read back from their residues, each numerator and denominator at most
// sqrt(M / 2), as whole numbers over one common denominator. The denominators found so far are
// tried first: an entry times their product is mostly whole. False when some entry has no such
// fraction yet.
bool ReadBack(const MixedRadix& numbers, std::vector<Integer>& scaled, Integer& common) {
    const Integer m = Modulus(numbers);
    // A power of two at most sqrt(M / 2).
    const Integer limit = Integer(1) << ((msb(m) - 1) / 2);
    common = 1;
    std::vector<Integer> commonThen;  // the common denominator when each entry was read
    for (size_t e = 0; e < numbers.digits.size(); ++e) {
        const Integer below = limit / common;
        if (below == 0) {
            return false;
        }
        const Integer t = Value(numbers, e) * common % m;
        const Integer above = limit * common;
        Fraction value;
        if (t <= above || m - t <= above) {
            scaled.push_back(t <= above ? t : Integer(t - m));
        } else if (Reconstruct(t, m, above, below, value)) {
            scaled.push_back(numerator(value));
            common *= denominator(value);
        } else {
            return false;
        }
        commonThen.push_back(common);
    }
    for (size_t e = 0; e < scaled.size(); ++e) {
        scaled[e] *= common / commonThen[e];
    }
    return true;
}

// Whether each column without a pivot is the stated combination of the pivot columns: the
// entries are scaled[row * others + column] / common.
bool Proved(const WholeMatrix& rows, const std::vector<size_t>& pivotColumns,
            const std::vector<size_t>& others, const std::vector<Integer>& scaled,
            const Integer& common) {
    for (size_t k = 0; k < others.size(); ++k) {
        for (const std::vector<Integer>& row : rows) {
            Integer sum = 0;
            for (size_t i = 0; i < pivotColumns.size(); ++i) {
                sum += row[pivotColumns[i]] * scaled[i * others.size() + k];
            }
            if (sum != common * row[others[k]]) {
                return false;
            }
        }
    }
    return true;
}

// Better residues: more pivots, or as many further left.
bool Precedes(const std::vector<size_t>& pivots, const std::vector<size_t>& best) {
    return pivots.size() != best.size() ? pivots.size() > best.size() : pivots < best;
}

bool IsPowerOfTwo(size_t n) {
    return (n & (n - 1)) == 0;
}

}  // namespace

bool ModularEchelonForm(const FractionMatrix& m, size_t columns, size_t rank, EchelonForm& form,
                        Fraction* determinant) {
    const size_t width = m.front().size();
    const WholeSystem whole = WholeSystemOf(m);
    const size_t enough = PrimesFor(2 * HadamardBits(whole.rows, width) + 1);
    if (enough > kMostPrimes) {
        return false;
    }
    // The determinant is below H of the leading part, known modulo every prime.
    const size_t enoughForDeterminant = PrimesFor(HadamardBits(whole.rows, columns) + 1);
    MixedRadix determinants;
    std::vector<size_t> best(rank, columns);  // behind every true form of this rank
    std::vector<size_t> others;
    MixedRadix numbers;
    bool proved = false;
    uint64_t offset = 0;
    for (size_t tried = 0; tried < kMostPrimes; ++tried) {
        NoteProgress(std::min(tried, enough), enough);
        offset = NextPrimeOffset(offset);
        const ModularForm modular = EchelonModulo(ResiduesModulo(whole, offset), columns, offset);
        if (determinant != nullptr) {
            AddResidues(determinants, {modular.determinant}, offset);
        }
        if (!proved && Precedes(modular.pivotColumns, best)) {
            best = modular.pivotColumns;
            others = modular.otherColumns;
            numbers = {};
        }
        if (!proved && modular.pivotColumns == best) {
            AddResidues(numbers, modular.entries, offset);
            const size_t count = numbers.offsets.size();
            std::vector<Integer> scaled;
            Integer common;
            proved = (IsPowerOfTwo(count) || count == enough) &&
                     ReadBack(numbers, scaled, common) &&
                     Proved(whole.rows, best, others, scaled, common);
            if (proved) {
                form.pivotColumns = best;
                form.rows.assign(best.size(), std::vector<Fraction>(width, Fraction(0)));
                for (size_t i = 0; i < best.size(); ++i) {
                    form.rows[i][best[i]] = 1;
                    for (size_t k = 0; k < others.size(); ++k) {
                        form.rows[i][others[k]] = Fraction(scaled[i * others.size() + k], common);
                    }
                }
            }
        }
        if (proved && determinant == nullptr) {
            return true;
        }
        if (proved && determinants.offsets.size() >= enoughForDeterminant) {
            const Integer modulus = Modulus(determinants);
            Integer d = Value(determinants, 0);
            *determinant = Fraction(d > modulus / 2 ? Integer(d - modulus) : d, whole.scale);
            return true;
        }
    }
    return false;
}
