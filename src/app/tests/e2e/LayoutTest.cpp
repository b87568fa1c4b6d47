// The window at the display scale of the Wine prefix (LogPixels 96, 120, 144 or 192).
#include <map>
#include <string>
#include <vector>

#include "PageTable.h"
#include "ProgramDriver.h"

namespace {

// Each display scale and the smallest common screen the window must fit at it; the tests at
// the other scales run on a screen of that size.
const std::map<int, SIZE> kScreens = {
    {96, {1024, 768}}, {120, {1366, 768}}, {144, {1366, 768}}, {192, {1920, 1080}}};

// At 96 DPI: the window's frame on the screen, then each page and control below it, as
// "id x,y widthxheight" in its parent, in creation order.
const std::string kAt96 =
    "155,146 588x427; 1029 12,12 97x41; 1030 12,52 97x41; 1031 12,92 97x41; "
    "0 125,12 444x351; 0 4,22 436x325; -1 8,8 120x13; 1001 8,24 420x23; 1004 8,122 75x23; "
    "-1 8,65 66x13; 1002 8,81 420x23; 0 4,22 436x325; -1 8,8 75x13; 1006 8,24 203x122; "
    "-1 227,8 75x13; 1007 227,24 203x122; 1020 8,150 120x16; 1009 8,171 203x23; "
    "1010 8,203 75x23; 1011 92,203 75x23; 1013 173,203 38x23; 1015 8,236 75x23; "
    "1016 92,236 75x23; 1019 173,236 38x23; 1017 8,268 75x23; 1018 92,268 120x23; "
    "1012 8,301 75x23; 1014 92,301 75x23; -1 227,154 66x13; 1008 227,171 203x154; "
    "0 4,22 436x325; -1 8,8 120x13; 1021 8,24 165x250; 1024 8,290 75x23; "
    "1025 107,290 119x16; 1026 233,290 119x16; 1027 107,308 135x16; -1 188,8 66x13; "
    "1023 188,24 240x250; 0 120,0 453x366; 0 8,0 105x366; ";

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

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "; ";
}

// The program's face for its dialogs and buttons, at `height` pixels, as this process gets it:
// the same as the program's in the same prefix (its font handles are its own).
HFONT DialogFont(int height) {
    return CreateFontW(-height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       L"MS Shell Dlg");
}

// Width of `text` in the program's face at `height` pixels.
int TextWidth(int height, const std::wstring& text) {
    const HFONT font = DialogFont(height);
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    DeleteDC(dc);
    DeleteObject(font);
    return size.cx;
}

// The family of the font "MS Shell Dlg" stands for in this prefix, as its file names it.
std::wstring DialogFace() {
    const HFONT font = DialogFont(11);
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    std::vector<char> metrics(GetOutlineTextMetricsW(dc, 0, nullptr) + sizeof(OUTLINETEXTMETRICW));
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
    GetOutlineTextMetricsW(dc, static_cast<UINT>(metrics.size()), outline);
    const std::wstring family(reinterpret_cast<const wchar_t*>(
        metrics.data() + reinterpret_cast<uintptr_t>(outline->otmpFamilyName)));
    DeleteDC(dc);
    DeleteObject(font);
    return family;
}

// The window fits the screen (a maximized one with its client area), every control lies in its
// parent's client area and its text fits in it, and each page lies in the tab's display area;
// the rectangles, as in kAt96.
std::string ExpectFits(const NerolithProcess& program, int dpi) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT frame = RectIn(program.MainWindow(), nullptr);
    RECT inner{};
    GetClientRect(program.MainWindow(), &inner);
    MapWindowPoints(program.MainWindow(), nullptr, reinterpret_cast<POINT*>(&inner), 2);
    EXPECT_TRUE(Inside(inner, screen));
    if (!IsZoomed(program.MainWindow())) {
        EXPECT_LE(frame.right - frame.left, kScreens.at(dpi).cx);
        EXPECT_LE(frame.bottom - frame.top, kScreens.at(dpi).cy);
        EXPECT_TRUE(Inside(frame, screen));
    }
    RECT area{};
    GetClientRect(program.TabControl(), &area);
    area = program.SendWithCopy(program.TabControl(), TCM_ADJUSTRECT, FALSE, area);
    // Texts on the pages are in the 8-point dialog font, the others in 11 pixels.
    const int dialogFont = MulDiv(8, dpi, 72);
    const int buttonFont = MulDiv(11, dpi, 96);
    std::string rectangles = Describe(frame);
    for (const HWND control : Descendants(program.MainWindow())) {
        // Pages not shown are hidden; so are the labels that only screen readers read.
        const bool page = GetParent(control) == program.TabControl();
        if (!page && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        const HWND parent = GetParent(control);
        RECT client{};
        const std::string place =
            std::to_string(GetDlgCtrlID(control)) + " " + Describe(RectIn(control, parent));
        rectangles += place;
        SCOPED_TRACE(place);
        GetClientRect(parent, &client);
        EXPECT_TRUE(Inside(RectIn(control, parent), client));
        GetClientRect(control, &client);
        if (page) {
            EXPECT_TRUE(Inside(RectIn(control, program.TabControl()), area)) << "page";
        } else {  // the boxes are empty
            const int font = parent == program.MainWindow() ? buttonFont : dialogFont;
            EXPECT_LE(TextWidth(font, TextOf(control)), client.right) << "text";
        }
    }
    for (const int page : {IDC_PAGE_EXPRESSION, IDC_PAGE_MATRIX, IDC_PAGE_EQUATIONS}) {
        program.Click(page);
        const RECT tab = program.SendWithCopy(program.TabControl(), TCM_GETITEMRECT, 0, RECT{});
        EXPECT_LE(TextWidth(buttonFont, program.TabCaption()), tab.right - tab.left) << page;
    }
    return rectangles;
}

