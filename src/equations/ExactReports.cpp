// Solving a system on its exact numbers by Gauss's method and by the matrix method, with the
// step-by-step reports and the general solution.
#include <algorithm>
#include <iterator>

#include "Calculation.h"
#include "ExactSystem.h"
#include "uSLU.h"

namespace {

// Steps, and the inverse, are shown up to this many equations and unknowns.
constexpr size_t kLargestShown = 10;

std::string Line(const std::string& text, bool approximate) {
    return text + (approximate ? " (приближённо)" : "") + "\r\n";
}

std::string Count(size_t n) {
    return std::to_string(n);
}

// A matrix's lines in MatrixToText's layout; the columns from `bar` on stand after " |". A line
// that holds a rounded number is marked.
struct MatrixLines {
    std::vector<std::string> lines;
    std::vector<bool> approximate;
};

MatrixLines LayOut(const FractionMatrix& m, size_t bar) {
    std::vector<std::vector<std::string>> left(m.size());
    std::vector<std::vector<std::string>> right(m.size());
    MatrixLines laid{{}, std::vector<bool>(m.size(), false)};
    for (size_t i = 0; i < m.size(); ++i) {
        for (size_t j = 0; j < m[i].size(); ++j) {
            bool approximate = false;
            (j < bar ? left : right)[i].push_back(FractionText(m[i][j], approximate));
            laid.approximate[i] = laid.approximate[i] || approximate;
        }
    }
    laid.lines = AlignedRows(left);
    if (bar < m.front().size()) {
        const std::vector<std::string> rightLines = AlignedRows(right);
        for (size_t i = 0; i < m.size(); ++i) {
            laid.lines[i] += " |" + rightLines[i];
        }
    }
    return laid;
}

// The lines one under another.
std::string Plain(const FractionMatrix& m, size_t bar) {
    const MatrixLines laid = LayOut(m, bar);
    std::string text;
    for (size_t i = 0; i < laid.lines.size(); ++i) {
        text += Line(laid.lines[i], laid.approximate[i]);
    }
    return text;
}

// "label( first line", the later lines under it, the last closed with " )", then an empty line.
std::string Bracketed(const std::string& label, const FractionMatrix& m) {
    const MatrixLines laid = LayOut(m, m.front().size());
    std::string text;
    for (size_t i = 0; i < laid.lines.size(); ++i) {
        const bool last = i + 1 == laid.lines.size();
        text += Line(
            (i == 0 ? label : std::string(label.size(), ' ')) + laid.lines[i] + (last ? " )" : ""),
            laid.approximate[i]);
    }
    return text + "\r\n";
}

FractionMatrix Column(const FractionMatrix& m, size_t column) {
    FractionMatrix c;
    for (const std::vector<Fraction>& row : m) {
        c.push_back({row[column]});
    }
    return c;
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

std::string NameList(const ArrayOfString& names, const std::vector<size_t>& columns) {
    std::string list;
    for (const size_t column : columns) {
        list += (list.empty() ? "" : ", ") + names[column];
    }
    return list;
}

// Each entry of the row divided by the pivot.
void DivideRow(std::vector<Fraction>& row, const Fraction& pivot) {
    for (Fraction& x : row) {
        x /= pivot;
    }
}

// Forward elimination column by column: the first row at or below the current one with a
// non-zero entry is the pivot; the pivots' columns go into the form.
void ForwardSteps(FractionMatrix& m, const ArrayOfString& names, std::string& report, size_t& step,
                  EchelonForm& form) {
    report += "\r\nПрямой ход: ниже ведущих элементов получаем нули.\r\n";
    for (size_t column = 0; column < names.size() && form.pivotColumns.size() < m.size();
         ++column) {
        NoteProgress(column, names.size());
        const size_t rank = form.pivotColumns.size();
        const std::string head = "\r\nШаг " + Count(++step) + ". Столбец " + names[column];
        const auto pivotRow = std::find_if(m.begin() + static_cast<std::ptrdiff_t>(rank), m.end(),
                                           [column](const auto& row) { return row[column] != 0; });
        if (pivotRow == m.end()) {
            report += head + ": в строке " + Count(rank + 1) +
                      " и ниже только нули, ведущего элемента нет.\r\n";
            continue;
        }
        const auto found = static_cast<size_t>(pivotRow - m.begin());
        bool approximate = false;
        const std::string pivotText = FractionText((*pivotRow)[column], approximate);
        std::string operations;
        if (found != rank) {
            operations +=
                "Меняем местами строки " + Count(rank + 1) + " и " + Count(found + 1) + ".\r\n";
            std::swap(*pivotRow, m[rank]);
        }
        for (size_t i = rank + 1; i < m.size(); ++i) {
            if (m[i][column] != 0) {
                const Fraction factor = m[i][column] / m[rank][column];
                operations += RowOperation(i, rank, factor);
                SubtractRow(m, i, rank, factor, column);
            }
        }
        report += Line(head + ", ведущий элемент " + pivotText + " в строке " + Count(found + 1) +
                           (operations.empty() ? "; ниже него уже нули." : "."),
                       approximate) +
                  operations + (operations.empty() ? "" : Plain(m, names.size()));
        form.pivotColumns.push_back(column);
    }
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

// Back substitution from the last pivot up: each pivot row divided by its pivot, then taken
// from the rows above.
void BackSteps(FractionMatrix& m, const ArrayOfString& names, std::string& report, size_t& step,
               const std::vector<size_t>& pivotColumns) {
    std::string back;
    for (size_t i = m.size(); i-- > 0;) {
        const size_t column = pivotColumns[i];
        std::string operations;
        if (m[i][column] != 1) {
            bool approximate = false;
            operations += Line("Делим строку " + Count(i + 1) + " на " +
                                   FractionText(m[i][column], approximate) + ".",
                               approximate);
            DivideRow(m[i], Fraction(m[i][column]));
        }
        for (size_t k = 0; k < i; ++k) {
            if (m[k][column] != 0) {
                const Fraction factor = m[k][column];
                operations += RowOperation(k, i, factor);
                SubtractRow(m, k, i, factor, column);
            }
        }
        if (!operations.empty()) {
            back += "\r\nШаг " + Count(++step) + ". Столбец " + names[column] + ", строка " +
                    Count(i + 1) + ".\r\n" + operations + Plain(m, names.size());
        }
    }
    if (!back.empty()) {
        report +=
            "\r\nОбратный ход: ведущие элементы делаем равными 1, выше них получаем нули.\r\n" +
            back;
    }
}

// Gauss's method step by step on the augmented matrix. Fills the echelon form; false when the
// system has no solution.
bool GaussSteps(FractionMatrix m, const ArrayOfString& names, std::string& report,
                EchelonForm& form) {
    std::vector<size_t> all(names.size());
    for (size_t j = 0; j < all.size(); ++j) {
        all[j] = j;
    }
    report += "Расширенная матрица системы (столбцы " + NameList(names, all) +
              " и свободные члены):\r\n" + Plain(m, names.size());
    size_t step = 0;
    ForwardSteps(m, names, report, step, form);
    if (!DropZeroRows(m, form.pivotColumns.size(), report)) {
        return false;
    }
    std::vector<size_t> freeColumns;
    std::set_difference(all.begin(), all.end(), form.pivotColumns.begin(), form.pivotColumns.end(),
                        std::back_inserter(freeColumns));
    if (!freeColumns.empty()) {
        report +=
            "\r\nСвободные неизвестные (без ведущего элемента): " + NameList(names, freeColumns) +
            ".\r\n";
    }
    BackSteps(m, names, report, step, form.pivotColumns);
    form.rows = std::move(m);
    return true;
}

// The inverse A^(-1) of a regular system's coefficients, their determinant D and the solution
// X = A^(-1)*B, by fraction-free Gauss-Jordan elimination of the rows scaled to whole numbers,
// [A' | I]: each step sets every other row to (pivot * row - entry * pivot row) / the previous
// pivot, a whole number. At the end the left half is d times I and the right half d times
// A'^(-1), d being D' or -D' after an odd count of exchanges; A = S^(-1)*A' with S the rows'
// factors.
FractionMatrix Inverse(const FractionMatrix& augmented, Fraction& determinant,
                       FractionMatrix& solution) {
    const size_t n = augmented.size();
    std::vector<Integer> factors;
    WholeMatrix m = WholeRows(augmented, factors);
    std::vector<Integer> freeTerms;
    for (size_t i = 0; i < n; ++i) {
        freeTerms.push_back(m[i].back());
        m[i].pop_back();
        m[i].resize(2 * n, Integer(0));
        m[i][n + i] = 1;
    }
    Integer previous = 1;
    bool exchanged = false;
    for (size_t column = 0; column < n; ++column) {
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
    // A^(-1) = A'^(-1) * S, X = A'^(-1) * S * B: S * B are the scaled free terms.
    const Integer sign = previous < 0 ? -1 : 1;
    FractionMatrix inverse(n);
    solution.assign(n, {});
    for (size_t i = 0; i < n; ++i) {
        Integer sum = 0;
        for (size_t j = 0; j < n; ++j) {
            inverse[i].emplace_back(sign * m[i][n + j] * factors[j], abs(previous));
            sum += m[i][n + j] * freeTerms[j];
        }
        solution[i].emplace_back(sign * sum, abs(previous));
    }
    return inverse;
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
    bool solvable = true;
    if (system.names.size() <= kLargestShown && system.freeTerms.size() <= kLargestShown) {
        solvable = GaussSteps(AugmentedMatrix(system), system.names, report, form);
    } else {
        report += "Ход решения показывается для систем не более чем из " + Count(kLargestShown) +
                  " уравнений с " + Count(kLargestShown) + " неизвестными.\r\n";
        const SystemRanks ranks = ExactRanks(system);
        solvable = ranks.withFreeTerms == ranks.coefficients;
        if (solvable && !ModularEchelonForm(AugmentedMatrix(system), system.names.size(),
                                            ranks.coefficients, form)) {
            return MessageText(kNumbersTooLong);
        }
    }
    isMessage = false;
    return report + "\r\n" + AnswerBlock(solvable ? &form : nullptr, system.names);
}

std::string SolveByMatrixMethod(const std::string& text, bool& isMessage) {
    const SystemTerms system = ReadSystemTerms(text);
    isMessage = true;
    if (std::string message = SquareSystemMessage(system); !message.empty()) {
        return message;
    }
    if (std::string message = SingularSystemMessage(system); !message.empty()) {
        return message;
    }
    const size_t n = system.names.size();
    FractionMatrix a = AugmentedMatrix(system);
    Fraction determinant;
    FractionMatrix inverse;
    EchelonForm form;
    if (n <= kLargestShown) {
        inverse = Inverse(a, determinant, form.rows);
        for (size_t i = 0; i < n; ++i) {
            form.pivotColumns.push_back(i);
            std::vector<Fraction>& row = form.rows[i];
            row.insert(row.begin(), n, Fraction(0));
            row[i] = 1;
        }
    } else if (!ModularEchelonForm(a, n, n, form, &determinant)) {
        return MessageText(kNumbersTooLong);
    }
    const FractionMatrix b = Column(a, n);
    for (std::vector<Fraction>& row : a) {
        row.pop_back();
    }
    isMessage = false;
    bool approximate = false;
    const std::string d = FractionText(determinant, approximate);
    std::string report =
        "Матричным методом:\r\n\r\nA = матрица системы, B = столбец свободных "
        "членов, X = A^(-1)*B.\r\n\r\n" +
        Bracketed("A = (", a) + Bracketed("B = (", b) + Line("D = det A = " + d, approximate) +
        "\r\n";
    if (n <= kLargestShown) {
        report += Bracketed("A^(-1) = (", inverse);
    } else {
        report += "Обратная матрица показывается для систем не более чем из " +
                  Count(kLargestShown) + " уравнений.\r\n\r\n";
    }
    return report + Bracketed("X = A^(-1)*B = (", Column(form.rows, n)) +
           AnswerBlock(&form, system.names);
}
