// Row reduction step by step on exact fractions, and the fraction-free inverse.
#include "EliminationSteps.h"

#include <algorithm>
#include <utility>

#include "Calculation.h"
#include "ExactText.h"

namespace {

std::string Count(size_t n) {
    return std::to_string(n);
}

// Row `target` minus `factor` times row `source`, in words; rows count from 1.
std::string RowOperation(size_t target, size_t source, const Fraction& factor) {
    bool approximate = false;
    const std::string times =
        abs(factor) == 1 ? "" : ", умноженную на " + FractionText(abs(factor), approximate);
    return Line((factor > 0 ? "Из строки " + Count(target + 1) + " вычитаем строку "
                            : "К строке " + Count(target + 1) + " прибавляем строку ") +
                    Count(source + 1) + times + ".",
                approximate);
}

// Row `target` -= factor * row `source`, from column `from` on.
void SubtractRow(FractionMatrix& m, size_t target, size_t source, const Fraction& factor,
                 size_t from) {
    for (size_t j = from; j < m[target].size(); ++j) {
        m[target][j] -= factor * m[source][j];
    }
}

}  // namespace

std::vector<std::string> ColumnNumbers(size_t n) {
    std::vector<std::string> labels;
    for (size_t j = 1; j <= n; ++j) {
        labels.push_back(Count(j));
    }
    return labels;
}

void ForwardSteps(Elimination& e) {
    FractionMatrix& m = e.m;
    e.report += "\r\nПрямой ход: ниже ведущих элементов получаем нули.\r\n";
    for (size_t column = 0; column < e.labels.size() && e.pivotColumns.size() < m.size();
         ++column) {
        NoteProgress(column, e.labels.size());
        const size_t rank = e.pivotColumns.size();
        const std::string head = "\r\nШаг " + Count(++e.step) + ". Столбец " + e.labels[column];
        const auto pivotRow = std::find_if(m.begin() + static_cast<std::ptrdiff_t>(rank), m.end(),
                                           [column](const auto& row) { return row[column] != 0; });
        if (pivotRow == m.end()) {
            e.report += head + ": в строке " + Count(rank + 1) +
                        " и ниже только нули, ведущего элемента нет.\r\n";
            continue;
        }
        const auto found = static_cast<size_t>(pivotRow - m.begin());
        bool approximate = false;
        const std::string pivotText = FractionText((*pivotRow)[column], approximate);
        std::string operations;
        if (found != rank) {
            operations += "Меняем местами строки " + Count(rank + 1) + " и " + Count(found + 1) +
                          (e.signNoted ? ": определитель меняет знак.\r\n" : ".\r\n");
            std::swap(*pivotRow, m[rank]);
            ++e.exchanges;
        }
        for (size_t i = rank + 1; i < m.size(); ++i) {
            StopIfAsked();
            if (m[i][column] != 0) {
                const Fraction factor = m[i][column] / m[rank][column];
                operations += RowOperation(i, rank, factor);
                SubtractRow(m, i, rank, factor, column);
            }
        }
        e.report += Line(head + ", ведущий элемент " + pivotText + " в строке " + Count(found + 1) +
                             (operations.empty() ? "; ниже него уже нули." : "."),
                         approximate) +
                    operations + (operations.empty() ? "" : Plain(m, e.bar));
        e.pivotColumns.push_back(column);
    }
}

void BackSteps(Elimination& e) {
    FractionMatrix& m = e.m;
    std::string back;
    for (size_t i = m.size(); i-- > 0;) {
        StopIfAsked();
        const size_t column = e.pivotColumns[i];
        std::string operations;
        if (m[i][column] != 1) {
            const Fraction pivot = m[i][column];
            bool approximate = false;
            const std::string pivotText = FractionText(pivot, approximate);
            operations +=
                Line("Делим строку " + Count(i + 1) + " на " + pivotText + ".", approximate);
            for (Fraction& x : m[i]) {
                x /= pivot;
            }
        }
        for (size_t k = 0; k < i; ++k) {
            if (m[k][column] != 0) {
                const Fraction factor = m[k][column];
                operations += RowOperation(k, i, factor);
                SubtractRow(m, k, i, factor, column);
            }
        }
        if (!operations.empty()) {
            back += "\r\nШаг " + Count(++e.step) + ". Столбец " + e.labels[column] + ", строка " +
                    Count(i + 1) + ".\r\n" + operations + Plain(m, e.bar);
        }
    }
    if (!back.empty()) {
        e.report +=
            "\r\nОбратный ход: ведущие элементы делаем равными 1, выше них получаем нули.\r\n" +
            back;
    }
}

// [A' | I], A' the rows scaled to whole numbers: each step sets every other row to (pivot * row -
// entry * pivot row) / the previous pivot, a whole number. At the end the left half is d times I
// and the right half d times A'^(-1), d being D' or -D' after an odd count of exchanges;
// A = S^(-1)*A' with S the rows' factors, so A^(-1) = A'^(-1) * S.
FractionMatrix FractionFreeInverse(const FractionMatrix& a, Fraction& determinant) {
    const size_t n = a.size();
    std::vector<Integer> factors;
    WholeMatrix m = WholeRows(a, factors);
    for (size_t i = 0; i < n; ++i) {
        m[i].resize(2 * n, Integer(0));
        m[i][n + i] = 1;
    }
    Integer previous = 1;
    bool exchanged = false;
    for (size_t column = 0; column < n; ++column) {
        NoteProgress(column, n);
        const auto pivotRow = std::find_if(m.begin() + static_cast<std::ptrdiff_t>(column), m.end(),
                                           [column](const auto& row) { return row[column] != 0; });
        if (pivotRow != m.begin() + static_cast<std::ptrdiff_t>(column)) {
            std::swap(*pivotRow, m[column]);
            exchanged = !exchanged;
        }
        const std::vector<Integer>& pivot = m[column];
        for (size_t k = 0; k < n; ++k) {
            if (k == column) {
                continue;
            }
            StopIfAsked();
            const Integer entry = m[k][column];
            for (size_t j = 0; j < 2 * n; ++j) {
                m[k][j] = Integer(pivot[column] * m[k][j] - entry * pivot[j]) / previous;
            }
        }
        previous = pivot[column];
    }
    Integer scale = 1;
    for (const Integer& factor : factors) {
        scale *= factor;
    }
    determinant = Fraction(exchanged ? Integer(-previous) : previous, scale);
    const Integer sign = previous < 0 ? -1 : 1;
    FractionMatrix inverse(n);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            inverse[i].emplace_back(sign * m[i][n + j] * factors[j], abs(previous));
        }
    }
    return inverse;
}
