// Solving a system on its exact numbers by Gauss's method and by the matrix method, with the
// step-by-step reports and the general solution.
#include <algorithm>
#include <iterator>
#include <utility>

#include "Calculation.h"
#include "EliminationSteps.h"
#include "ExactSystem.h"
#include "ExactText.h"
#include "uSLU.h"

namespace {

// Steps, and the inverse, are shown up to this many equations and unknowns.
constexpr size_t kLargestShown = 10;

std::string Count(size_t n) {
    return std::to_string(n);
}

FractionMatrix Column(const FractionMatrix& m, size_t column) {
    FractionMatrix c;
    for (const std::vector<Fraction>& row : m) {
        c.push_back({row[column]});
    }
    return c;
}

std::string NameList(const ArrayOfString& names, const std::vector<size_t>& columns) {
    std::string list;
    for (const size_t column : columns) {
        list += (list.empty() ? "" : ", ") + names[column];
    }
    return list;
}

// The rows below the last pivot, all of whose coefficients are 0: true when each means 0 = 0,
// and they are dropped; false, the first other named, when the system has no solution.
bool DropZeroRows(FractionMatrix& m, size_t rank, std::string& report) {
    std::string list;
    for (size_t i = rank; i < m.size(); ++i) {
        bool approximate = false;
        const std::string freeTerm = FractionText(m[i].back(), approximate);
        if (m[i].back() != 0) {
            report +=
                "\r\n" + Line("Строка " + Count(i + 1) + " означает равенство 0 = " + freeTerm +
                                  ", которое неверно: система несовместна.",
                              approximate);
            return false;
        }
        list += (list.empty() ? "" : ", ") + Count(i + 1);
    }
    if (m.size() == rank + 1) {
        report += "\r\nСтрока " + list + " означает 0 = 0, её отбрасываем.\r\n";
    } else if (m.size() > rank + 1) {
        report += "\r\nСтроки " + list + " означают 0 = 0, их отбрасываем.\r\n";
    }
    m.resize(rank);
    return true;
}

// Gauss's method step by step on the augmented matrix: the echelon form when the system has a
// solution, and the ranks the forward steps found.
SystemRanks GaussSteps(FractionMatrix m, const ArrayOfString& names, std::string& report,
                       EchelonForm& form) {
    std::vector<size_t> all(names.size());
    for (size_t j = 0; j < all.size(); ++j) {
        all[j] = j;
    }
    report += "Расширенная матрица системы (столбцы " + NameList(names, all) +
              " и свободные члены):\r\n" + Plain(m, names.size());
    Elimination e{std::move(m), names, names.size()};
    ForwardSteps(e);
    report += std::exchange(e.report, {});
    const size_t rank = e.pivotColumns.size();
    if (!DropZeroRows(e.m, rank, report)) {
        return {rank, rank + 1};
    }
    std::vector<size_t> freeColumns;
    std::set_difference(all.begin(), all.end(), e.pivotColumns.begin(), e.pivotColumns.end(),
                        std::back_inserter(freeColumns));
    if (!freeColumns.empty()) {
        report +=
            "\r\nСвободные неизвестные (без ведущего элемента): " + NameList(names, freeColumns) +
            ".\r\n";
    }
    BackSteps(e);
    report += e.report;
    form.pivotColumns = std::move(e.pivotColumns);
    form.rows = std::move(e.m);
    return {rank, rank};
}

// The ranks and what follows from them, in the words of the Kronecker-Capelli theorem.
std::string RanksStatement(SystemRanks ranks, size_t unknowns) {
    std::string text = "\r\nРанг матрицы системы: rank A = " + Count(ranks.coefficients) +
                       ".\r\nРанг расширенной матрицы: rank (A|B) = " + Count(ranks.withFreeTerms) +
                       ".\r\nЧисло неизвестных: n = " + Count(unknowns) +
                       ".\r\nПо теореме Кронекера — Капелли ";
    if (ranks.withFreeTerms > ranks.coefficients) {
        return text + "система несовместна (rank A < rank (A|B)): решений нет.\r\n";
    }
    if (ranks.coefficients == unknowns) {
        return text +
               "система совместна (rank A = rank (A|B)) и, так как ранг равен числу "
               "неизвестных, имеет единственное решение.\r\n";
    }
    return text +
           "система совместна (rank A = rank (A|B)) и, так как ранг меньше числа "
           "неизвестных, имеет бесконечно много решений; свободных неизвестных: n - "
           "rank A = " +
           Count(unknowns - ranks.coefficients) + ".\r\n";
}

}  // namespace

