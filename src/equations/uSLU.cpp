// Solving a system by Cramer's rule, with the step-by-step report.
#include "uSLU.h"

#include <cfloat>
#include <cmath>

namespace {

const char* const kNoUniqueSolution = "Система не имеет единственного решения";

bool AreWholeNumbers(const TwoDimDynA& coefficients, const ArrayOfExtended& freeTerms) {
    const auto isWhole = [](Extended value) { return std::trunc(value) == value; };
    for (const auto& row : coefficients) {
        for (const Extended value : row) {
            if (!isWhole(value)) {
                return false;
            }
        }
    }
    for (const Extended value : freeTerms) {
        if (!isWhole(value)) {
            return false;
        }
    }
    return true;
}

// A square system with D = 0: no solution when the free terms raise the rank, otherwise
// infinitely many.
std::string SingularSystemAnswer(const TwoDimDynA& coefficients,
                                 const ArrayOfExtended& freeTerms) {
    TwoDimDynA extended = coefficients;
    for (size_t row = 0; row < extended.size(); ++row) {
        extended[row].push_back(freeTerms[row]);
    }
    // Whole numbers stay exact in the elimination, so only an exact zero is zero. A decimal
    // fraction is rounded in binary, and a combination that is zero in decimal leaves residues
    // of a few units in the last place, growing with every elimination step.
    const Extended tolerance =
        AreWholeNumbers(coefficients, freeTerms)
            ? 0
            : 16 * static_cast<Extended>(extended.size() + extended[0].size()) * LDBL_EPSILON;
    if (Rank(coefficients, tolerance) != Rank(extended, tolerance)) {
        return "Не имеет решения";
    }
    return kNoUniqueSolution;
}

// "label( matrix ) = determinant", then an empty line; the matrix's later rows stand under
// its first.
void AppendDeterminantBlock(std::string& report, const std::string& label,
                            const TwoDimDynA& matrix, Extended determinant) {
    std::string matrixText;
    MatrixToText(matrix, matrixText, static_cast<int>(label.size()));
    report += label;
    report += matrixText;
    report += " ) = ";
    report += RealToText(determinant);
    report += "\r\n\r\n";
}

std::string CramerReport(const TwoDimDynA& coefficients, const ArrayOfExtended& freeTerms,
                         const ArrayOfString& names, Extended determinant) {
    std::string report = "Методом Крамера:\r\n\r\n";
    AppendDeterminantBlock(report, "D = (", coefficients, determinant);
    ArrayOfExtended values(names.size());
    TwoDimDynA replaced;
    for (size_t k = 0; k < names.size(); ++k) {
        ReplaceColumn(coefficients, freeTerms, k, replaced);
        values[k] = Determinant(replaced);
        AppendDeterminantBlock(report, names[k] + " = (", replaced, values[k]);
        values[k] = values[k] / determinant;
    }
    report += "Ответ:\r\n";
    for (size_t k = 0; k < names.size(); ++k) {
        report += names[k];
        report += " = ";
        report += RealToText(values[k]);
        report += "\r\n";
    }
    return report;
}

}  // namespace

std::string SolveByCramer(const std::string& text, bool& isMessage) {
    TwoDimDynA coefficients;
    ArrayOfExtended freeTerms;
    ArrayOfString names;
    ParseSystem(text, coefficients, freeTerms, names);
    isMessage = true;
    if (names.size() > coefficients.size()) {
        return kNoUniqueSolution;
    }
    if (names.size() < coefficients.size()) {
        return "Дано лишнее уравнение. Уберите одно из равенств";
    }
    const Extended determinant = Determinant(coefficients);
    if (determinant == 0) {
        return SingularSystemAnswer(coefficients, freeTerms);
    }
    isMessage = false;
    return CramerReport(coefficients, freeTerms, names, determinant);
}
