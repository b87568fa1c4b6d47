#include "PageTable.h"

#include "PageProcedures.h"
#include "resource.h"
#include "ShellState.h"

const std::array<PageRow, 3> kPageTable = {{
    {IDC_PAGE_EXPRESSION, L"Примеры", 7, IDD_EXPRESSION_PAGE, ExpressionPageProc, &PageExpression},
    {IDC_PAGE_MATRIX, L"Матрицы", 7, IDD_MATRIX_PAGE, MatrixPageProc, &PageMatrix},
    {IDC_PAGE_EQUATIONS, L"Сист. уравнений", 15, IDD_EQUATIONS_PAGE, EquationsPageProc,
     &PageEquations},
}};
