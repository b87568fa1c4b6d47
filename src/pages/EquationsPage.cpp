#include "EquationsPage.h"

#include <algorithm>

#include "uSLU.h"

const std::array<MethodRow, 3> kMethods = {{
    {SolveMethod::Cramer, u"Методом Крамера", "cramer", CheckSystem, SolveByCramer},
    {SolveMethod::Gauss, u"Методом Гаусса", "gauss", CheckExactSystem, SolveByGauss},
    {SolveMethod::Matrix, u"Матричным методом", "matrix", CheckExactSystem, SolveByMatrixMethod},
}};

PageAnswer EquationsPageAnswer(std::u16string_view input, SolveMethod method) {
    const MethodRow& row = *std::ranges::find(kMethods, method, &MethodRow::id);
    return OneBoxAnswer(input, row.check, row.solve);
}
