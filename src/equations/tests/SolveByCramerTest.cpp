#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "uSLU.h"

namespace {

const char* const kNoUniqueSolution = "Система не имеет единственного решения";
const char* const kExtraEquation = "Дано лишнее уравнение. Уберите одно из равенств";
const char* const kNoSolution = "Не имеет решения";

void ExpectSolved(const char* text, const std::string& answer, bool isMessage) {
    bool reportedMessage = !isMessage;
    EXPECT_EQ(SolveByCramer(text, reportedMessage), answer) << text;
    EXPECT_EQ(reportedMessage, isMessage) << text;
}

// The report's head, then these lines, each ended by CR LF.
void ExpectReport(const char* text, std::initializer_list<const char*> lines) {
    std::string report = "Методом Крамера:\r\n\r\n";
    for (const char* line : lines) {
        report += line;
        report += "\r\n";
    }
    ExpectSolved(text, report, false);
}

TEST(SolveByCramer, WritesTheReport) {
    ExpectReport("2x+y=5\r\nx-y=1",
                 {"D = ( 2  1", "      1 -1 ) = -3", "", "x = ( 5  1", "      1 -1 ) = -6", "",
                  "y = ( 2 5", "      1 1 ) = -3", "", "Ответ:", "x = 2", "y = 1"});
    ExpectReport("2x=4", {"D = ( 2 ) = 2", "", "x = ( 4 ) = 4", "", "Ответ:", "x = 2"});
    // The variables in the order they first appear.
    ExpectReport("y+x=3\r\nx-y=1",
                 {"D = (  1  1", "      -1  1 ) = 2", "", "y = ( 3 1", "      1 1 ) = 2", "",
                  "x = (  1  3", "      -1  1 ) = 4", "", "Ответ:", "y = 1", "x = 2"});
    // A D_k of 0 under a negative D.
    ExpectReport("x+y=1\r\nx-y=1",
                 {"D = ( 1  1", "      1 -1 ) = -2", "", "x = ( 1  1", "      1 -1 ) = -2", "",
                  "y = ( 1 1", "      1 1 ) = 0", "", "Ответ:", "x = 1", "y = 0"});
    // A whole name, longer than one letter, indents its matrix further.
    ExpectReport("2x1+3x=7\r\nx1-x=1",
                 {"D = ( 2  3", "      1 -1 ) = -5", "", "x1 = ( 7  3", "       1 -1 ) = -10", "",
                  "x = ( 2 7", "      1 1 ) = -5", "", "Ответ:", "x1 = 2", "x = 1"});
}

// The free terms raising the rank or not tell no solution from infinitely many, on the numbers
// as typed: a binary D of -6.8E-21 is a zero, free terms beyond 2^64 keep their last digits, a
// small number is no zero beside a large one in another equation, and a name's terms in a line
// add up. A regular system whose binary D is 0 has no quotient; a tiny D is solved.
TEST(SolveByCramer, AnswersInOneLineWhenThereIsNoSingleSolution) {
    using Answered = std::pair<const char*, const char*>;
    for (const auto& [text, message] :
         {Answered("x+y=1", kNoUniqueSolution), Answered("x=1\r\nx=2", kExtraEquation),
          Answered("x+y=1\r\n2x+2y=2", kNoUniqueSolution), Answered("x+y=1\r\nx+y=2", kNoSolution),
          Answered("x-x=0", kNoUniqueSolution), Answered("x+y-x=1\r\ny=2", kNoSolution),
          Answered("0.1x+0.3y=1\r\n0.3x+0.9y=3", kNoUniqueSolution),
          Answered("0v=0.00003\r\nw=6691676796692", kNoSolution),
          Answered("18y+15t=93487660455622602177\r\n5t+6y=31162553485207534059", kNoUniqueSolution),
          Answered("-7ab3-23v-73w-8u=0\r\n73w+8u+23v+7ab3=0.09\r\nv=22509098623484296\r\n"
                   "8ab3-6u=+58",
                   kNoSolution),
          Answered("x+y=1\r\nx+1.00000000000000000001y=2", "Определитель слишком близок к нулю")}) {
        ExpectSolved(text, message, true);
    }
    // D of about 1E-19, and a D that one of the primes behind the verdict divides.
    for (const char* text :
         {"0.1x+0.3y=1\r\n0.3x+0.900000000000000001y=3", "2305843009213693951x=1"}) {
        bool isMessage = true;
        SolveByCramer(text, isMessage);
        EXPECT_FALSE(isMessage) << text;
    }
}

// A number as its digits times a power of ten.
struct Number {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

std::string DecimalText(const Number& number) {
    std::string text = number.digits;
    if (number.exponent >= 0) {
        text.append(static_cast<size_t>(number.exponent), '0');
    } else {
        const auto decimals = static_cast<size_t>(-number.exponent);
        text.insert(0, std::max(decimals + 1, text.size()) - text.size(), '0');
        text.insert(text.size() - decimals, ".");
    }
    return (number.negative ? "-" : "+") + text;
}

struct Equation {
    std::vector<std::pair<size_t, Number>> terms;
    Number freeTerm;
};

std::string SystemText(const std::vector<Equation>& system) {
    std::string text;
    for (const Equation& equation : system) {
        text += text.empty() ? "" : "\r\n";
        for (const auto& [column, coefficient] : equation.terms) {
            text += DecimalText(coefficient) + "x" + std::to_string(column);
        }
        text += "=" + DecimalText(equation.freeTerm);
    }
    return text;
}

// The reference's whole numbers: limbs base 10^4, lowest first. Normalized, the lower limbs are
// 0 to 9999 and the top one, not 0, carries the sign; zero has no limbs.
using Whole = std::vector<int64_t>;
constexpr int64_t kLimb = 10000;

Whole Normalized(Whole a) {
    for (size_t i = 0; i < a.size(); ++i) {
        const bool isTop = i + 1 == a.size();
        if (isTop && a[i] > -kLimb && a[i] < kLimb) {
            break;
        }
        const int64_t carry = a[i] / kLimb - (a[i] % kLimb < 0 ? 1 : 0);
        a[i] -= carry * kLimb;
        if (isTop) {
            a.push_back(carry);
        } else {
            a[i + 1] += carry;
        }
    }
    while (!a.empty() && a.back() == 0) {
        a.pop_back();
    }
    return a;
}

Whole Difference(Whole a, const Whole& b) {
    a.resize(std::max(a.size(), b.size()));
    for (size_t i = 0; i < b.size(); ++i) {
        a[i] -= b[i];
    }
    return Normalized(a);
}

Whole Product(const Whole& a, const Whole& b) {
    Whole c(a.size() + b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            c[i + j] += a[i] * b[j];
        }
    }
    return Normalized(c);
}

// The number times 10^-exponent, for an exponent at most its own.
Whole ToWhole(const Number& number, int exponent) {
    std::string digits = number.digits;
    digits.append(static_cast<size_t>(number.exponent - exponent), '0');
    Whole a;
    for (size_t end = digits.size(); end > 0;) {
        const size_t length = std::min<size_t>(end, 4);
        end -= length;
        const int64_t limb = std::stoll(digits.substr(end, length));
        a.push_back(number.negative ? -limb : limb);
    }
    return Normalized(a);
}

// Elimination without division: each row below the pivot becomes pivot * row - factor * pivot row.
size_t ReferenceRank(std::vector<std::vector<Whole>> m, size_t columns) {
    size_t rank = 0;
    for (size_t c = 0; c < columns; ++c) {
        const auto pivot = std::find_if(m.begin() + static_cast<std::ptrdiff_t>(rank), m.end(),
                                        [c](const auto& row) { return !row[c].empty(); });
        if (pivot == m.end()) {
            continue;
        }
        std::swap(*pivot, m[rank]);
        for (size_t i = rank + 1; i < m.size(); ++i) {
            const Whole factor = m[i][c];
            for (size_t j = c; j < columns; ++j) {
                m[i][j] = Difference(Product(m[rank][c], m[i][j]), Product(factor, m[rank][j]));
            }
        }
        ++rank;
    }
    return rank;
}

// The message for a singular square system, an empty text for a regular one.
std::string ReferenceVerdict(const std::vector<Equation>& system) {
    const size_t n = system.size();
    std::vector<std::vector<Whole>> m(n, std::vector<Whole>(n + 1));
    for (size_t row = 0; row < n; ++row) {
        int exponent = system[row].freeTerm.exponent;
        for (const auto& term : system[row].terms) {
            exponent = std::min(exponent, term.second.exponent);
        }
        for (const auto& [column, coefficient] : system[row].terms) {
            m[row][column] =
                Difference(m[row][column], Product({-1}, ToWhole(coefficient, exponent)));
        }
        m[row][n] = ToWhole(system[row].freeTerm, exponent);
    }
    const size_t rank = ReferenceRank(m, n);
    if (rank == n) {
        return "";
    }
    return ReferenceRank(m, n + 1) > rank ? kNoSolution : kNoUniqueSolution;
}

// Systems singular by construction, in x0..x(n-1): n - dependent equations of random
// coefficients, 1 to 24 digits spanning 1E-15 to 1E25, then equations each made of the terms of
// two of those, the second maybe negated, with the sum of their free terms, plus 1 in the first
// such equation of every other system. Scaling each equation by its own power of ten must keep
// the verdict.
TEST(SolveByCramer, DecidesSingularSystemsOnTheTypedNumbers) {
    std::mt19937 random(9);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (const auto& [n, dependent] :
         {std::pair(2, 1), std::pair(3, 1), std::pair(4, 2), std::pair(5, 1), std::pair(5, 3)}) {
        for (int sample = 0; sample < 16; ++sample) {
            std::vector<Equation> system(static_cast<size_t>(n));
            std::vector<int> freeTerms;
            for (Equation& equation : system) {
                const int independent = n - dependent;
                if (freeTerms.size() < static_cast<size_t>(independent)) {
                    for (size_t column = 0; column < system.size(); ++column) {
                        const int length = uniform(1, 24);
                        Number number{uniform(0, 1) == 1, "", uniform(-14 - length, 25 - length)};
                        for (int digit = 0; digit < length; ++digit) {
                            number.digits += static_cast<char>('0' + uniform(digit == 0, 9));
                        }
                        equation.terms.emplace_back(column, number);
                    }
                    freeTerms.push_back(uniform(-999, 999));
                } else {
                    const auto first = static_cast<size_t>(uniform(0, independent - 1));
                    const auto second = static_cast<size_t>(uniform(0, independent - 1));
                    const bool negated = uniform(0, 1) == 1;
                    equation.terms = system[first].terms;
                    for (auto term : system[second].terms) {
                        term.second.negative ^= negated;
                        equation.terms.push_back(term);
                    }
                    const bool contradicts =
                        sample % 2 == 1 && freeTerms.size() == static_cast<size_t>(independent);
                    freeTerms.push_back(freeTerms[first] +
                                        (negated ? -freeTerms[second] : freeTerms[second]) +
                                        (contradicts ? 1 : 0));
                }
                const int freeTerm = freeTerms.back();
                equation.freeTerm = {freeTerm < 0, std::to_string(std::abs(freeTerm)), 0};
            }
            const std::string verdict = ReferenceVerdict(system);
            ExpectSolved(SystemText(system).c_str(), verdict, true);
            for (Equation& equation : system) {
                const int shift = uniform(-6, 6);
                for (auto& term : equation.terms) {
                    term.second.exponent += shift;
                }
                equation.freeTerm.exponent += shift;
            }
            ExpectSolved(SystemText(system).c_str(), verdict, true);
        }
    }
}

// x1=1, ..., xn=n, one equation a line.
std::string DiagonalSystem(size_t n) {
    std::string text;
    for (size_t i = 1; i <= n; ++i) {
        text += (i > 1 ? "\r\nx" : "x") + std::to_string(i) + "=" + std::to_string(i);
    }
    return text;
}

TEST(SolveByCramer, SolvesUpToAHundredUnknowns) {
    bool isMessage = true;
    EXPECT_TRUE(
        SolveByCramer(DiagonalSystem(100), isMessage).ends_with("\r\nx99 = 99\r\nx100 = 100\r\n"));
    EXPECT_FALSE(isMessage);
    ExpectSolved(DiagonalSystem(101).c_str(), "Слишком много неизвестных: не более 100", true);
}

}  // namespace
