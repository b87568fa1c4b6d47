// The determinant, the inverse and the rank of exact matrices, with their reports: step by step
// up to 10 x 10, from residues modulo many primes beyond.
#include <algorithm>

#include "Calculation.h"
#include "EliminationSteps.h"
#include "ExactMatrix.h"
#include "ExactText.h"
#include "ModularInverse.h"
#include "ModularRank.h"

namespace {

// Steps are shown up to this many rows and columns.
constexpr size_t kLargestShown = 10;

// log2 of 10^kLongestExactDigits, rounded down.
constexpr size_t kLongestExactBits = kLongestExactDigits * 3321928 / 1000000;

std::string Count(size_t n) {
    return std::to_string(n);
}

// Whether the numbers of the reduction may pass kLongestExactDigits digits: the rows scaled to
// whole numbers bound every minor by the product of their lengths (Hadamard), and their factors'
// product bounds every denominator.
bool TooLongToReduce(const FractionMatrix& a) {
    std::vector<Integer> factors;
    const WholeMatrix rows = WholeRows(a, factors);
    size_t minorBits = 0;
    size_t factorBits = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        Integer squares = 0;
        for (const Integer& x : rows[i]) {
            squares += x * x;
        }
        minorBits += squares == 0 ? 0 : msb(squares) / 2 + 1;
        factorBits += msb(factors[i]);
    }
    return minorBits > kLongestExactBits || factorBits > kLongestExactBits;
}

std::string StepsNotShown() {
    return "Ход вычисления показывается для матриц не более чем из " + Count(kLargestShown) +
           " строк и " + Count(kLargestShown) + " столбцов.\r\n";
}

std::string Headed(const std::string& title, const FractionMatrix& a) {
    return title + ":\r\n\r\nМатрица A:\r\n" + Plain(a, a.front().size());
}

// The determinant of the triangular matrix the forward steps left, told as the product of its
// diagonal and the sign of the exchanges.
Fraction DiagonalProduct(const Elimination& e, std::string& report) {
    Fraction product = 1;
    bool approximate = false;
    std::string factors;
    for (size_t i = 0; i < e.m.size(); ++i) {
        const Fraction& x = e.m[i][i];
        product *= x;
        const std::string text = FractionText(x, approximate);
        factors += (i == 0 ? "" : " * ") + (x < 0 ? "(" + text + ")" : text);
    }
    const std::string productText = FractionText(product, approximate);
    report += "\r\n" + Line(
                           "Определитель треугольной матрицы равен произведению элементов её "
                           "главной диагонали: " +
                               factors + " = " + productText + ".",
                           approximate);
    if (e.exchanges % 2 == 1) {
        product = -product;
        bool negatedApproximate = false;
        const std::string negated = FractionText(product, negatedApproximate);
        report += Line("Перестановок строк: " + Count(e.exchanges) +
                           ", число нечётное: знак меняется, det A = " + negated + ".",
                       negatedApproximate);
    } else if (e.exchanges > 0) {
        report +=
            "Перестановок строк: " + Count(e.exchanges) + ", число чётное: знак не меняется.\r\n";
    }
    return product;
}

}  // namespace

ReportEnd DeterminantReport(const FractionMatrix& a, std::string& report) {
    if (TooLongToReduce(a)) {
        return ReportEnd::TooLong;
    }
    const size_t n = a.size();
    report = Headed("Определитель A методом Гаусса", a);
    Fraction determinant;
    if (n <= kLargestShown) {
        Elimination e{a, ColumnNumbers(n), n, true};
        ForwardSteps(e);
        report += e.report;
        determinant = DiagonalProduct(e, report);
    } else {
        determinant = ModularDeterminant(a);
        report += StepsNotShown();
    }
    bool approximate = false;
    const std::string value = FractionText(determinant, approximate);
    report += "\r\nОтвет:\r\n" + Line("det A = " + value, approximate);
    return ReportEnd::Written;
}

ReportEnd InverseReport(const FractionMatrix& a, std::string& report) {
    if (TooLongToReduce(a)) {
        return ReportEnd::TooLong;
    }
    const size_t n = a.size();
    FractionMatrix withIdentity = a;
    for (size_t i = 0; i < n; ++i) {
        withIdentity[i].resize(2 * n, Fraction(0));
        withIdentity[i][n + i] = 1;
    }
    report =
        "Обратная матрица методом Гаусса — Жордана:\r\n\r\nК матрице A справа приписываем "
        "единичную матрицу E и приводим левую половину к E; правая половина становится "
        "A^(-1).\r\n\r\nМатрица (A | E):\r\n" +
        Plain(withIdentity, n);
    if (n <= kLargestShown) {
        Elimination e{std::move(withIdentity), ColumnNumbers(n), n};
        ForwardSteps(e);
        if (e.pivotColumns.size() < n) {
            return ReportEnd::Singular;
        }
        BackSteps(e);
        FractionMatrix inverse(n);
        for (size_t i = 0; i < n; ++i) {
            inverse[i].assign(e.m[i].begin() + static_cast<std::ptrdiff_t>(n), e.m[i].end());
        }
        report += e.report + "\r\nОтвет:\r\n" + Plain(inverse, n);
        return ReportEnd::Written;
    }
    WholeInverse inverse;
    if (!ModularInverse(a, inverse)) {
        return ReportEnd::Singular;
    }
    report += StepsNotShown() + "\r\nОтвет:\r\n" + PlainQuotients(inverse.above, inverse.below);
    return ReportEnd::Written;
}

ReportEnd RankReport(const FractionMatrix& a, std::string& report) {
    if (TooLongToReduce(a)) {
        return ReportEnd::TooLong;
    }
    const size_t columns = a.front().size();
    report = Headed("Ранг A методом Гаусса", a);
    size_t rank = 0;
    if (a.size() <= kLargestShown && columns <= kLargestShown) {
        Elimination e{a, ColumnNumbers(columns), columns};
        ForwardSteps(e);
        rank = e.pivotColumns.size();
        report += e.report +
                  "\r\nРанг равен числу ненулевых строк ступенчатой матрицы: " + Count(rank) +
                  ".\r\n";
    } else {
        if (!ExactRank(a, rank)) {
            return ReportEnd::TooLong;
        }
        report += StepsNotShown();
    }
    report += "\r\nОтвет:\r\nrank A = " + Count(rank) + "\r\n";
    return ReportEnd::Written;
}
