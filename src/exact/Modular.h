// Arithmetic modulo the primes 2^61 - c for small c, shared by the exact ranks and the exact
// echelon form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

__extension__ using Wide = unsigned __int128;

inline constexpr int kPrimeBits = 61;
inline constexpr uint64_t kLowBits = (uint64_t{1} << kPrimeBits) - 1;

inline uint64_t Prime(uint64_t offset) {
    return (uint64_t{1} << kPrimeBits) - offset;
}

// x modulo 2^61 - offset, for x below 2^123 and an offset below 2^20: 2^61 is `offset` modulo that
// number, so the bits above the 61st fold down, multiplied by it, twice; what is left is below 2^61
// + 2^42.
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

// The next offset above `offset` whose 2^61 - offset is prime (Miller-Rabin, 25 trials): 1, 31,
// 45, ...
uint64_t NextPrimeOffset(uint64_t offset);

// Forward elimination modulo 2^61 - offset over the first `columns` columns: the first row at or
// below the current one with a non-zero entry is the pivot, and the rows below lose their entries
// under it (the columns past `columns` follow along). The pivots' columns; `determinant`, when
// given, gets the determinant of the leading square.
std::vector<size_t> ForwardModulo(std::vector<std::vector<uint64_t>>& m, size_t columns,
                                  uint64_t offset, uint64_t* determinant = nullptr);
