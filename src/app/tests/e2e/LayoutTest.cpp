// The window at the display scale of the Wine prefix (LogPixels 96, 120, 144 or 192), and
// laid out again for another one.
// The other Windows headers need <windows.h> first.
// clang-format off
#include "NerolithTest.h"
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resource.h"

namespace {

struct Scale {
    UINT dpi;
    SIZE screen;  // the smallest common screen the window must fit
};

constexpr Scale kScales[] = {
    {96, {1024, 768}}, {120, {1366, 768}}, {144, {1366, 768}}, {192, {1920, 1080}}};

UINT PrefixDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

RECT RectIn(HWND window, HWND parent) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, 32);
    const RECT r = RectIn(window, GetParent(window));
    char text[96] = {};
    std::snprintf(text, sizeof(text), "%s %d at %ld,%ld %ldx%ld", className, GetDlgCtrlID(window),
                  r.left, r.top, r.right - r.left, r.bottom - r.top);
    return text;
}

// Width of `text` in the face of the window's texts at `height` pixels: the program's own
// font handles mean nothing in this process.
int TextWidth(int height, const std::wstring& text) {
    const HFONT font = CreateFontW(-height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return size.cx;
}

// What must hold at any scale: the window fits the screen, every shown control lies in its
// parent's client area and its text fits in it, and each page lies in the tab's display area.
void ExpectFits(const NerolithProcess& program, const Scale& scale) {
    const auto dpi = static_cast<int>(scale.dpi);
    RECT frame{};
    GetWindowRect(program.MainWindow(), &frame);
    EXPECT_LE(frame.right - frame.left, scale.screen.cx);
    EXPECT_LE(frame.bottom - frame.top, scale.screen.cy);
    EXPECT_TRUE(
        Inside(frame, {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));

    RECT area{};
    GetClientRect(program.TabControl(), &area);
    TabCtrl_AdjustRect(program.TabControl(), FALSE, &area);
    for (const HWND control : Descendants(program.MainWindow())) {
        if (!IsWindowVisible(control)) {
            continue;
        }
        SCOPED_TRACE(Describe(control));
        RECT client{};
        GetClientRect(GetParent(control), &client);
        EXPECT_TRUE(Inside(RectIn(control, GetParent(control)), client));
        wchar_t className[32] = {};
        GetClassNameW(control, className, 32);
        const std::wstring text = TextOf(control);
        if (className == std::wstring(L"#32770")) {
            EXPECT_TRUE(Inside(RectIn(control, program.TabControl()), area)) << "page";
        } else if (!text.empty() && className != std::wstring(L"Edit")) {
            // The pages' texts are in the 8-point dialog font, the page buttons' in 11 pixels.
            const bool onPage = GetParent(control) != program.MainWindow();
            GetClientRect(control, &client);
            EXPECT_LE(TextWidth(onPage ? MulDiv(8, dpi, 72) : MulDiv(11, dpi, 96), text),
                      client.right)
                << "text";
        }
    }
    const RECT tab = program.TabItemRect();
    EXPECT_LE(TextWidth(MulDiv(11, dpi, 96), program.TabCaption()), tab.right - tab.left);
}

// Each shown window below the main window: its class, id and rectangle, one per line.
std::string Rectangles(const NerolithProcess& program) {
    std::string all;
    for (const HWND control : Descendants(program.MainWindow())) {
        if (IsWindowVisible(control)) {
            all += Describe(control) + "\n";
        }
    }
    return all;
}

using LayoutTest = NerolithTest;

TEST_F(LayoutTest, FitsAtThePrefixScale) {
    const auto scale = std::ranges::find(kScales, PrefixDpi(), &Scale::dpi);
    ASSERT_NE(scale, std::end(kScales)) << "LogPixels " << PrefixDpi();
    for (const int page : {IDC_PAGE_EXPRESSION, IDC_PAGE_MATRIX, IDC_PAGE_EQUATIONS}) {
        program.Click(page);
        ExpectFits(program, *scale);
    }
}

// At 96 DPI the window is laid out as it always was; the page fills the tab's display area.
TEST_F(LayoutTest, At96EveryRectangleIsAsBefore) {
    if (PrefixDpi() != 96) {
        GTEST_SKIP() << "LogPixels " << PrefixDpi();
    }
    RECT frame{};
    GetWindowRect(program.MainWindow(), &frame);
    EXPECT_EQ(frame.left, 155);
    EXPECT_EQ(frame.top, 146);
    EXPECT_EQ(frame.right - frame.left, 588);
    EXPECT_EQ(frame.bottom - frame.top, 405);
    const std::string main =
        "Button 1029 at 12,12 97x41\nButton 1030 at 12,52 97x41\nButton 1031 at 12,92 97x41\n"
        "SysTabControl32 0 at 125,12 444x329\n";
    const std::string frames = "Button 0 at 120,0 453x344\nButton 0 at 8,0 105x344\n";
    const std::string pages[] = {
        "#32770 0 at 4,22 436x303\nStatic -1 at 8,8 120x13\nEdit 1001 at 8,24 420x23\n"
        "Button 1004 at 8,122 75x23\nStatic -1 at 8,65 66x13\nEdit 1002 at 8,81 420x23\n",
        "#32770 0 at 4,22 436x303\nStatic -1 at 8,8 75x13\nEdit 1006 at 8,24 203x122\n"
        "Static -1 at 227,8 75x13\nEdit 1007 at 227,24 203x122\nButton 1009 at 8,171 203x23\n"
        "Button 1010 at 8,203 75x23\nButton 1011 at 92,203 75x23\nEdit 1013 at 173,203 38x23\n"
        "Button 1015 at 8,236 75x23\nButton 1016 at 92,236 75x23\nEdit 1019 at 173,236 38x23\n"
        "Button 1017 at 8,268 75x23\nButton 1018 at 92,268 120x23\nStatic -1 at 227,154 66x13\n"
        "Edit 1008 at 227,171 203x122\n",
        "#32770 0 at 4,22 436x303\nStatic -1 at 8,8 120x13\nEdit 1021 at 8,24 165x228\n"
        "Button 1024 at 8,268 75x23\nButton 1025 at 107,268 119x16\n"
        "Static -1 at 107,283 222x13\nStatic 1022 at 188,8 66x13\nEdit 1023 at 188,24 240x228\n"};
    const int buttons[] = {IDC_PAGE_EXPRESSION, IDC_PAGE_MATRIX, IDC_PAGE_EQUATIONS};
    for (int i = 0; i < 3; ++i) {
        program.Click(buttons[i]);
        EXPECT_EQ(Rectangles(program), main + pages[i] + frames);
    }
}

// Moved from a 100 % to a 150 % monitor: the suggested rectangle is taken, and everything is
// laid out and its fonts made again for the new DPI. (Wine draws the frame and the menu bar
// at the prefix's scale, so the window is moved up only from 96 DPI.)
TEST_F(LayoutTest, RelaysOutOnDpiChanged) {
    if (PrefixDpi() != 96) {
        GTEST_SKIP() << "LogPixels " << PrefixDpi();
    }
    const UINT after = 144;
    const auto scale = std::ranges::find(kScales, after, &Scale::dpi);
    const RECT suggested{20, 10, 20 + MulDiv(588, static_cast<int>(after), 96),
                         10 + MulDiv(405, static_cast<int>(after), 96)};
    SendMessageW(program.MainWindow(), WM_DPICHANGED, MAKEWPARAM(after, after),
                 reinterpret_cast<LPARAM>(program.CopyIntoProgram(&suggested, sizeof(suggested))));
    RECT frame{};
    GetWindowRect(program.MainWindow(), &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    RECT button{};
    GetWindowRect(program.Control(IDC_PAGE_MATRIX), &button);
    EXPECT_EQ(button.right - button.left, MulDiv(97, static_cast<int>(after), 96));
    for (const int page : {IDC_PAGE_EXPRESSION, IDC_PAGE_MATRIX, IDC_PAGE_EQUATIONS}) {
        program.Click(page);
        ExpectFits(program, *scale);
    }
    EXPECT_EQ(program.Text(IDC_MATRIX_A), L"") << "the program goes on";
}

}  // namespace
