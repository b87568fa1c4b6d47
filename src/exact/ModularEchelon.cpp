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
#include <atomic>
#include <iterator>
#include <numeric>
#include <utility>

#include "Calculation.h"
#include "Modular.h"
#include "PadicSolve.h"
#include "Parallel.h"
#include "RationalReconstruction.h"

namespace {

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
    // Exporting a number's digits costs about as much as reading a short one.
    constexpr size_t kWorkPerNumber = 64;
    WholeSystem whole;
    std::vector<Integer> factors;
    whole.rows = WholeRows(m, factors);
    for (const Integer& factor : factors) {
        whole.scale *= factor;
    }
    whole.limbs.resize(whole.rows.size());
    const size_t work = m.size() * m.front().size() * kWorkPerNumber;
    ParallelFor(whole.rows.size(), work, [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            for (const Integer& value : whole.rows[i]) {
                Limbs& limbs = whole.limbs[i].emplace_back();
                limbs.negative = value < 0;
                export_bits(Integer(abs(value)), std::back_inserter(limbs.digits), 64);
            }
        }
    });
    return whole;
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

// Whether each column without a pivot is the stated combination of the pivot columns: the
// entries are scaled[row * others + column] / common. The rows on all threads.
bool Proved(const WholeMatrix& rows, const std::vector<size_t>& pivotColumns,
            const std::vector<size_t>& others, const std::vector<Integer>& scaled,
            const Integer& common) {
    std::atomic<bool> holds = true;
    const size_t work = ProductsWork(rows.size() * others.size() * pivotColumns.size(), common);
    ParallelFor(rows.size(), work, [&](size_t begin, size_t end) {
        for (size_t r = begin; r < end && holds; ++r) {
            StopIfAsked();
            const std::vector<Integer>& row = rows[r];
            for (size_t k = 0; k < others.size(); ++k) {
                Integer sum = 0;
                for (size_t i = 0; i < pivotColumns.size(); ++i) {
                    sum += row[pivotColumns[i]] * scaled[i * others.size() + k];
                }
                if (sum != common * row[others[k]]) {
                    holds = false;
                }
            }
        }
    });
    return holds;
}

// Better residues: more pivots, or as many further left.
bool Precedes(const std::vector<size_t>& pivots, const std::vector<size_t>& best) {
    return pivots.size() != best.size() ? pivots.size() > best.size() : pivots < best;
}

// The form's rows: a 1 at each pivot, the entries scaled[row * others + column] / common in
// the other columns.
void FillForm(const std::vector<size_t>& pivotColumns, const std::vector<size_t>& others,
              size_t width, const std::vector<Integer>& scaled, const Integer& common,
              EchelonForm& form) {
    form.pivotColumns = pivotColumns;
    form.rows.assign(pivotColumns.size(), {});
    // Each fraction's lowest terms cost a greatest common divisor, by Boost's binary steps as much
    // as 64 products of its numbers: the rows on all threads.
    ParallelFor(form.rows.size(), ProductsWork(scaled.size() * 64, common),
                [&](size_t begin, size_t end) {
                    for (size_t i = begin; i < end; ++i) {
                        StopIfAsked();
                        for (size_t column = 0, k = 0; column < width; ++column) {
                            if (k < others.size() && others[k] == column) {
                                form.rows[i].emplace_back(scaled[i * others.size() + k++], common);
                            } else {
                                form.rows[i].emplace_back(column == pivotColumns[i] ? 1 : 0);
                            }
                        }
                    }
                });
}

// The number in (-M/2, M/2] that the residues stand for.
Integer Symmetric(const MixedRadix& numbers) {
    return SymmetricResidue(Value(numbers, 0), Modulus(numbers));
}

// The determinant of the square whole matrix: common, the denominator of its inverse's
// columns, divides it, and the cofactor is below H / common, known modulo the first primes
// that do not divide common.
Fraction DeterminantOf(const WholeSystem& whole, size_t columns, const Integer& common) {
    const size_t bits = HadamardBits(whole.rows, columns);
    const size_t enough = PrimesFor(bits - std::min<size_t>(bits, msb(common)) + 1);
    std::vector<uint64_t> offsets;
    std::vector<uint64_t> commonInverses;
    for (uint64_t offset = NextPrimeOffset(0); offsets.size() < enough;
         offset = NextPrimeOffset(offset)) {
        const auto commonModulo = static_cast<uint64_t>(Integer(common % Prime(offset)));
        if (commonModulo != 0) {
            offsets.push_back(offset);
            commonInverses.push_back(Power(commonModulo, Prime(offset) - 2, offset));
        }
    }
    // The eliminations on all threads, the residues joined in order.
    std::vector<uint64_t> residues(enough);
    const size_t n = whole.rows.size();
    ParallelFor(enough, enough * n * n * n / 3, [&](size_t begin, size_t end) {
        for (size_t t = begin; t < end; ++t) {
            Residues m = ResiduesModulo(whole, offsets[t]);
            uint64_t d = 0;
            ForwardModulo(m, columns, offsets[t], &d);
            residues[t] = Reduce(Wide{d} * commonInverses[t], offsets[t]);
        }
    });
    MixedRadix cofactors;
    for (size_t t = 0; t < enough; ++t) {
        AddResidues(cofactors, {residues[t]}, offsets[t]);
    }
    return Fraction(Symmetric(cofactors) * common, whole.scale);
}

