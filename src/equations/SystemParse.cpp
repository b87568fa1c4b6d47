// Reading an accepted system into its coefficient matrix, free terms and variable names.
#include <string_view>
#include <unordered_map>
#include <utility>

#include "ExactSystem.h"
#include "Parallel.h"
#include "SystemText.h"
#include "uSLU.h"

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

SystemTerms ReadSystemTerms(const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    SystemTerms system;
    system.termsOfLine.resize(lines.size());
    system.freeTerms.resize(lines.size());
    // The column of every name met so far; the keys look into `lines`.
    std::unordered_map<std::string_view, size_t> columnOfName;
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::string_view line = lines[row];
        const size_t equalsPosition = line.find('=');
        for (const std::string_view term : SplitTerms(line, equalsPosition)) {
            const std::string_view name = term.substr(CoefficientLength(term));
            const auto [entry, isNew] = columnOfName.try_emplace(name, system.names.size());
            if (isNew) {
                system.names.emplace_back(name);
            }
            system.termsOfLine[row].emplace_back(entry->second, CoefficientText(term));
        }
        system.freeTerms[row] = line.substr(equalsPosition + 1);
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
