#include "EquationsPage.h"

#include <algorithm>

#include "uSLU.h"

const std::array<MethodRow, 3> kMethods = {{
    {SolveMethod::Cramer, u"Методом Крамера", "cramer", SolveByCramer},
    {SolveMethod::Gauss, u"Методом Гаусса", "gauss", SolveByGauss},
    {SolveMethod::Matrix, u"Матричным методом", "matrix", SolveByMatrixMethod},
}};

PageAnswer EquationsPageAnswer(std::u16string_view input, SolveMethod method) {
    return OneBoxAnswer(input, CheckSystem,
                        std::ranges::find(kMethods, method, &MethodRow::id)->solve);
}
