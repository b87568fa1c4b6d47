// The exact ranks of a system's matrix, from its typed numbers' residues modulo large primes, and
// the verdict on a square system that they give.
//
// Each equation is multiplied by the least common denominator of its numbers, which changes no
// rank, so the matrix is one of whole numbers. Its rank modulo a prime is never above the true
// rank r, and is below it only when the prime divides every non-zero minor of order r. The
// largest rank over three primes near 2^61 is therefore exact on every input short of one built
// to have all three divide those minors.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "ExactSystem.h"
#include "Modular.h"
#include "ModularRank.h"
#include "SystemText.h"

SystemRanks ExactRanks(const FractionMatrix& augmented, size_t unknowns) {
    std::vector<Integer> factors;
    const WholeMatrix whole = WholeRows(augmented, factors);
    SystemRanks largest;
    uint64_t offset = 0;
    for (int prime = 0; prime < 3; ++prime) {
        offset = NextPrimeOffset(offset);
        // The pivots met before the free terms' column count the rank of the coefficients.
        const std::vector<size_t> pivots = PivotColumnsModulo(whole, unknowns + 1, offset);
        const auto coefficients = static_cast<size_t>(
            std::ranges::count_if(pivots, [&](size_t column) { return column < unknowns; }));
        largest.coefficients = std::max(largest.coefficients, coefficients);
        largest.withFreeTerms = std::max(largest.withFreeTerms, pivots.size());
        if (largest.coefficients == unknowns) {
            break;
        }
    }
    return largest;
}

std::string SingularSystemMessage(const FractionMatrix& augmented) {
    // A singular system: no solution when the free terms raise the rank, otherwise infinitely
    // many.
    const size_t unknowns = augmented.front().size() - 1;
    const SystemRanks ranks = ExactRanks(augmented, unknowns);
    if (ranks.coefficients < unknowns) {
        return MessageText(ranks.withFreeTerms > ranks.coefficients ? kNoSolution
                                                                    : kNoUniqueSolution);
    }
    return "";
}
