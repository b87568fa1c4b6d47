// Solving a system by Cramer's rule, with the step-by-step report.
#include "uSLU.h"

#include <cfloat>
#include <cmath>
#include <optional>

#include "SystemText.h"

namespace {

// The report holds n + 1 matrices of n x n numbers; past this order it takes seconds to write
// and more than a box can show.
constexpr size_t kLargestSolvedOrder = 100;

const char* const kNoUniqueSolution = "Система не имеет единственного решения";

// Whole numbers stay exact in the elimination, so only an exact zero is zero there. A decimal
// fraction is rounded in binary, and a combination that is zero in decimal leaves residues of a
// few units in the last place, growing with every elimination step.
Extended RankTolerance(const TwoDimDynA& matrix) {
    for (const auto& row : matrix) {
        for (const Extended value : row) {
            if (std::trunc(value) != value) {
                return 16 * static_cast<Extended>(matrix.size() + row.size()) * LDBL_EPSILON;
            }
        }
    }
    return 0;
}

// The rank of the coefficients when the system is singular, nothing when it is regular. D of a
// decimal system may be rounding residue of a zero: its rank tells.
std::optional<size_t> SingularRank(const TwoDimDynA& coefficients, Extended determinant) {
    const Extended tolerance = RankTolerance(coefficients);
    if (determinant != 0 && tolerance == 0) {
        return std::nullopt;
    }
    const size_t rank = Rank(coefficients, tolerance);
    if (determinant != 0 && rank == coefficients.size()) {
        return std::nullopt;
    }
    return rank;
}

// A singular square system: no solution when the free terms raise the rank, otherwise
// infinitely many.
std::string SingularSystemAnswer(const TwoDimDynA& coefficients, size_t coefficientRank,
                                 const ArrayOfExtended& freeTerms) {
    TwoDimDynA extended = coefficients;
    for (size_t row = 0; row < extended.size(); ++row) {
        extended[row].push_back(freeTerms[row]);
    }
    if (coefficientRank != Rank(extended, RankTolerance(extended))) {
        return "Не имеет решения";
    }
    return kNoUniqueSolution;
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
        return kNoUniqueSolution;
    }
    if (unknowns < equations) {
        return "Дано лишнее уравнение. Уберите одно из равенств";
    }
    if (unknowns > kLargestSolvedOrder) {
        return "Слишком много неизвестных: не более " + std::to_string(kLargestSolvedOrder);
    }
    const TwoDimDynA coefficients = CoefficientMatrix(system);
    const Extended determinant = Determinant(coefficients);
    if (const std::optional<size_t> rank = SingularRank(coefficients, determinant)) {
        return SingularSystemAnswer(coefficients, *rank, system.freeTerms);
    }
    isMessage = false;
    return CramerReport(coefficients, system.freeTerms, system.names, determinant);
}
