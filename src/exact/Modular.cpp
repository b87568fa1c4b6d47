#include "Modular.h"

#include <algorithm>
#include <boost/multiprecision/miller_rabin.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <utility>

uint64_t NextPrimeOffset(uint64_t offset) {
    // A fresh engine each call: the same primes every time, on any thread.
    boost::random::mt19937 engine;
    do {
        offset += offset % 2 == 0 ? 1 : 2;  // 2^61 - c is odd for odd c
    } while (!boost::multiprecision::miller_rabin_test(Prime(offset), 25, engine));
    return offset;
}

std::vector<size_t> ForwardModulo(std::vector<std::vector<uint64_t>>& m, size_t columns,
                                  uint64_t offset, uint64_t* determinant) {
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
