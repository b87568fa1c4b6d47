// The rank modulo primes, and proved.
#include "ModularRank.h"

#include <algorithm>

#include "Modular.h"
#include "ModularEchelon.h"
#include "ModularInverse.h"

std::vector<size_t> PivotColumnsModulo(const WholeMatrix& m, size_t columns, uint64_t offset) {
    const Integer p = Prime(offset);
    std::vector<std::vector<uint64_t>> residues(m.size());
    for (size_t i = 0; i < m.size(); ++i) {
        for (const Integer& x : m[i]) {
            Integer r = x % p;
            residues[i].push_back(static_cast<uint64_t>(r < 0 ? Integer(r + p) : r));
        }
    }
    return ForwardModulo(residues, columns, offset);
}

bool ExactRank(const FractionMatrix& m, size_t& rank) {
    std::vector<Integer> factors;
    const WholeMatrix whole = WholeRows(m, factors);
    const size_t columns = m.front().size();
    rank = 0;
    uint64_t offset = 0;
    for (int prime = 0; prime < 3; ++prime) {
        offset = NextPrimeOffset(offset);
        rank = std::max(rank, PivotColumnsModulo(whole, columns, offset).size());
    }
    if (rank == std::min(m.size(), columns)) {
        return true;
    }
    // A square matrix one short of full rank: its determinant tells which.
    if (m.size() == columns && rank + 1 == columns) {
        rank += ModularDeterminant(m) == 0 ? 0 : 1;
        return true;
    }
    EchelonForm form;
    if (!ModularEchelonForm(m, columns, rank, form)) {
        return false;
    }
    rank = form.pivotColumns.size();
    return true;
}
