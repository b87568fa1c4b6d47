// Arithmetic modulo the primes 2^61 - c for small c, shared by the exact ranks and the exact
// echelon form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ExactNumbers.h"

using Residues = std::vector<std::vector<uint64_t>>;

__extension__ using Wide = unsigned __int128;

inline constexpr int kPrimeBits = 61;
inline constexpr uint64_t kLowBits = (uint64_t{1} << kPrimeBits) - 1;

inline uint64_t Prime(uint64_t offset) {
    return (uint64_t{1} << kPrimeBits) - offset;
}

// x modulo 2^61 - offset, for x below 2^125 and an offset below 2^20: 2^61 is `offset` modulo that
// number, so the bits above the 61st fold down, multiplied by it, twice; what is left is below 2^61
// + 2^44.
inline uint64_t Reduce(Wide x, uint64_t offset) {
    const Wide once = Wide{static_cast<uint64_t>(x >> kPrimeBits)} * offset + (x & kLowBits);
    const uint64_t r = static_cast<uint64_t>(once >> kPrimeBits) * offset +
                       (static_cast<uint64_t>(once) & kLowBits);
    return r >= Prime(offset) ? r - Prime(offset) : r;
}

inline uint64_t Power(uint64_t base, uint64_t exponent, uint64_t offset) {
    uint64_t result = 1;
    for (; exponent != 0; exponent >>= 1) {
        if ((exponent & 1U) != 0) {
            result = Reduce(Wide{result} * base, offset);
        }
        base = Reduce(Wide{base} * base, offset);
    }
    return result;
}

// x modulo 2^61 - offset, and each entry of m.
uint64_t ResidueOf(const Integer& x, uint64_t offset);
Residues ResiduesOf(const WholeMatrix& m, uint64_t offset);

// The number in (-m/2, m/2] that x in [0, m) stands for modulo m.
inline Integer SymmetricResidue(const Integer& x, const Integer& m) {
    return x > m / 2 ? Integer(x - m) : x;
}

// How many primes give a product above 2^bits; each is above 2^60.
inline size_t PrimesFor(size_t bits) {
    return bits / 60 + 1;
}

// Whether a count of primes is one at which a reading back is tried: 1, 2, 4, 8, ...
inline bool IsPowerOfTwo(size_t n) {
    return (n & (n - 1)) == 0;
}

// The next offset above `offset` whose 2^61 - offset is prime (Miller-Rabin, 25 trials): 1, 31,
// 45, ...
uint64_t NextPrimeOffset(uint64_t offset);

// Forward elimination modulo 2^61 - offset over the first `columns` columns: the first row at or
// below the current one with a non-zero entry is the pivot, and the rows below lose their entries
// under it (the columns past `columns` follow along). The pivots' columns; `determinant`, when
// given, gets the determinant of the leading square.
std::vector<size_t> ForwardModulo(Residues& m, size_t columns, uint64_t offset,
                                  uint64_t* determinant = nullptr);

// The reduced row echelon form modulo 2^61 - offset over the first `columns` columns: its pivot
// columns, and its rows' entries in the other columns (the further columns last), row by row;
// the determinant of a square leading part.
struct ModularForm {
    std::vector<size_t> pivotColumns;
    std::vector<size_t> otherColumns;
    std::vector<uint64_t> entries;
    uint64_t determinant = 1;
};

ModularForm EchelonModulo(Residues m, size_t columns, uint64_t offset);

// The sum of x[k] * y[k] for k below count, modulo 2^61 - offset.
uint64_t DotModulo(const uint64_t* x, const uint64_t* y, size_t count, uint64_t offset);

// left * right modulo 2^61 - offset, the right factor and the product given by their columns;
// the rows on all threads.
Residues ProductModulo(const Residues& left, const Residues& rightColumns, uint64_t offset);
