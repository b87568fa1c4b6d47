// Reading an accepted system into its coefficient matrix, free terms and variable names.
#include <string_view>
#include <unordered_map>
#include <utility>

#include "ExactSystem.h"
#include "Parallel.h"
#include "SystemText.h"
#include "uSLU.h"

namespace {

// The coefficient of one accepted term as a number text: "1" for a bare name, the sign
// followed by "1" for a signed bare name, otherwise the sign and the digits as written.
std::string CoefficientText(std::string_view term) {
    const std::string coefficient(term.substr(0, CoefficientLength(term)));
    if (coefficient.empty()) {
        return "1";
    }
    if (coefficient == "+" || coefficient == "-") {
        return coefficient + "1";
    }
    return coefficient;
}

}  // namespace

SystemTerms ReadSystemTerms(const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    SystemTerms system;
    system.termsOfLine.resize(lines.size());
    system.freeTerms.resize(lines.size());
    // The lines' terms and coefficients on all threads, then the names' columns in order of
    // appearance; the keys look into `lines`.
    std::vector<std::vector<std::string_view>> namesOfLine(lines.size());
    ParallelFor(lines.size(), text.size() * kWorkPerLineCharacter, [&](size_t begin, size_t end) {
        for (size_t row = begin; row < end; ++row) {
            const std::string_view line = lines[row];
            const size_t equalsPosition = line.find('=');
            for (const std::string_view term : SplitTerms(line, equalsPosition)) {
                namesOfLine[row].push_back(term.substr(CoefficientLength(term)));
                system.termsOfLine[row].emplace_back(0, CoefficientText(term));
            }
            system.freeTerms[row] = line.substr(equalsPosition + 1);
        }
    });
    std::unordered_map<std::string_view, size_t> columnOfName;
    for (size_t row = 0; row < lines.size(); ++row) {
        for (size_t k = 0; k < namesOfLine[row].size(); ++k) {
            const std::string_view name = namesOfLine[row][k];
            const auto [entry, isNew] = columnOfName.try_emplace(name, system.names.size());
            if (isNew) {
                system.names.emplace_back(name);
            }
            system.termsOfLine[row][k].first = entry->second;
        }
    }
    return system;
}

TwoDimDynA CoefficientMatrix(const SystemTerms& system) {
    TwoDimDynA coefficients(system.termsOfLine.size(), ArrayOfExtended(system.names.size(), 0));
    for (size_t row = 0; row < coefficients.size(); ++row) {
        for (const auto& [column, coefficient] : system.termsOfLine[row]) {
            coefficients[row][column] += TextToReal(coefficient);
        }
    }
    return coefficients;
}

ArrayOfExtended FreeTermValues(const SystemTerms& system) {
    ArrayOfExtended values;
    for (const std::string& freeTerm : system.freeTerms) {
        values.push_back(TextToReal(freeTerm));
    }
    return values;
}

FractionMatrix AugmentedMatrix(const SystemTerms& system) {
    // A typed number's fraction costs about a greatest common divisor of short numbers.
    constexpr size_t kWorkPerNumber = 64;
    FractionMatrix matrix(system.freeTerms.size(),
                          std::vector<Fraction>(system.names.size() + 1, Fraction(0)));
    const size_t work = matrix.size() * (system.names.size() + 1) * kWorkPerNumber;
    ParallelFor(matrix.size(), work, [&](size_t begin, size_t end) {
        for (size_t row = begin; row < end; ++row) {
            for (const auto& [column, coefficient] : system.termsOfLine[row]) {
                Fraction& entry = matrix[row][column];
                entry = entry == 0 ? TypedFraction(coefficient)
                                   : Fraction(entry + TypedFraction(coefficient));
            }
            matrix[row].back() = TypedFraction(system.freeTerms[row]);
        }
    });
    return matrix;
}
