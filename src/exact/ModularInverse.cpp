// The determinant and the inverse by the Chinese remainder theorem.
//
// Each row is scaled to whole numbers, A' = S * A with S the rows' factors, so A^(-1) = adj(A') *
// S / det(A'). The determinant and every entry of the adjugate are minors of A', whole numbers
// whose magnitudes are below the Hadamard bound H, the product of the rows' lengths. Modulo a
// prime that does not divide det(A'), Gauss-Jordan elimination gives the inverse, and det(A')
// times it the adjugate; primes whose product passes 2H give both exactly. When det(A') is 0,
// every prime's residue of it is 0, and those primes prove it.
#include "ModularInverse.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "Calculation.h"
#include "Modular.h"

namespace {

// The adjugate modulo the prime, in place of the matrix, by Gauss-Jordan elimination in place
// (the exchanged rows become exchanged columns at the end); the determinant's residue, 0 without
// an adjugate.
uint64_t AdjugateModulo(Residues& m, uint64_t offset) {
    const uint64_t p = Prime(offset);
    const size_t n = m.size();
    std::vector<size_t> exchangedWith(n);
    uint64_t determinant = 1;
    for (size_t k = 0; k < n; ++k) {
        StopIfAsked();
        size_t pivot = k;
        while (pivot < n && m[pivot][k] == 0) {
            ++pivot;
        }
        if (pivot == n) {
            return 0;
        }
        exchangedWith[k] = pivot;
        if (pivot != k) {
            std::swap(m[pivot], m[k]);
            determinant = p - determinant;
        }
        std::vector<uint64_t>& row = m[k];
        determinant = Reduce(Wide{determinant} * row[k], offset);
        const uint64_t inverse = Power(row[k], p - 2, offset);
        row[k] = 1;
        for (uint64_t& x : row) {
            x = Reduce(Wide{x} * inverse, offset);
        }
        for (size_t i = 0; i < n; ++i) {
            if (i == k || m[i][k] == 0) {
                continue;
            }
            std::vector<uint64_t>& other = m[i];
            const uint64_t factor = p - other[k];
            other[k] = 0;
            for (size_t j = 0; j < n; ++j) {
                other[j] = Reduce(other[j] + Wide{factor} * row[j], offset);
            }
        }
    }
    for (size_t k = n; k-- > 0;) {
        if (exchangedWith[k] != k) {
            for (std::vector<uint64_t>& row : m) {
                std::swap(row[k], row[exchangedWith[k]]);
            }
        }
    }
    for (std::vector<uint64_t>& row : m) {
        for (uint64_t& x : row) {
            x = Reduce(Wide{x} * determinant, offset);
        }
    }
    return determinant;
}

// Numbers known modulo each prime 2^61 - offsets[i], read by the Chinese remainder theorem as the
// numbers of least magnitude: x = sum of r_i * c_i modulo M, c_i being 1 modulo its prime and 0
// modulo the others.
struct Remainders {
    Integer modulus = 1;
    std::vector<Integer> units;  // c_i

    explicit Remainders(const std::vector<uint64_t>& offsets) {
        for (const uint64_t offset : offsets) {
            modulus *= Prime(offset);
        }
        for (const uint64_t offset : offsets) {
            const Integer others = modulus / Prime(offset);
            const auto residue = static_cast<uint64_t>(others % Prime(offset));
            units.push_back(others * Power(residue, Prime(offset) - 2, offset));
        }
    }

    Integer Value(const std::vector<uint64_t>& residues) const {
        Integer x = 0;
        for (size_t i = 0; i < residues.size(); ++i) {
            x += units[i] * residues[i];
        }
        return SymmetricResidue(x % modulus, modulus);
    }
};

Integer Product(const std::vector<Integer>& factors) {
    Integer product = 1;
    for (const Integer& factor : factors) {
        product *= factor;
    }
    return product;
}

}  // namespace

Fraction ModularDeterminant(const FractionMatrix& a) {
    std::vector<Integer> factors;
    const WholeMatrix whole = WholeRows(a, factors);
    const size_t enough = PrimesFor(HadamardBits(whole, whole.front().size()) + 1);
    std::vector<uint64_t> offsets;
    std::vector<uint64_t> residues;
    uint64_t offset = 0;
    while (offsets.size() < enough) {
        NoteProgress(offsets.size(), enough);
        offset = NextPrimeOffset(offset);
        Residues m = ResiduesOf(whole, offset);
        uint64_t residue = 0;
        ForwardModulo(m, m.size(), offset, &residue);
        offsets.push_back(offset);
        residues.push_back(residue);
    }
    return Fraction(Remainders(offsets).Value(residues), Product(factors));
}

bool ModularInverse(const FractionMatrix& a, WholeInverse& inverse) {
    const size_t n = a.size();
    std::vector<Integer> factors;
    const WholeMatrix whole = WholeRows(a, factors);
    // Primes above 2^60 whose product passes 2H.
    const size_t enough = PrimesFor(HadamardBits(whole, whole.front().size()) + 1);
    std::vector<uint64_t> determinantOffsets;
    std::vector<uint64_t> determinants;
    std::vector<uint64_t> adjugateOffsets;
    std::vector<std::vector<uint64_t>> adjugates(n * n);  // each entry's residues
    uint64_t offset = 0;
    while (adjugateOffsets.size() < enough) {
        NoteProgress(adjugateOffsets.size(), enough);
        offset = NextPrimeOffset(offset);
        Residues m = ResiduesOf(whole, offset);
        const uint64_t residue = AdjugateModulo(m, offset);
        determinantOffsets.push_back(offset);
        determinants.push_back(residue);
        if (determinantOffsets.size() >= enough &&
            std::ranges::all_of(determinants, [](uint64_t r) { return r == 0; })) {
            return false;
        }
        if (residue == 0) {
            continue;
        }
        adjugateOffsets.push_back(offset);
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = 0; j < n; ++j) {
                adjugates[i * n + j].push_back(m[i][j]);
            }
        }
    }
    const Remainders remainders(adjugateOffsets);
    std::vector<uint64_t> ownDeterminants;
    for (size_t k = 0; k < determinantOffsets.size(); ++k) {
        if (determinants[k] != 0) {
            ownDeterminants.push_back(determinants[k]);
        }
    }
    const Integer determinant = remainders.Value(ownDeterminants);
    const Integer sign = determinant < 0 ? -1 : 1;
    inverse.below = abs(determinant);
    inverse.above.assign(n, {});
    for (size_t i = 0; i < n; ++i) {
        StopIfAsked();
        for (size_t j = 0; j < n; ++j) {
            inverse.above[i].push_back(sign * remainders.Value(adjugates[i * n + j]) * factors[j]);
        }
    }
    return true;
}
