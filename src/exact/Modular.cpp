#include "Modular.h"

#include <algorithm>
#include <boost/multiprecision/miller_rabin.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <utility>

#include "Parallel.h"

uint64_t NextPrimeOffset(uint64_t offset) {
    // A fresh engine each call: the same primes every time, on any thread.
    boost::random::mt19937 engine;
    do {
        offset += offset % 2 == 0 ? 1 : 2;  // 2^61 - c is odd for odd c
    } while (!boost::multiprecision::miller_rabin_test(Prime(offset), 25, engine));
    return offset;
}

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

std::vector<size_t> ForwardModulo(Residues& m, size_t columns, uint64_t offset,
                                  uint64_t* determinant) {
    const uint64_t p = Prime(offset);
    uint64_t sign = 1;  // the determinant of the leading square, as far as it goes
    std::vector<size_t> pivotColumns;
    for (size_t column = 0; column < columns; ++column) {
        const size_t rank = pivotColumns.size();
        const auto pivotRow = std::find_if(m.begin() + static_cast<std::ptrdiff_t>(rank), m.end(),
                                           [column](const auto& row) { return row[column] != 0; });
        if (pivotRow == m.end()) {
            sign = 0;
            continue;
        }
        if (pivotRow != m.begin() + static_cast<std::ptrdiff_t>(rank)) {
            std::swap(*pivotRow, m[rank]);
            sign = sign == 0 ? 0 : p - sign;
        }
        const std::vector<uint64_t>& pivot = m[rank];
        sign = Reduce(Wide{sign} * pivot[column], offset);
        const uint64_t inverse = Power(pivot[column], p - 2, offset);
        for (size_t i = rank + 1; i < m.size(); ++i) {
            std::vector<uint64_t>& row = m[i];
            if (row[column] == 0) {
                continue;
            }
            const uint64_t factor = p - Reduce(Wide{row[column]} * inverse, offset);
            for (size_t j = column + 1; j < row.size(); ++j) {
                row[j] = Reduce(row[j] + Wide{factor} * pivot[j], offset);
            }
        }
        pivotColumns.push_back(column);
    }
    if (determinant != nullptr) {
        *determinant = sign;
    }
    return pivotColumns;
}

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

uint64_t DotModulo(const uint64_t* x, const uint64_t* y, size_t count, uint64_t offset) {
    constexpr size_t kGathered = 8;  // products below 2^122 each: with a residue, below 2^125
    Wide sum = 0;
    size_t k = 0;
    for (; k + kGathered <= count; k += kGathered) {
        for (size_t u = k; u < k + kGathered; ++u) {
            sum += Wide{x[u]} * y[u];
        }
        sum = Reduce(sum, offset);
    }
    for (; k < count; ++k) {
        sum += Wide{x[k]} * y[k];
    }
    return Reduce(sum, offset);
}

Residues ProductModulo(const Residues& left, const Residues& rightColumns, uint64_t offset) {
    Residues product(rightColumns.size(), std::vector<uint64_t>(left.size()));
    const size_t work = left.size() * rightColumns.size() * left.front().size();
    ParallelFor(left.size(), work, [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            for (size_t j = 0; j < rightColumns.size(); ++j) {
                product[j][i] =
                    DotModulo(left[i].data(), rightColumns[j].data(), left[i].size(), offset);
            }
        }
    });
    return product;
}
