// The expression and equations pages: one input box, one button, one result box.
#include <string_view>

#include "BoxTextIo.h"
#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "PageDialog.h"
#include "PageProcedures.h"
#include "resource.h"

namespace {

struct OneBoxPage {
    WPARAM button;
    int inputBox;
    int resultBox;
    PageAnswer (*answer)(std::u16string_view input);
};

constexpr OneBoxPage kExpressionPage{IDC_EXPRESSION_SOLVE, IDC_EXPRESSION_INPUT,
                                     IDC_EXPRESSION_RESULT, ExpressionPageAnswer};
constexpr OneBoxPage kEquationsPage{IDC_EQUATIONS_SOLVE, IDC_EQUATIONS_INPUT, IDC_EQUATIONS_RESULT,
                                    EquationsPageAnswer};

// When `command` is the page's button: the whole input box's text in, the answer to the result box.
template <const OneBoxPage& layout>
void SolveOneBoxPage(HWND page, WPARAM command) {
    if (command != layout.button) {
        return;
    }
    const PageAnswer answer = layout.answer(ReadBoxText(page, layout.inputBox));
    WriteBoxText(page, layout.resultBox, answer.text);
}

}  // namespace

INT_PTR CALLBACK ExpressionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, SolveOneBoxPage<kExpressionPage>);
}

INT_PTR CALLBACK EquationsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    return PageDialogResult(page, message, wParam, SolveOneBoxPage<kEquationsPage>);
}
