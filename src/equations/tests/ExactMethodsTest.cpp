// Gauss's method and the matrix method against a plain reduced row echelon form over fractions.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "ExactSystem.h"
#include "Parallel.h"
#include "ReferenceElimination.h"
#include "uSLU.h"

namespace {

using Solver = std::string (*)(const std::string&, bool&);

std::string Solved(Solver solve, const std::string& text, bool& isMessage) {
    isMessage = !isMessage;
    return solve(text, isMessage);
}

// The reference form; no form when a zero row keeps a free term.
bool ReferenceEchelon(const FractionMatrix& m, EchelonForm& form) {
    const ReferenceForm reduced = ReferenceReduced(m, m.front().size() - 1);
    const auto rank = static_cast<std::ptrdiff_t>(reduced.pivotColumns.size());
    form.pivotColumns = reduced.pivotColumns;
    form.rows.assign(reduced.m.begin(), reduced.m.begin() + rank);
    return std::all_of(reduced.m.begin() + rank, reduced.m.end(),
                       [](const auto& row) { return row.back() == 0; });
}

// x1=1, x2=2, ..., each on a line; or n lines x=1 each after a line break.
std::string Variables(size_t n, bool distinct) {
    std::string text;
    for (size_t i = 1; i <= n; ++i) {
        text += distinct ? (i > 1 ? "\r\nx" : "x") + std::to_string(i) + "=" + std::to_string(i)
                         : "\r\nx=1";
    }
    return text;
}

// The answer lines x1 = 1, ..., xn = n.
std::string Values(size_t n) {
    std::string lines;
    for (size_t i = 1; i <= n; ++i) {
        lines += "x" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
    }
    return lines;
}

const std::string kAnswer = "Ответ:\r\n";

// The answer of each method, or its one-line message; the shapes in turn.
TEST(ExactMethods, AnswerEveryShape) {
    const std::tuple<Solver, std::string, std::string, bool> cases[] = {
        {SolveByGauss, "x+y+z=6\r\nx-y=0", "x = 3 - 1/2*z\r\ny = 3 - 1/2*z\r\nz — любое число\r\n",
         false},
        {SolveByGauss, "x+z-2w=0", "x = -z + 2*w\r\nz — любое число\r\nw — любое число\r\n", false},
        {SolveByGauss, "x+y=1\r\n2x+2y=3", "Не имеет решения\r\n", false},
        {SolveByGauss, "x=1\r\n2x=2\r\n-x=-1", "x = 1\r\n", false},
        {SolveByGauss, "0y+x=2\r\nx-0y=2.5", "Не имеет решения\r\n", false},
        {SolveByGauss, "0y+x=2\r\n3x-0y=6", "y — любое число\r\nx = 2\r\n", false},
        {SolveByGauss, "7x-100000000000000000y=1000000000000000",
         "x = 142857142857143 + 1.42857142857143E16*y (приближённо)\r\ny — любое число\r\n", false},
        {SolveByMatrixMethod, "x=121932631112635269\r\n1000000000000000000y=-1",
         "x = 1.21932631112635E17 (приближённо)\r\ny = -1E-18 (приближённо)\r\n", false},
        // Beyond 10 x 10: the residues of the first primes fit a wrong fraction, which the proof
        // turns down.
        {SolveByGauss, "3y=10000000000000000000000001\r\n" + Variables(10, true),
         "y = 3.33333333333333E24 (приближённо)\r\n" + Values(10), false},
        // The first prime, 2^61 - 1, divides a coefficient: it shows too few pivots, and the
        // residues of many primes give the form.
        {SolveByGauss, "2305843009213693951y=1\r\n" + Variables(10, true),
         "y = 4.33680868994202E-19 (приближённо)\r\n" + Values(10), false},
        // Beyond 10 x 10 with no pivot at all: every unknown is free.
        {SolveByGauss, "0x+0y+0z+0t+0u+0v+0w+0a+0b+0c+0d=0",
         "x — любое число\r\ny — любое число\r\nz — любое число\r\nt — любое число\r\n"
         "u — любое число\r\nv — любое число\r\nw — любое число\r\na — любое число\r\n"
         "b — любое число\r\nc — любое число\r\nd — любое число\r\n",
         false},
        {SolveByMatrixMethod, "x+y=1\r\nx+y=2", "Не имеет решения", true},
        {SolveByMatrixMethod, "x+y=1\r\n2x+2y=2", "Система не имеет единственного решения", true},
        {SolveByMatrixMethod, "x=1\r\nx=2\r\nx=3",
         "Дано лишнее уравнение. Уберите одно из равенств", true},
        {SolveByMatrixMethod, "x+y=1", "Система не имеет единственного решения", true},
    };
    for (const auto& [solve, text, answer, isMessage] : cases) {
        bool reportedMessage = false;
        const std::string report = Solved(solve, text, reportedMessage);
        EXPECT_EQ(reportedMessage, isMessage) << text;
        EXPECT_TRUE(isMessage ? report == answer : report.ends_with(kAnswer + answer))
            << text << "\n"
            << report;
    }
}

// The whole reports of a small system; the steps up to 10 x 10, the inverse up to the order 10;
// at most 100 unknowns and 100 equations, and beyond 10 x 10 numbers that the primes at hand hold.
TEST(ExactMethods, WriteTheReportsAndTheirLimits) {
    bool isMessage = false;
    EXPECT_EQ(Solved(SolveByGauss, "y+2x=3\r\n2y+4x=6\r\n-x=1", isMessage),
              "Методом Гаусса:\r\n\r\nРасширенная матрица системы (столбцы y, x и свободные "
              "члены):\r\n 1  2 | 3\r\n 2  4 | 6\r\n 0 -1 | 1\r\n\r\nПрямой ход: ниже ведущих "
              "элементов получаем нули.\r\n\r\nШаг 1. Столбец y, ведущий элемент 1 в строке 1."
              "\r\nИз строки 2 вычитаем строку 1, умноженную на 2.\r\n 1  2 | 3\r\n 0  0 | 0\r\n"
              " 0 -1 | 1\r\n\r\nШаг 2. Столбец x, ведущий элемент -1 в строке 3.\r\nМеняем местами "
              "строки 2 и 3.\r\n 1  2 | 3\r\n 0 -1 | 1\r\n 0  0 | 0\r\n\r\nСтрока 3 означает 0 = "
              "0, её отбрасываем.\r\n\r\nОбратный ход: ведущие элементы делаем равными 1, выше них "
              "получаем нули.\r\n\r\nШаг 3. Столбец x, строка 2.\r\nДелим строку 2 на -1.\r\nИз "
              "строки 1 вычитаем строку 2, умноженную на 2.\r\n 1 0 |  5\r\n 0 1 | -1\r\n\r\n"
              "Ранг матрицы системы: rank A = 2.\r\nРанг расширенной матрицы: rank (A|B) = 2.\r\n"
              "Число неизвестных: n = 2.\r\nПо теореме Кронекера — Капелли система совместна "
              "(rank A = rank (A|B)) и, так как ранг равен числу неизвестных, имеет единственное "
              "решение.\r\n\r\nОтвет:\r\ny = 5\r\nx = -1\r\n");
    EXPECT_EQ(Solved(SolveByMatrixMethod, "2x+y=5\r\nx-y=1", isMessage),
              "Матричным методом:\r\n\r\nA = матрица системы, B = столбец свободных членов, X = "
              "A^(-1)*B.\r\n\r\nA = ( 2  1\r\n      1 -1 )\r\n\r\nB = ( 5\r\n      1 )\r\n\r\nD = "
              "det A = -3\r\n\r\nA^(-1) = ( 1/3  1/3\r\n           1/3 -2/3 )\r\n\r\nX = "
              "A^(-1)*B = ( 2\r\n                 1 )\r\n\r\nОтвет:\r\nx = 2\r\ny = 1\r\n");
    EXPECT_NE(Solved(SolveByGauss, Variables(11, true), isMessage)
                  .find("\r\nХод решения показывается для систем не более чем из 10 уравнений "
                        "с 10 неизвестными.\r\n\r\nРанг матрицы системы: rank A = 11.\r\n"),
              std::string::npos);
    EXPECT_NE(Solved(SolveByMatrixMethod, Variables(11, true), isMessage)
                  .find("D = det A = 1\r\n\r\nОбратная матрица показывается для систем не более "
                        "чем из 10 уравнений.\r\n\r\nX = A^(-1)*B = (  1\r\n"),
              std::string::npos);
    EXPECT_EQ(Solved(SolveByGauss, "y=" + std::string(40000, '9') + "\r\n" + Variables(10, true),
                     isMessage),
              "Слишком длинные числа для точного решения");
    EXPECT_EQ(Solved(SolveByGauss, Variables(101, true), isMessage),
              "Слишком много неизвестных: не более 100");
    EXPECT_EQ(Solved(SolveByMatrixMethod, Variables(101, true), isMessage),
              "Слишком много неизвестных: не более 100");
    EXPECT_EQ(Solved(SolveByGauss, "x=1" + Variables(100, false), isMessage),
              "Слишком много уравнений: не более 100");
    EXPECT_TRUE(isMessage);
}

// x as typed, with two decimals; x * 100 is whole.
std::string DecimalText(const Fraction& x) {
    const Integer hundredths = numerator(Fraction(abs(x) * 100));
    const Integer cents = hundredths % 100;
    return (x < 0 ? "-" : "+") + Integer(hundredths / 100).str() + (cents < 10 ? ".0" : ".") +
           cents.str();
}

// Random systems of mixed shapes up to 14 x 14, both ways of elimination (up to 10 x 10 and
// beyond): numbers of up to 2 + 2 digits, in every other system free terms of 20 digits (whose
// answers early residues do not yet hold), rows that combine the two before (their free term one
// off in every third system), an unknown absent from every equation in most systems. Each
// equation writes every term, so the unknowns keep their order. The matrix method answers a
// regular system as Gauss's method does, any other with Cramer's message.
TEST(ExactMethods, AgreeWithTheReferenceOnRandomSystems) {
    const Fraction kLong(Integer("12345678901234567890"));
    std::mt19937 random(14);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::pair<int, int> shapes[] = {{1, 1}, {2, 3},   {3, 2},   {4, 4},  {6, 3},  {3, 6},
                                          {7, 7}, {10, 10}, {11, 11}, {12, 9}, {9, 12}, {14, 14}};
    for (const auto& [equations, unknowns] : shapes) {
        for (int sample = 0; sample < 6; ++sample) {
            FractionMatrix m;
            const int absent = uniform(0, unknowns + 2);
            std::string text;
            for (int i = 0; i < equations; ++i) {
                const bool combines = i >= 2 && uniform(0, 2) == 0;
                const int factor = uniform(-2, 2);
                std::vector<Fraction>& row = m.emplace_back();
                for (int j = 0; j <= unknowns; ++j) {
                    row.push_back(combines ? m[i - 1][j] * factor + m[i - 2][j]
                                           : Fraction(j == absent ? 0 : uniform(-2000, 2000), 100));
                }
                row.back() +=
                    combines ? Fraction(sample % 3 == 2 ? 1 : 0) : Fraction(sample % 2 * kLong);
                text += i > 0 ? "\r\n" : "";
                for (int j = 0; j < unknowns; ++j) {
                    text += DecimalText(row[j]) + "x" + std::to_string(j + 1);
                }
                text += "=" + DecimalText(row.back());
            }
            ArrayOfString names;
            for (int j = 1; j <= unknowns; ++j) {
                names.push_back("x" + std::to_string(j));
            }
            EchelonForm form;
            const bool consistent = ReferenceEchelon(m, form);
            const std::string answer = AnswerBlock(consistent ? &form : nullptr, names);
            bool isMessage = true;
            EXPECT_TRUE(Solved(SolveByGauss, text, isMessage).ends_with(answer)) << text;
            const std::string matrix = Solved(SolveByMatrixMethod, text, isMessage);
            if (consistent && form.pivotColumns.size() == m.size() && m.size() == names.size()) {
                EXPECT_TRUE(matrix.ends_with(answer)) << text;
            } else {
                EXPECT_EQ(matrix, Solved(SolveByCramer, text, isMessage)) << text;
                EXPECT_TRUE(isMessage) << text;
            }
        }
    }
}

// Both exact methods give the same bytes on 1, 2 and 7 threads: regular systems of 12, 30 and 45
// unknowns with 20-digit coefficients, the last with free terms of up to 57 digits, and 45
// equations of rank 45 in 80 unknowns (35 free ones), whose lifting works on all threads too.
TEST(ExactMethods, SameBytesOnAnyThreads) {
    std::mt19937_64 random(22);
    const std::tuple<size_t, size_t, size_t> shapes[] = {
        {12, 12, 1}, {30, 30, 1}, {45, 45, 3}, {45, 80, 1}};
    for (const auto& [equations, unknowns, freeParts] : shapes) {
        std::string text;
        for (size_t i = 0; i < equations; ++i) {
            text += i > 0 ? "\r\n" : "";
            for (size_t j = 1; j <= unknowns; ++j) {
                text += (random() % 2 == 0 ? "+" : "-") +
                        std::to_string(random() % 10'000'000'000) + "." +
                        std::to_string(random() % 10'000'000'000) + "x" + std::to_string(j);
            }
            text += "=";
            for (size_t k = 0; k < freeParts; ++k) {
                text += std::to_string(random() % 10'000'000'000'000'000'000ULL);
            }
        }
        for (const Solver solve : {SolveByGauss, SolveByMatrixMethod}) {
            bool isMessage = true;
            SetCalculationThreads(1);
            const std::string expected = solve(text, isMessage);
            EXPECT_EQ(isMessage, solve == SolveByMatrixMethod && unknowns != equations);
            for (const size_t threads : {2, 7}) {
                SetCalculationThreads(threads);
                EXPECT_EQ(solve(text, isMessage), expected)
                    << equations << " x " << unknowns << ", " << threads << " threads";
            }
        }
    }
    SetCalculationThreads(0);
}

}  // namespace
