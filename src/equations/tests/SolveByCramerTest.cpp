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

// An equation of n unknowns: coefficients of x0..x(n-1), then maybe of x0..x(n-1) again.
struct Equation {
    std::vector<Number> coefficients;
    Number freeTerm;
};

std::string SystemText(const std::vector<Equation>& system) {
    const auto decimalText = [](const Number& number) {
        std::string text = number.digits;
        if (number.exponent >= 0) {
            text.append(static_cast<size_t>(number.exponent), '0');
        } else {
            const auto decimals = static_cast<size_t>(-number.exponent);
            text.insert(0, std::max(decimals + 1, text.size()) - text.size(), '0');
            text.insert(text.size() - decimals, ".");
        }
        return (number.negative ? "-" : "+") + text;
    };
    std::string text;
    for (const Equation& equation : system) {
        text += text.empty() ? "" : "\r\n";
        for (size_t k = 0; k < equation.coefficients.size(); ++k) {
            text += decimalText(equation.coefficients[k]) + "x" + std::to_string(k % system.size());
        }
        text += "=" + decimalText(equation.freeTerm);
    }
    return text;
}

// The number times 10^-exponent, for an exponent at most its own, modulo q.
uint64_t Residue(const Number& number, int exponent, uint64_t q) {
    uint64_t r = 0;
    for (const char digit : number.digits) {
        r = (r * 10 + static_cast<uint64_t>(digit - '0')) % q;
    }
    for (int k = exponent; k < number.exponent; ++k) {
        r = r * 10 % q;
    }
    return number.negative ? (q - r) % q : r;
}

// Elimination without division: each row below the pivot becomes pivot * row - factor * pivot row.
size_t RankModulo(std::vector<std::vector<uint64_t>> m, size_t columns, uint64_t q) {
    size_t rank = 0;
    for (size_t c = 0; c < columns; ++c) {
        const auto pivot = std::find_if(m.begin() + static_cast<std::ptrdiff_t>(rank), m.end(),
                                        [c](const auto& row) { return row[c] != 0; });
        if (pivot == m.end()) {
            continue;
        }
        std::swap(*pivot, m[rank]);
        for (size_t i = rank + 1; i < m.size(); ++i) {
            const uint64_t factor = m[i][c];
            for (size_t j = c; j < columns; ++j) {
                m[i][j] = (m[i][j] * m[rank][c] % q + q - factor * m[rank][j] % q) % q;
            }
        }
        ++rank;
    }
    return rank;
}

// The 40 largest primes below 2^31.
std::vector<uint64_t> ReferencePrimes() {
    std::vector<uint64_t> primes;
    for (uint64_t q = (uint64_t{1} << 31) - 1; primes.size() < 40; q -= 2) {
        bool isPrime = true;
        for (uint64_t d = 3; d * d <= q && isPrime; d += 2) {
            isPrime = q % d != 0;
        }
        if (isPrime) {
            primes.push_back(q);
        }
    }
    return primes;
}

// The system modulo q, each equation scaled to whole numbers: the coefficients, then the free
// term.
std::vector<std::vector<uint64_t>> Residues(const std::vector<Equation>& system, uint64_t q) {
    const size_t n = system.size();
    std::vector<std::vector<uint64_t>> m(n, std::vector<uint64_t>(n + 1));
    for (size_t row = 0; row < n; ++row) {
        const Equation& equation = system[row];
        int exponent = equation.freeTerm.exponent;
        for (const Number& coefficient : equation.coefficients) {
            exponent = std::min(exponent, coefficient.exponent);
        }
        for (size_t k = 0; k < equation.coefficients.size(); ++k) {
            m[row][k % n] = (m[row][k % n] + Residue(equation.coefficients[k], exponent, q)) % q;
        }
        m[row][n] = Residue(equation.freeTerm, exponent, q);
    }
    return m;
}

// The reference verdict, an empty text for a regular system: the ranks are the largest modulo
// the reference primes. A rank modulo a prime is never above the true rank r and falls below it
// only when the prime divides every non-zero minor of order r; the primes' product is above
// 1E370, and Hadamard's bound keeps every minor of the family below 1E320.
std::string ReferenceVerdict(const std::vector<Equation>& system) {
    static const std::vector<uint64_t> primes = ReferencePrimes();
    size_t rank = 0;
    size_t extendedRank = 0;
    for (const uint64_t q : primes) {
        const std::vector<std::vector<uint64_t>> m = Residues(system, q);
        rank = std::max(rank, RankModulo(m, system.size(), q));
        extendedRank = std::max(extendedRank, RankModulo(m, system.size() + 1, q));
    }
    if (rank == system.size()) {
        return "";
    }
    return extendedRank > rank ? kNoSolution : kNoUniqueSolution;
}

// Systems singular by construction, in x0..x(n-1): n - dependent equations of random
// coefficients, 1 to 24 digits spanning 1E-15 to 1E25, then equations each made of the terms of
// two of those, the second maybe negated, with the sum of their free terms, plus 1 in the last
// equation of every other system. Scaling each equation by its own power of ten must keep
// the verdict.
TEST(SolveByCramer, DecidesSingularSystemsOnTheTypedNumbers) {
    std::mt19937 random(9);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (const auto& [n, dependent] :
         {std::pair(2, 1), std::pair(3, 1), std::pair(4, 2), std::pair(5, 1), std::pair(5, 3)}) {
        for (int sample = 0; sample < 16; ++sample) {
            const int independent = n - dependent;
            std::vector<Equation> system(static_cast<size_t>(n));
            std::vector<int> freeTerms;
            for (Equation& equation : system) {
                if (freeTerms.size() < static_cast<size_t>(independent)) {
                    for (int column = 0; column < n; ++column) {
                        const int length = uniform(1, 24);
                        Number& number = equation.coefficients.emplace_back(
                            uniform(0, 1) == 1, "", uniform(-14 - length, 25 - length));
                        for (int digit = 0; digit < length; ++digit) {
                            number.digits += static_cast<char>('0' + uniform(digit == 0, 9));
                        }
                    }
                    freeTerms.push_back(uniform(-999, 999));
                } else {
                    const auto first = static_cast<size_t>(uniform(0, independent - 1));
                    const auto second = static_cast<size_t>(uniform(0, independent - 1));
                    const int sign = uniform(0, 1) * 2 - 1;
                    equation.coefficients = system[first].coefficients;
                    for (Number number : system[second].coefficients) {
                        number.negative ^= sign < 0;
                        equation.coefficients.push_back(number);
                    }
                    const bool contradicts = sample % 2 == 1 && &equation == &system.back();
                    freeTerms.push_back(freeTerms[first] + sign * freeTerms[second] + contradicts);
                }
                const int freeTerm = freeTerms.back();
                equation.freeTerm = {freeTerm < 0, std::to_string(std::abs(freeTerm)), 0};
            }
            const std::string verdict = ReferenceVerdict(system);
            ExpectSolved(SystemText(system).c_str(), verdict, true);
            for (Equation& equation : system) {
                const int shift = uniform(-6, 6);
                for (Number& number : equation.coefficients) {
                    number.exponent += shift;
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
