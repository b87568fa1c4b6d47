// The names a screen reader gives the boxes, read through oleacc as one would.
// The other Windows headers need <windows.h> first.
// clang-format off
#include "NerolithTest.h"
#include <oleacc.h>
// clang-format on

#include <string>

#include "resource.h"

namespace {

std::wstring AccessibleName(HWND box) {
    IAccessible* accessible = nullptr;
    // __uuidof: the import library's IID_IAccessible would be the address of a thunk.
    if (FAILED(AccessibleObjectFromWindow(box, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring text = SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr
                            ? std::wstring(name, SysStringLen(name))
                            : L"(no name)";
    SysFreeString(name);
    accessible->Release();
    return text;
}

class NamesTest : public NerolithTest {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(NamesTest, EveryBoxIsNamedByItsLabel) {
    const std::pair<int, std::wstring> boxes[] = {
        {IDC_EXPRESSION_INPUT, L"Исходные данные:"},
        {IDC_EXPRESSION_RESULT, L"Результат:"},
        {IDC_MATRIX_A, L"Матрица A:"},
        {IDC_MATRIX_B, L"Матрица B:"},
        {IDC_MATRIX_EXPONENT, L"Показатель степени"},
        {IDC_MATRIX_FACTOR, L"Множитель"},
        {IDC_MATRIX_RESULT, L"Результат:"},
        {IDC_EQUATIONS_INPUT, L"Исходные данные:"},
        {IDC_EQUATIONS_RESULT, L"Результат:"},
    };
    for (const auto& [id, name] : boxes) {
        EXPECT_EQ(AccessibleName(program.Control(id)), name) << "box " << id;
    }
}

}  // namespace
