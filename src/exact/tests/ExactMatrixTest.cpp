// The exact matrix operations against a plain Gauss-Jordan elimination over fractions.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "ExactMatrix.h"
#include "ExactText.h"
#include "ReferenceElimination.h"

namespace {

// The reference: the rank, the determinant (0 unless square and regular) and the inverse.
struct Reference {
    size_t rank = 0;
    Fraction determinant = 0;
    FractionMatrix inverse;
};

Reference Reduced(const FractionMatrix& a) {
    const size_t n = a.front().size();
    FractionMatrix m = a;
    for (size_t i = 0; i < m.size(); ++i) {
        m[i].resize(n + m.size(), Fraction(0));
        m[i][n + i] = 1;
    }
    const ReferenceForm form = ReferenceReduced(m, n);
    Reference r{form.pivotColumns.size(), form.determinant, {}};
    for (const std::vector<Fraction>& row : form.m) {
        if (form.determinant != 0) {
            r.inverse.emplace_back(row.begin() + static_cast<std::ptrdiff_t>(n), row.end());
        }
    }
    return r;
}

std::string Answer(const std::string& report) {
    const size_t at = report.rfind("Ответ:\r\n");
    return at == std::string::npos ? "" : report.substr(at + 8);
}

std::string Text(const Fraction& x) {
    bool approximate = false;
    const std::string text = FractionText(x, approximate);
    return Line(text, approximate);
}

// Random matrices of up to 13 x 13 with fractions of two-digit parts, steps shown and not, some
// rectangular: regular ones, ones whose last row combines two before, and ones whose every row
// from the third on does.
TEST(ExactMatrix, AgreesWithTheReference) {
    std::mt19937 random(20);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::pair<size_t, size_t> shapes[] = {{1, 1},   {2, 2},   {3, 3},  {4, 4},
                                                {2, 5},   {5, 2},   {7, 7},  {10, 10},
                                                {11, 11}, {13, 13}, {12, 9}, {9, 12}};
    for (const auto& [rows, columns] : shapes) {
        for (int sample = 0; sample < 3; ++sample) {
            FractionMatrix a(rows);
            for (size_t i = 0; i < rows; ++i) {
                for (size_t j = 0; j < columns; ++j) {
                    Fraction x = Fraction(uniform(-99, 99)) / uniform(1, 99);
                    if (i >= 2 && (sample == 2 || (sample == 1 && i + 1 == rows))) {
                        x = a[i - 1][j] * uniform(-3, 3) + a[i - 2][j];
                    }
                    a[i].push_back(x);
                }
            }
            const Reference r = Reduced(a);
            std::string report;
            EXPECT_EQ(RankReport(a, report), ReportEnd::Written);
            EXPECT_EQ(Answer(report), "rank A = " + std::to_string(r.rank) + "\r\n");
            if (rows != columns) {
                continue;
            }
            EXPECT_EQ(DeterminantReport(a, report), ReportEnd::Written);
            EXPECT_EQ(Answer(report), "det A = " + Text(r.determinant));
            const ReportEnd end = InverseReport(a, report);
            EXPECT_EQ(end, r.inverse.empty() ? ReportEnd::Singular : ReportEnd::Written);
            if (!r.inverse.empty()) {
                EXPECT_EQ(Answer(report), Plain(r.inverse, rows));
            }
        }
    }
}

// The whole report of a small determinant with an exchange of rows; a rounded number's lines
// marked; the limit of 10,000 digits.
TEST(ExactMatrix, WritesTheReportsAndKeepsTheLimit) {
    std::string report;
    EXPECT_EQ(DeterminantReport({{0, 2}, {Fraction(1, 2), 3}}, report), ReportEnd::Written);
    EXPECT_EQ(
        report,
        "Определитель A методом Гаусса:\r\n\r\nМатрица A:\r\n   0   2\r\n 1/2   3\r\n\r\nПрямой "
        "ход: ниже ведущих элементов получаем нули.\r\n\r\nШаг 1. Столбец 1, ведущий элемент "
        "1/2 в строке 2.\r\nМеняем местами строки 1 и 2: определитель меняет знак.\r\n 1/2 "
        "  3\r\n   0   2\r\n\r\nШаг 2. Столбец 2, ведущий элемент 2 в строке 2; ниже него уже "
        "нули.\r\n\r\nОпределитель треугольной матрицы равен произведению элементов её "
        "главной диагонали: 1/2 * 2 = 1.\r\nПерестановок строк: 1, число нечётное: знак "
        "меняется, det A = -1.\r\n\r\nОтвет:\r\ndet A = -1\r\n");
    const Fraction big(Integer("123456789012345678"));
    EXPECT_EQ(InverseReport({{big, 0}, {0, 1}}, report), ReportEnd::Written);
    EXPECT_EQ(Answer(report),
              " 8.1000000729E-18                0 (приближённо)\r\n                0               "
              " 1\r\n");
    EXPECT_NE(report.find("Делим строку 1 на 1.23456789012346E17. (приближённо)\r\n"),
              std::string::npos);
    const Fraction longest = boost::multiprecision::pow(Integer(10), 9999);
    FractionMatrix c;
    EXPECT_TRUE(ExactPower({{longest}}, 1, c));
    EXPECT_FALSE(ExactPower({{2}}, 33220, c));
    EXPECT_FALSE(ExactByNumber({{longest}}, 10, c));
    EXPECT_EQ(DeterminantReport({{longest * 10}}, report), ReportEnd::TooLong);
    EXPECT_TRUE(ExactPower({{1, 1}, {0, 1}}, 0, c) && c == FractionMatrix({{1, 0}, {0, 1}}));
}

}  // namespace
