// The matrix arithmetic but the determinant: sizes, sum, difference, products, transpose, power.
#include "uMatrixes.h"

#include <algorithm>

#include "Calculation.h"
#include "Parallel.h"

namespace {

// A zero matrix of the given shape, every row as long.
TwoDimDynA Shaped(size_t rows, size_t columns) {
    return TwoDimDynA(rows, ArrayOfExtended(columns));
}

// Elements of C computed side by side, so that their sums stay in registers.
constexpr size_t kProductBlock = 4;

// C[i][j..j+width-1]: each sum starts at 0 and takes the products A[i][k] * B[k][j] in
// increasing k.
template <size_t width>
void SumProducts(const ArrayOfExtended& aRow, const TwoDimDynA& b, size_t depth, size_t j,
                 ArrayOfExtended& cRow) {
    Extended sums[width] = {};
    for (size_t k = 0; k < depth; ++k) {
        const Extended left = aRow[k];
        const Extended* right = b[k].data() + j;
        for (size_t w = 0; w < width; ++w) {
            sums[w] += left * right[w];
        }
    }
    for (size_t w = 0; w < width; ++w) {
        cRow[j + w] = sums[w];
    }
}

}  // namespace

bool SameSize(const TwoDimDynA& a, const TwoDimDynA& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size()) {
            return false;
        }
    }
    return true;
}

bool IsSquare(const TwoDimDynA& a) {
    for (const ArrayOfExtended& row : a) {
        if (row.size() != a.size()) {
            return false;
        }
    }
    return true;
}

void MatrixSum(const TwoDimDynA& a, const TwoDimDynA& b, TwoDimDynA& c) {
    TwoDimDynA sum = a;
    for (size_t i = 0; i < sum.size(); ++i) {
        for (size_t j = 0; j < sum[i].size(); ++j) {
            sum[i][j] = a[i][j] + b[i][j];
        }
    }
    c = std::move(sum);
}

void MatrixDifference(const TwoDimDynA& a, const TwoDimDynA& b, TwoDimDynA& c) {
    TwoDimDynA negated;
    MatrixByNumber(b, negated, -1);
    MatrixSum(a, negated, c);
}

void MatrixByNumber(const TwoDimDynA& a, TwoDimDynA& c, Extended factor) {
    TwoDimDynA product = a;
    for (ArrayOfExtended& row : product) {
        for (Extended& element : row) {
            element *= factor;
        }
    }
    c = std::move(product);
}

void MatrixProduct(const TwoDimDynA& a, const TwoDimDynA& b, TwoDimDynA& c) {
    const size_t columns = b.empty() ? 0 : b[0].size();
    TwoDimDynA product = Shaped(a.size(), columns);
    ParallelFor(a.size(), a.size() * columns * b.size(), [&](size_t firstRow, size_t endRow) {
        for (size_t i = firstRow; i < endRow; ++i) {
            StopIfAsked();
            const size_t depth = std::min(a[i].size(), b.size());
            size_t j = 0;
            for (; j + kProductBlock <= columns; j += kProductBlock) {
                SumProducts<kProductBlock>(a[i], b, depth, j, product[i]);
            }
            for (; j < columns; ++j) {
                SumProducts<1>(a[i], b, depth, j, product[i]);
            }
        }
    });
    c = std::move(product);
}

void Transpose(const TwoDimDynA& a, TwoDimDynA& c) {
    const size_t columns = a.empty() ? 0 : a[0].size();
    TwoDimDynA transposed = Shaped(columns, a.size());
    for (size_t i = 0; i < columns; ++i) {
        for (size_t j = 0; j < a.size(); ++j) {
            transposed[i][j] = a[j][i];
        }
    }
    c = std::move(transposed);
}

void ReplaceColumn(const TwoDimDynA& a, const ArrayOfExtended& v, size_t k, TwoDimDynA& c) {
    TwoDimDynA replaced = a;
    for (size_t i = 0; i < replaced.size(); ++i) {
        replaced[i][k] = v[i];
    }
    c = std::move(replaced);
}

void MatrixPower(const TwoDimDynA& a, int32_t exponent, TwoDimDynA& c) {
    if (exponent == 0) {
        TwoDimDynA identity = Shaped(a.size(), a.size());
        for (size_t i = 0; i < identity.size(); ++i) {
            identity[i][i] = 1;
        }
        c = std::move(identity);
        return;
    }
    TwoDimDynA power = a;
    const auto products = static_cast<size_t>(exponent - 1);
    for (size_t i = 0; i < products; ++i) {
        NoteProgress(i, products);
        MatrixProduct(power, a, power);
    }
    c = std::move(power);
}
