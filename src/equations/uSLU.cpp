// Solving a system by Cramer's rule, with the step-by-step report.
#include "uSLU.h"

#include "Calculation.h"
#include "ExactSystem.h"
#include "Parallel.h"
#include "SystemText.h"

namespace {

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
    // Each variable's block and value on a thread of its own, the blocks joined in order.
    const size_t n = names.size();
    ArrayOfExtended values(n);
    std::vector<std::string> blocks(n);
    // A block's work, in multiply-adds (Parallel.h): its determinant's elimination, about n^3 / 3
    // updates of four each, and its n^2 numbers written, about 125 each.
    const size_t blockWork = 4 * n * n * n / 3 + 125 * n * n;
    ParallelFor(n, n * blockWork, [&](size_t first, size_t end) {
        TwoDimDynA replaced;
        for (size_t k = first; k < end; ++k) {
            NoteProgress(k + 1, n + 1);
            ReplaceColumn(coefficients, freeTerms, k, replaced);
            values[k] = Determinant(replaced);
            AppendDeterminantBlock(blocks[k], names[k] + " = (", replaced, values[k]);
            values[k] = values[k] / determinant;
        }
    });
    for (const std::string& block : blocks) {
        report += block;
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

std::string MessageText(SystemFault fault) {
    return std::string(kSystemMessages[fault]);
}

std::string SquareSystemMessage(const SystemTerms& system) {
    const size_t unknowns = system.names.size();
    const size_t equations = system.freeTerms.size();
    if (unknowns > equations) {
        return MessageText(kNoUniqueSolution);
    }
    if (unknowns < equations) {
        return MessageText(kExtraEquation);
    }
    if (unknowns > kLargestSolvedOrder) {
        return MessageText(kTooManyUnknowns) + std::to_string(kLargestSolvedOrder);
    }
    return "";
}

std::string SolveByCramer(const std::string& text, bool& isMessage) {
    const SystemTerms system = ReadSystemTerms(text);
    isMessage = true;
    if (std::string message = SquareSystemMessage(system); !message.empty()) {
        return message;
    }
    // Read before the verdict: a number beyond the binary range overflows whatever the system.
    const TwoDimDynA coefficients = CoefficientMatrix(system);
    const ArrayOfExtended freeTerms = FreeTermValues(system);
    if (std::string message = SingularSystemMessage(AugmentedMatrix(system)); !message.empty()) {
        return message;
    }
    // D of the typed numbers is not zero, but its binary value may be: then no quotient exists.
    const Extended determinant = Determinant(coefficients);
    if (determinant == 0) {
        return MessageText(kDeterminantNearZero);
    }
    isMessage = false;
    return CramerReport(coefficients, freeTerms, system.names, determinant);
}
