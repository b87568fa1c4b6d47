// The pages, as the page buttons, the tab, the layout, the pages' procedure and the tests see
// them.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <tuple>

#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "resource.h"

// A stretch of a page's width or height that takes a share of the room the page gains beyond
// its smallest size: the extent of box `boxId` along that axis, and the share's weight.
struct Band {
    int boxId;
    int weight;
};

struct PageRow {
    int buttonId;
    const wchar_t* caption;  // the button's text and the tab's caption
    int dialogTemplate;
    // The input boxes in the order the page's answer counts them; "Открыть..." puts a file's text
    // into the first until another is used.
    std::span<const int> inputBoxes;
    int resultBox;
    const wchar_t* resultFile;  // the name "Сохранить результат..." suggests
    // On a page with one input box: "Решить", which Ctrl+Enter presses too, and the page's
    // answer to the box's text by the method its radio buttons choose (MethodButton; the
    // expression page has none). 0 and none on the matrix page, whose buttons are its own.
    int solveButton;
    PageAnswer (*answer)(std::u16string_view input, SolveMethod method);
    // The boxes that grow by the bands they span. Every control moves right by the columns
    // that end before it, and down by the rows that end above it; the controls that belong
    // together move as one, by the bands that end before them all.
    std::span<const int> growing;
    std::span<const Band> columns;
    std::span<const Band> rows;
    std::span<const int> together;
};

inline constexpr int kExpressionInputs[] = {IDC_EXPRESSION_INPUT};
inline constexpr int kMatrixInputs[] = {IDC_MATRIX_A, IDC_MATRIX_B};
inline constexpr int kEquationsInputs[] = {IDC_EQUATIONS_INPUT};

inline constexpr std::span<const Band> kNoBands;  // the expression page grows no taller
inline constexpr int kExpressionGrowing[] = {IDC_EXPRESSION_INPUT, IDC_EXPRESSION_RESULT};
inline constexpr Band kExpressionColumns[] = {{IDC_EXPRESSION_INPUT, 1}};
inline constexpr int kMatrixGrowing[] = {IDC_MATRIX_A, IDC_MATRIX_B, IDC_MATRIX_RESULT};
inline constexpr Band kMatrixColumns[] = {{IDC_MATRIX_A, 1}, {IDC_MATRIX_B, 1}};
inline constexpr Band kMatrixRows[] = {{IDC_MATRIX_A, 1}, {IDC_MATRIX_RESULT, 1}};
inline constexpr int kEquationsGrowing[] = {IDC_EQUATIONS_INPUT, IDC_EQUATIONS_RESULT};
inline constexpr Band kEquationsColumns[] = {{IDC_EQUATIONS_INPUT, 1}, {IDC_EQUATIONS_RESULT, 2}};
inline constexpr Band kEquationsRows[] = {{IDC_EQUATIONS_INPUT, 1}};
inline constexpr int kEquationsTogether[] = {IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_CRAMER,
                                             IDC_EQUATIONS_GAUSS, IDC_EQUATIONS_MATRIX_METHOD};
inline constexpr std::span<const int> kNoneTogether;

// The equations page's radio buttons: one for each row of kMethods, in its order, their ids on
// from IDC_EQUATIONS_CRAMER.
constexpr int MethodButton(size_t method) {
    return IDC_EQUATIONS_CRAMER + static_cast<int>(method);
}
static_assert(MethodButton(std::tuple_size_v<decltype(kMethods)> - 1) ==
              IDC_EQUATIONS_MATRIX_METHOD);

inline constexpr size_t kPageCount = 3;

inline constexpr std::array<PageRow, kPageCount> kPageTable = {{
    {IDC_PAGE_EXPRESSION, L"Примеры", IDD_EXPRESSION_PAGE, kExpressionInputs, IDC_EXPRESSION_RESULT,
     L"Значение выражения.txt", IDC_EXPRESSION_SOLVE,
     [](std::u16string_view input, SolveMethod) { return ExpressionPageAnswer(input); },
     kExpressionGrowing, kExpressionColumns, kNoBands, kNoneTogether},
    {IDC_PAGE_MATRIX, L"Матрицы", IDD_MATRIX_PAGE, kMatrixInputs, IDC_MATRIX_RESULT,
     L"Результат с матрицами.txt", 0, nullptr, kMatrixGrowing, kMatrixColumns, kMatrixRows,
     kNoneTogether},
    {IDC_PAGE_EQUATIONS, L"Сист. уравнений", IDD_EQUATIONS_PAGE, kEquationsInputs,
     IDC_EQUATIONS_RESULT, L"Решение системы.txt", IDC_EQUATIONS_SOLVE, EquationsPageAnswer,
     kEquationsGrowing, kEquationsColumns, kEquationsRows, kEquationsTogether},
}};
