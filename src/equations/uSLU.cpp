// Solving a system by Cramer's rule, with the step-by-step report.
#include "uSLU.h"

#include "Calculation.h"
#include "SystemText.h"

namespace {

// The report holds n + 1 matrices of n x n numbers; past this order it takes seconds to write
// and more than a box can show.
constexpr size_t kLargestSolvedOrder = 100;

std::string MessageText(SystemFault fault) {
    return std::string(kSystemMessages[fault]);
}

// "label( matrix ) = determinant", then an empty line; the matrix's later rows stand under
// its first.
void AppendDeterminantBlock(std::string& report, const std::string& label, const TwoDimDynA& matrix,
                            Extended determinant) {
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
        NoteProgress(k + 1, names.size() + 1);
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
    const SystemTerms system = ReadSystemTerms(text);
    const size_t unknowns = system.names.size();
    const size_t equations = system.freeTerms.size();
    isMessage = true;
    if (unknowns > equations) {
        return MessageText(kNoUniqueSolution);
    }
    if (unknowns < equations) {
        return MessageText(kExtraEquation);
    }
    if (unknowns > kLargestSolvedOrder) {
        return MessageText(kTooManyUnknowns) + std::to_string(kLargestSolvedOrder);
    }
    // Read before the verdict: a number beyond the binary range overflows whatever the system.
    const TwoDimDynA coefficients = CoefficientMatrix(system);
    const ArrayOfExtended freeTerms = FreeTermValues(system);
    // A singular system: no solution when the free terms raise the rank, otherwise infinitely
    // many.
    const SystemRanks ranks = ExactRanks(system);
    if (ranks.coefficients < unknowns) {
        return MessageText(ranks.withFreeTerms > ranks.coefficients ? kNoSolution
                                                                    : kNoUniqueSolution);
    }
    // D of the typed numbers is not zero, but its binary value may be: then no quotient exists.
    const Extended determinant = Determinant(coefficients);
    if (determinant == 0) {
        return MessageText(kDeterminantNearZero);
    }
    isMessage = false;
    return CramerReport(coefficients, freeTerms, system.names, determinant);
}