// The form from the first prime's pivots: its pivot columns C and the first independent rows
// R make a regular minor, and the form's rows are A[R][C]^(-1) A[R], found by p-adic lifting,
// their zeros left of each pivot checked and proved on every row. False when the prime shows
// another rank or the lifted form is not proved, for rank 0, and for the determinant of any but
// a regular matrix.
bool LiftedForm(const WholeSystem& whole, size_t columns, size_t rank, EchelonForm& form,
                Fraction* determinant) {
    const size_t width = whole.rows.front().size();
    const bool square = rank == columns && rank == whole.rows.size();
    if (rank == 0 || (determinant != nullptr && !square)) {
        return false;
    }
    // A square matrix of full rank: every row and column, A itself; a prime that sees it
    // singular is passed over by the lifting.
    std::vector<size_t> pivots(rank);
    std::iota(pivots.begin(), pivots.end(), 0);
    std::vector<size_t> rows = pivots;
    if (!square) {
        const uint64_t offset = NextPrimeOffset(0);
        Residues residues = ResiduesModulo(whole, offset);
        Residues transposed(columns, std::vector<uint64_t>(residues.size()));
        for (size_t i = 0; i < residues.size(); ++i) {
            for (size_t j = 0; j < columns; ++j) {
                transposed[j][i] = residues[i][j];
            }
        }
        pivots = ForwardModulo(residues, columns, offset);
        rows = ForwardModulo(transposed, transposed.front().size(), offset);
        if (pivots.size() != rank || rows.size() != rank) {
            return false;
        }
    }
    std::vector<size_t> others;
    for (size_t column = 0, k = 0; column < width; ++column) {
        if (k < rank && pivots[k] == column) {
            ++k;
        } else {
            others.push_back(column);
        }
    }
    WholeMatrix chosen;
    WholeMatrix a;
    WholeMatrix b;
    for (const size_t row : rows) {
        chosen.push_back(whole.rows[row]);
        std::vector<Integer>& aRow = a.emplace_back();
        for (const size_t column : pivots) {
            aRow.push_back(chosen.back()[column]);
        }
        std::vector<Integer>& bRow = b.emplace_back();
        for (const size_t column : others) {
            bRow.push_back(chosen.back()[column]);
        }
    }
    const auto accepted = [&](const std::vector<Integer>& scaled, const Integer& common) {
        for (size_t i = 0; i < rank; ++i) {
            for (size_t k = 0; k < others.size() && others[k] < pivots[i]; ++k) {
                if (scaled[i * others.size() + k] != 0) {
                    return false;
                }
            }
        }
        return Proved(whole.rows, pivots, others, scaled, common);
    };
    std::vector<Integer> scaled;
    Integer common;
    if (!PadicSolve(a, b, HadamardBits(chosen, width), accepted, scaled, common)) {
        return false;
    }
    FillForm(pivots, others, width, scaled, common, form);
    if (determinant != nullptr) {
        *determinant = DeterminantOf(whole, columns, common);
    }
    return true;
}

// The form from the residues of many primes.
bool ResidueForm(const WholeSystem& whole, size_t columns, size_t rank, size_t enough,
                 EchelonForm& form, Fraction* determinant) {
    const size_t width = whole.rows.front().size();
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
                     ReadBack(modular.entries.size(),
                              {{Modulus(numbers)},
                               [&](size_t, size_t e) { return Value(numbers, e); },
                               [&](size_t e) { return Value(numbers, e); }},
                              scaled, common) &&
                     Proved(whole.rows, best, others, scaled, common);
            if (proved) {
                FillForm(best, others, width, scaled, common, form);
            }
        }
        if (proved && determinant == nullptr) {
            return true;
        }
        if (proved && determinants.offsets.size() >= enoughForDeterminant) {
            *determinant = Fraction(Symmetric(determinants), whole.scale);
            return true;
        }
    }
    return false;
}

}  // namespace

bool ModularEchelonForm(const FractionMatrix& m, size_t columns, size_t rank, EchelonForm& form,
                        Fraction* determinant) {
    const WholeSystem whole = WholeSystemOf(m);
    const size_t enough = PrimesFor(2 * HadamardBits(whole.rows, m.front().size()) + 1);
    if (enough > kMostPrimes) {
        return false;
    }
    return LiftedForm(whole, columns, rank, form, determinant) ||
           ResidueForm(whole, columns, rank, enough, form, determinant);
}
