#include "EquationsPage.h"

#include "uSLU.h"

PageAnswer EquationsPageAnswer(std::u16string_view input, SolveMethod method) {
    // By SolveMethod.
    constexpr PageCalculation kSolvers[] = {SolveByCramer, SolveByGauss, SolveByMatrixMethod};
    return OneBoxAnswer(input, method == SolveMethod::Cramer ? CheckSystem : CheckExactSystem,
                        kSolvers[static_cast<size_t>(method)]);
}
