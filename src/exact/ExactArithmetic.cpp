// Sums, products, powers and the transpose of exact matrices.
#include <algorithm>

#include "Calculation.h"
#include "ExactMatrix.h"

namespace {

bool AnyTooLong(const FractionMatrix& m) {
    return std::ranges::any_of(m, [](const std::vector<Fraction>& row) {
        return std::ranges::any_of(row, [](const Fraction& x) { return TooLong(x); });
    });
}

// c, when none of its numbers is too long.
bool Kept(FractionMatrix&& result, FractionMatrix& c) {
    if (AnyTooLong(result)) {
        c.clear();
        return false;
    }
    c = std::move(result);
    return true;
}

// The matrix as whole numbers over the least common denominator of its entries.
struct WholeOver {
    WholeMatrix m;
    Integer denominator = 1;
};

WholeOver OverCommonDenominator(const FractionMatrix& a) {
    WholeOver whole;
    for (const std::vector<Fraction>& row : a) {
        for (const Fraction& x : row) {
            whole.denominator = lcm(whole.denominator, Integer(denominator(x)));
        }
    }
    for (const std::vector<Fraction>& row : a) {
        std::vector<Integer>& wholeRow = whole.m.emplace_back();
        for (const Fraction& x : row) {
            wholeRow.push_back(numerator(x) * (whole.denominator / denominator(x)));
        }
    }
    return whole;
}

// A * B on whole numbers, each entry's fraction reduced once; its rows noted as steps when asked.
FractionMatrix Multiplied(const FractionMatrix& a, const FractionMatrix& b, bool noted) {
    const WholeOver left = OverCommonDenominator(a);
    const WholeOver right = OverCommonDenominator(b);
    const Integer below = left.denominator * right.denominator;
    FractionMatrix c(a.size());
    for (size_t i = 0; i < a.size(); ++i) {
        if (noted) {
            NoteProgress(i, a.size());
        }
        for (size_t j = 0; j < b.front().size(); ++j) {
            StopIfAsked();
            Integer sum = 0;
            for (size_t k = 0; k < b.size(); ++k) {
                sum += left.m[i][k] * right.m[k][j];
            }
            c[i].emplace_back(sum, below);
        }
    }
    return c;
}

// Each entry of the result from the entries of a and b.
template <typename Entry>
FractionMatrix EntryByEntry(const FractionMatrix& a, Entry entry) {
    FractionMatrix c(a.size());
    for (size_t i = 0; i < a.size(); ++i) {
        NoteProgress(i, a.size());
        for (size_t j = 0; j < a[i].size(); ++j) {
            c[i].push_back(entry(i, j));
        }
    }
    return c;
}

}  // namespace

bool ExactSum(const FractionMatrix& a, const FractionMatrix& b, FractionMatrix& c) {
    return Kept(EntryByEntry(a, [&](size_t i, size_t j) { return Fraction(a[i][j] + b[i][j]); }),
                c);
}

bool ExactDifference(const FractionMatrix& a, const FractionMatrix& b, FractionMatrix& c) {
    return Kept(EntryByEntry(a, [&](size_t i, size_t j) { return Fraction(a[i][j] - b[i][j]); }),
                c);
}

bool ExactProduct(const FractionMatrix& a, const FractionMatrix& b, FractionMatrix& c) {
    return Kept(Multiplied(a, b, true), c);
}

bool ExactPower(const FractionMatrix& a, int32_t exponent, FractionMatrix& c) {
    if (exponent == 0) {
        return Kept(EntryByEntry(a, [](size_t i, size_t j) { return Fraction(i == j ? 1 : 0); }),
                    c);
    }
    // By squaring, from the exponent's highest bit down.
    int bit = 30;
    while ((exponent >> bit & 1) == 0) {
        --bit;
    }
    FractionMatrix power = a;
    const int top = bit;
    for (bit = top - 1; bit >= 0; --bit) {
        NoteProgress(static_cast<size_t>(top - 1 - bit), static_cast<size_t>(top));
        if (!Kept(Multiplied(power, power, false), power) ||
            ((exponent >> bit & 1) != 0 && !Kept(Multiplied(power, a, false), power))) {
            c.clear();
            return false;
        }
    }
    return Kept(std::move(power), c);
}

bool ExactByNumber(const FractionMatrix& a, int32_t factor, FractionMatrix& c) {
    return Kept(EntryByEntry(a, [&](size_t i, size_t j) { return Fraction(a[i][j] * factor); }), c);
}

bool ExactTranspose(const FractionMatrix& a, FractionMatrix& c) {
    FractionMatrix t(a.front().size());
    for (size_t j = 0; j < t.size(); ++j) {
        NoteProgress(j, t.size());
        for (const std::vector<Fraction>& row : a) {
            t[j].push_back(row[j]);
        }
    }
    return Kept(std::move(t), c);
}