// Where the controls that belong together stand from the first of them, on every page.
std::string PlacesTogether(const NerolithProcess& program) {
    std::string places;
    for (const PageRow& page : kPageTable) {
        for (const int id : page.together) {
            const RECT first = RectIn(program.Control(page.together[0]), nullptr);
            const RECT rect = RectIn(program.Control(id), nullptr);
            places += std::to_string(id) + " " + std::to_string(rect.left - first.left) + "," +
                      std::to_string(rect.top - first.top) + "; ";
        }
    }
    return places;
}

int Width(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

// From the matrix page's first button down to its last: the same at every size, as the buttons
// stay together.
int MatrixButtonsSpan(const NerolithProcess& program) {
    return RectIn(program.Control(IDC_MATRIX_RANK), nullptr).top -
           RectIn(program.Control(IDC_MATRIX_DETERMINANT), nullptr).top;
}

using LayoutTest = NerolithTest;

// At its smallest size as it always was; at 1.6 times that size, or the screen's, the result
// boxes at least 1.5 times as wide; maximized; the controls that belong together where they were
// from one another. At 96 DPI with Tahoma also moved from there to a 150 % monitor, laid out anew
// in the suggested rectangle. (Wine draws the frame at the prefix's scale: only 96 DPI is left.)
// With NEROLITH_FALLBACK_FONT the prefix has no Tahoma (scripts/wine-run.sh), and the dialog font
// is one with other metrics.
TEST_F(LayoutTest, FitsAtThePrefixScale) {
    const bool tahoma = _wgetenv(L"NEROLITH_FALLBACK_FONT") == nullptr;
    EXPECT_EQ(DialogFace() == L"Tahoma", tahoma)
        << "the dialog font: " << testing::PrintToString(DialogFace());
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const std::string rectangles = ExpectFits(program, dpi);
    const std::string together = PlacesTogether(program);
    std::vector<int> smallest;
    for (const PageRow& page : kPageTable) {
        smallest.push_back(Width(program.Control(page.resultBox)));
    }
    const int buttonsSpan = MatrixButtonsSpan(program);
    const RECT frame = RectIn(program.MainWindow(), nullptr);
    const SIZE larger = {
        std::min<LONG>(MulDiv(frame.right - frame.left, 16, 10), kScreens.at(dpi).cx),
        std::min<LONG>(MulDiv(frame.bottom - frame.top, 16, 10), kScreens.at(dpi).cy)};
    SetWindowPos(program.MainWindow(), nullptr, 0, 0, larger.cx, larger.cy, SWP_NOZORDER);
    for (const int show : {SW_SHOWNORMAL, SW_MAXIMIZE}) {
        ShowWindow(program.MainWindow(), show);
        SCOPED_TRACE(IsZoomed(program.MainWindow()) ? "maximized" : "1.6 times");
        ExpectFits(program, dpi);
        EXPECT_EQ(PlacesTogether(program), together);
        for (size_t page = 0; page < kPageCount; ++page) {
            EXPECT_GE(Width(program.Control(kPageTable[page].resultBox)) * 2, smallest[page] * 3);
        }
        EXPECT_EQ(MatrixButtonsSpan(program), buttonsSpan);
    }
    ShowWindow(program.MainWindow(), SW_RESTORE);
    SetWindowPos(program.MainWindow(), nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER);
    EXPECT_EQ(ExpectFits(program, dpi), rectangles) << "the smallest size again";
    if (dpi == 96 && tahoma) {
        EXPECT_EQ(rectangles, kAt96);
        const RECT suggested{20, 10, 20 + 882, 10 + 641};
        program.SendWithCopy(program.MainWindow(), WM_DPICHANGED, MAKEWPARAM(144, 144), suggested);
        const std::string moved = ExpectFits(program, 144);
        EXPECT_TRUE(moved.starts_with(Describe(suggested))) << moved;
    }
}

}  // namespace
