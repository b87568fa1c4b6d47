#include <algorithm>
#include <array>

#include "BoxTextIo.h"
#include "MatrixPage.h"
#include "PageDialog.h"
#include "PageProcedures.h"
#include "resource.h"

namespace {

struct MatrixButton {
    WPARAM id;
    MatrixOperation operation;
};

constexpr std::array<MatrixButton, 7> kMatrixButtons = {{
    {IDC_MATRIX_DETERMINANT, MatrixOperation::Determinant},
    {IDC_MATRIX_SUM, MatrixOperation::Sum},
    {IDC_MATRIX_POWER, MatrixOperation::Power},
    {IDC_MATRIX_DIFFERENCE, MatrixOperation::Difference},
    {IDC_MATRIX_BY_NUMBER, MatrixOperation::ByNumber},
    {IDC_MATRIX_PRODUCT, MatrixOperation::Product},
    {IDC_MATRIX_TRANSPOSE, MatrixOperation::Transpose},
}};

void RunMatrixOperation(HWND page, WPARAM command) {
    const auto button =
        std::find_if(kMatrixButtons.begin(), kMatrixButtons.end(),
                     [command](const MatrixButton& row) { return row.id == command; });
    if (button == kMatrixButtons.end()) {
        return;
    }
    const std::u16string a = ReadBoxText(page, IDC_MATRIX_A);
    const std::u16string b = ReadBoxText(page, IDC_MATRIX_B);
    const std::u16string exponent = ReadBoxText(page, IDC_MATRIX_EXPONENT);
    const std::u16string factor = ReadBoxText(page, IDC_MATRIX_FACTOR);
    const PageAnswer answer = MatrixPageAnswer(button->operation, {a, b, exponent, factor});
    WriteBoxText(page, IDC_MATRIX_RESULT, answer.text);
}

}  // namespace

INT_PTR CALLBACK MatrixPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, RunMatrixOperation);
}