std::string AnswerBlock(const EchelonForm* form, const ArrayOfString& names) {
    std::string block = "Ответ:\r\n";
    if (form == nullptr) {
        return block + "Не имеет решения\r\n";
    }
    const size_t unknowns = names.size();
    std::vector<size_t> rowOf(unknowns, form->rows.size());
    for (size_t i = 0; i < form->pivotColumns.size(); ++i) {
        rowOf[form->pivotColumns[i]] = i;
    }
    for (size_t k = 0; k < unknowns; ++k) {
        if (rowOf[k] == form->rows.size()) {
            block += names[k] + " — любое число\r\n";
            continue;
        }
        const std::vector<Fraction>& row = form->rows[rowOf[k]];
        bool approximate = false;
        std::string terms;
        for (size_t j = 0; j < unknowns; ++j) {
            if (rowOf[j] != form->rows.size() || row[j] == 0) {
                continue;
            }
            // The term's coefficient is -row[j]; its text is that of row[j] with the sign
            // turned.
            const std::string text = FractionText(row[j], approximate);
            const bool negative = row[j] > 0;
            const std::string magnitude = negative ? text : text.substr(1);
            terms += (negative ? (terms.empty() ? "-" : " - ") : (terms.empty() ? "" : " + ")) +
                     (magnitude == "1" ? "" : magnitude + "*") + names[j];
        }
        std::string constant = FractionText(row.back(), approximate);
        if (!terms.empty() && row.back() != 0) {
            constant += terms.starts_with('-') ? " - " + terms.substr(1) : " + " + terms;
        } else if (!terms.empty()) {
            constant = terms;
        }
        block += Line(names[k] + " = " + constant, approximate);
    }
    return block;
}

std::string SolveByGauss(const std::string& text, bool& isMessage) {
    const SystemTerms system = ReadSystemTerms(text);
    isMessage = true;
    if (system.names.size() > kLargestSolvedOrder) {
        return MessageText(kTooManyUnknowns) + Count(kLargestSolvedOrder);
    }
    if (system.freeTerms.size() > kLargestSolvedOrder) {
        return MessageText(kTooManyEquations) + Count(kLargestSolvedOrder);
    }
    std::string report = "Методом Гаусса:\r\n\r\n";
    EchelonForm form;
    SystemRanks ranks;
    const FractionMatrix augmented = AugmentedMatrix(system);
    if (system.names.size() <= kLargestShown && system.freeTerms.size() <= kLargestShown) {
        ranks = GaussSteps(augmented, system.names, report, form);
    } else {
        report += "Ход решения показывается для систем не более чем из " + Count(kLargestShown) +
                  " уравнений с " + Count(kLargestShown) + " неизвестными.\r\n";
        ranks = ExactRanks(augmented, system.names.size());
        if (ranks.withFreeTerms == ranks.coefficients &&
            !ModularEchelonForm(augmented, system.names.size(), ranks.coefficients, form)) {
            return MessageText(kNumbersTooLong);
        }
    }
    isMessage = false;
    const bool solvable = ranks.withFreeTerms == ranks.coefficients;
    return report + RanksStatement(ranks, system.names.size()) + "\r\n" +
           AnswerBlock(solvable ? &form : nullptr, system.names);
}

std::string SolveByMatrixMethod(const std::string& text, bool& isMessage) {
    const SystemTerms system = ReadSystemTerms(text);
    isMessage = true;
    if (std::string message = SquareSystemMessage(system); !message.empty()) {
        return message;
    }
    FractionMatrix a = AugmentedMatrix(system);
    if (std::string message = SingularSystemMessage(a); !message.empty()) {
        return message;
    }
    const size_t n = system.names.size();
    const FractionMatrix b = Column(a, n);
    FractionMatrix coefficients = a;
    for (std::vector<Fraction>& row : coefficients) {
        row.pop_back();
    }
    Fraction determinant;
    FractionMatrix inverse;
    EchelonForm form;
    if (n <= kLargestShown) {
        inverse = FractionFreeInverse(coefficients, determinant);
        // The form of the solution: row i is e_i, then x_i = (A^(-1)*B)_i.
        for (size_t i = 0; i < n; ++i) {
            form.pivotColumns.push_back(i);
            std::vector<Fraction>& row = form.rows.emplace_back(n + 1, Fraction(0));
            row[i] = 1;
            for (size_t j = 0; j < n; ++j) {
                row[n] += inverse[i][j] * b[j][0];
            }
        }
    } else if (!ModularEchelonForm(a, n, n, form, &determinant)) {
        return MessageText(kNumbersTooLong);
    }
    isMessage = false;
    bool approximate = false;
    const std::string d = FractionText(determinant, approximate);
    std::string report =
        "Матричным методом:\r\n\r\nA = матрица системы, B = столбец свободных "
        "членов, X = A^(-1)*B.\r\n\r\n" +
        Bracketed("A = (", coefficients) + Bracketed("B = (", b) +
        Line("D = det A = " + d, approximate) + "\r\n";
    if (n <= kLargestShown) {
        report += Bracketed("A^(-1) = (", inverse);
    } else {
        report += "Обратная матрица показывается для систем не более чем из " +
                  Count(kLargestShown) + " уравнений.\r\n\r\n";
    }
    return report + Bracketed("X = A^(-1)*B = (", Column(form.rows, n)) +
           AnswerBlock(&form, system.names);
}
