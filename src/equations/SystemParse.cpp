// Reading an accepted system into its coefficient matrix, free terms and variable names.
#include <string_view>
#include <unordered_map>
#include <utility>

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

void ParseSystem(const std::string& text, TwoDimDynA& coefficients, ArrayOfExtended& freeTerms,
                 ArrayOfString& names) {
    names.clear();
    const std::vector<std::string> lines = SplitLines(text);
    // The column of every name met so far; the keys look into `lines`.
    std::unordered_map<std::string_view, size_t> columnOfName;
    // Each line's terms as (column, coefficient), in the order they stand.
    std::vector<std::vector<std::pair<size_t, Extended>>> termsOfLine(lines.size());
    freeTerms.assign(lines.size(), 0);
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::string_view line = lines[row];
        const size_t equalsPosition = line.find('=');
        for (const std::string_view term : SplitTerms(line, equalsPosition)) {
            const std::string_view name = term.substr(CoefficientLength(term));
            const auto [entry, isNew] = columnOfName.try_emplace(name, names.size());
            if (isNew) {
                names.emplace_back(name);
            }
            termsOfLine[row].emplace_back(entry->second, TextToReal(CoefficientText(term)));
        }
        freeTerms[row] = TextToReal(line.substr(equalsPosition + 1));
    }
    coefficients.assign(lines.size(), std::vector<Extended>(names.size(), 0));
    for (size_t row = 0; row < lines.size(); ++row) {
        for (const auto& [column, coefficient] : termsOfLine[row]) {
            coefficients[row][column] += coefficient;
        }
    }
}
