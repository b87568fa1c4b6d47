// The three calculator pages: each passes its boxes' texts to its calculator and shows the
// answer in its result box.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <array>
#include <string>

#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "MatrixPage.h"
#include "resource.h"
#include "ShellState.h"

namespace {

std::u16string ReadBoxText(HWND page, int boxId) {
    const HWND box = GetDlgItem(page, boxId);
    const int length = GetWindowTextLengthW(box);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box, buffer.data(), length + 1);
    return std::u16string(buffer.begin(), buffer.begin() + copied);
}

void WriteBoxText(HWND page, int boxId, const std::u16string& text) {
    const std::wstring wide(text.begin(), text.end());
    SetDlgItemTextW(page, boxId, wide.c_str());
}

// The pages with one input box: "Решить" puts the page's answer into its result box.
struct OneBoxPage {
    int solveButton;
    int inputBox;
    int resultBox;
    PageAnswer (*answer)(std::u16string_view input);
};

constexpr std::array<OneBoxPage, 2> kOneBoxPages = {{
    {IDC_EXPRESSION_SOLVE, IDC_EXPRESSION_INPUT, IDC_EXPRESSION_RESULT, ExpressionPageAnswer},
    {IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_INPUT, IDC_EQUATIONS_RESULT,
     [](std::u16string_view input) { return EquationsPageAnswer(input); }},
}};

void OnOneBoxCommand(HWND page, int id, HWND, UINT code) {
    const auto solved = std::ranges::find(kOneBoxPages, id, &OneBoxPage::solveButton);
    if (solved != kOneBoxPages.end() && code == BN_CLICKED) {
        WriteBoxText(page, solved->resultBox,
                     solved->answer(ReadBoxText(page, solved->inputBox)).text);
    }
}

struct MatrixButton {
    int id;
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

void OnMatrixCommand(HWND page, int id, HWND, UINT code) {
    const auto button = std::ranges::find(kMatrixButtons, id, &MatrixButton::id);
    if (button == kMatrixButtons.end() || code != BN_CLICKED) {
        return;
    }
    const std::u16string a = ReadBoxText(page, IDC_MATRIX_A);
    const std::u16string b = ReadBoxText(page, IDC_MATRIX_B);
    const std::u16string exponent = ReadBoxText(page, IDC_MATRIX_EXPONENT);
    const std::u16string factor = ReadBoxText(page, IDC_MATRIX_FACTOR);
    WriteBoxText(page, IDC_MATRIX_RESULT,
                 MatrixPageAnswer(button->operation, {a, b, exponent, factor}).text);
}

using CommandHandler = void (*)(HWND page, int id, HWND control, UINT code);

// What every page does besides its buttons: it keeps no focus of its own at start (the main
// window places it), and it lives as long as the main window, so WM_CLOSE, which a multi-line
// box sends on Escape, does not end it.
INT_PTR PageResult(HWND page, UINT message, WPARAM wParam, LPARAM lParam,
                   CommandHandler onCommand) {
    switch (message) {
        case WM_COMMAND:
            HANDLE_WM_COMMAND(page, wParam, lParam, onCommand);
            return TRUE;
        case WM_CLOSE:
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK OneBoxPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageResult(page, message, wParam, lParam, OnOneBoxCommand);
}

INT_PTR CALLBACK MatrixPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageResult(page, message, wParam, lParam, OnMatrixCommand);
}
