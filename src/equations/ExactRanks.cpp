// The exact ranks of a system's matrix, from its typed numbers' residues modulo large primes.
//
// Each equation is multiplied by the power of ten that clears its decimal points, which changes
// no rank, so the matrix is one of whole numbers. Its rank modulo a prime is never above the
// true rank r, and is below it only when the prime divides every non-zero minor of order r. The
// largest rank over three primes near 2^61 is therefore exact on every input short of one built
// to have all three divide those minors.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "Modular.h"
#include "NumberCheck.h"
#include "SystemText.h"

namespace {

using ResidueMatrix = std::vector<std::vector<uint64_t>>;

size_t Decimals(std::string_view number) {
    const size_t point = number.find('.');
    return point == std::string_view::npos ? 0 : number.size() - point - 1;
}

// The residue of an accepted number text times 10^decimals; decimals is at least the text's
// own number of decimal places.
uint64_t Residue(std::string_view number, size_t decimals, uint64_t offset) {
    uint64_t digits = 0;
    for (const char c : number) {
        if (IsDigit(c)) {
            digits = Reduce(Wide{digits} * 10 + static_cast<uint64_t>(c - '0'), offset);
        }
    }
    const uint64_t r =
        Reduce(Wide{digits} * Power(10, decimals - Decimals(number), offset), offset);
    return number.starts_with('-') && r != 0 ? Prime(offset) - r : r;
}

// One row per line: the coefficients by column, then the free term, each line scaled to whole
// numbers.
ResidueMatrix ResiduesOf(const SystemTerms& system, uint64_t offset) {
    ResidueMatrix m(system.freeTerms.size(), std::vector<uint64_t>(system.names.size() + 1));
    for (size_t row = 0; row < m.size(); ++row) {
        const auto& terms = system.termsOfLine[row];
        size_t decimals = Decimals(system.freeTerms[row]);
        for (const auto& term : terms) {
            decimals = std::max(decimals, Decimals(term.second));
        }
        for (const auto& [column, coefficient] : terms) {
            m[row][column] =
                Reduce(Wide{m[row][column]} + Residue(coefficient, decimals, offset), offset);
        }
        m[row].back() = Residue(system.freeTerms[row], decimals, offset);
    }
    return m;
}

}  // namespace

SystemRanks ExactRanks(const SystemTerms& system) {
    SystemRanks largest;
    uint64_t offset = 0;
    for (int prime = 0; prime < 3; ++prime) {
        offset = NextPrimeOffset(offset);
        ResidueMatrix m = ResiduesOf(system, offset);
        // The pivots met before the free terms' column count the rank of the coefficients.
        const std::vector<size_t> pivots = ForwardModulo(m, m.front().size(), offset);
        const auto coefficients = static_cast<size_t>(std::ranges::count_if(
            pivots, [&](size_t column) { return column < system.names.size(); }));
        largest.coefficients = std::max(largest.coefficients, coefficients);
        largest.withFreeTerms = std::max(largest.withFreeTerms, pivots.size());
        if (largest.coefficients == system.names.size()) {
            break;
        }
    }
    return largest;
}
