// The main window: the page buttons, the tab control that frames the page shown, and their
// layout at any display scale.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "resource.h"
#include "ShellState.h"

namespace {

// A rectangle: its top-left corner and its size, in pixels.
struct Box {
    int x, y, width, height;
};

constexpr DWORD kPageButtonStyle =
    WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE | BS_FLAT;
constexpr DWORD kFrameStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

// Which way a child grows when the window is larger than its smallest size.
enum Growth : unsigned { kFixed = 0, kWide = 1, kTall = 2 };

struct ChildRow {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    Box at96;  // in the client area at the window's smallest size, at 96 DPI
    int id;
    unsigned growth;
};

constexpr ChildRow PageButton(size_t page, int y) {
    const PageRow& row = kPageTable[page];
    return {L"BUTTON", row.caption, kPageButtonStyle, {12, y, 97, 41}, row.buttonId, kFixed};
}

// The main window's children in creation order, which is also their order below the window.
constexpr std::array<ChildRow, 6> kChildren = {{
    PageButton(0, 12),
    PageButton(1, 52),
    PageButton(2, 92),
    {WC_TABCONTROLW, nullptr, WS_CHILD | WS_VISIBLE, {125, 12, 444, 362}, 0, kWide | kTall},
    {L"BUTTON", nullptr, kFrameStyle, {120, 0, 453, 377}, 0, kWide | kTall},
    {L"BUTTON", nullptr, kFrameStyle, {8, 0, 105, 377}, 0, kTall},
}};

// The window's place at start and its smallest size, at 96 DPI.
constexpr Box kWindowAt96{155, 146, 588, 438};

// Font heights in pixels at 96 DPI. The edit boxes' text is a little taller than the dialog
// text, as a monospaced face looks smaller at the same height.
constexpr int kEditFontHeight = 13;
constexpr int kButtonFontHeight = 11;
constexpr int kDialogFontPoints = 8;

int Scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

Box Scaled(const Box& box, UINT dpi) {
    return {Scaled(box.x, dpi), Scaled(box.y, dpi), Scaled(box.width, dpi),
            Scaled(box.height, dpi)};
}

// Newer Windows only; looked up, so that the program still starts on older ones.
template <typename Function>
Function* User32Function(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT DpiOf(HWND window) {
    static auto* const getDpiForWindow = User32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    return getDpiForWindow != nullptr ? getDpiForWindow(window) : StartDpi();
}

HFONT CreateFaceFont(int height, const wchar_t* face, BYTE pitchAndFamily) {
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face);
}

ShellFonts FontsForDpi(UINT dpi) {
    return {CreateFaceFont(-Scaled(kEditFontHeight, dpi), L"Courier New", FIXED_PITCH | FF_MODERN),
            CreateFaceFont(-Scaled(kButtonFontHeight, dpi), L"MS Shell Dlg", DEFAULT_PITCH),
            CreateFaceFont(-MulDiv(kDialogFontPoints, static_cast<int>(dpi), 72), L"MS Shell Dlg",
                           DEFAULT_PITCH)};
}

void MoveTo(HWND window, const Box& box) {
    MoveWindow(window, box.x, box.y, box.width, box.height, TRUE);
}

// The room the window has beyond its smallest size at `dpi`.
SIZE ExtraRoom(HWND window, UINT dpi) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const Box smallest = Scaled(kWindowAt96, dpi);
    return {std::max(0L, frame.right - frame.left - smallest.width),
            std::max(0L, frame.bottom - frame.top - smallest.height)};
}

// A band of a page laid out: its extent along its axis and the room it takes.
struct Stretch {
    LONG start, end;
    int share;
};

// How far a control from `start` to `end` moves, and how much it grows if it is a growing one.
std::pair<int, int> Follow(const std::vector<Stretch>& stretches, LONG start, LONG end) {
    int move = 0;
    int growth = 0;
    for (const Stretch& stretch : stretches) {
        if (stretch.end <= start) {
            move += stretch.share;
        } else if (stretch.start >= start && stretch.end <= end) {
            growth += stretch.share;
        }
    }
    return {move, growth};
}

using PlacedControls = std::vector<std::pair<HWND, Box>>;

// The bands along one axis of the page placed as `plan`, each with its share of `room`.
std::vector<Stretch> Stretches(const PlacedControls& plan, std::span<const Band> bands, int room,
                               bool vertical) {
    int total = 0;
    for (const Band& band : bands) {
        total += band.weight;
    }
    std::vector<Stretch> stretches;
    int given = 0;
    int weight = 0;
    for (const Band& band : bands) {
        const Box box = std::ranges::find(plan, band.boxId, [](const auto& p) {
                            return GetDlgCtrlID(p.first);
                        })->second;
        weight += band.weight;
        const int upTo = MulDiv(room, weight, total);
        stretches.push_back(vertical ? Stretch{box.y, box.y + box.height, upTo - given}
                                     : Stretch{box.x, box.x + box.width, upTo - given});
        given = upTo;
    }
    return stretches;
}

// Places page `index`'s controls for `dpi` with `extra` room: its plan scaled, then the room
// shared out among its bands.
void LayOutPage(size_t index, UINT dpi, SIZE extra) {
    const auto scaled = [dpi](LONG pixels) {
        return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(Shell.templateDpi));
    };
    PlacedControls plan;
    for (const auto& [control, rect] : Shell.pagePlans[index]) {
        plan.push_back({control,
                        {scaled(rect.left), scaled(rect.top), scaled(rect.right - rect.left),
                         scaled(rect.bottom - rect.top)}});
    }
    const PageRow& row = kPageTable[index];
    const std::vector<Stretch> columns = Stretches(plan, row.columns, extra.cx, false);
    const std::vector<Stretch> rows = Stretches(plan, row.rows, extra.cy, true);
    for (const auto& [control, box] : plan) {
        const bool grows =
            std::ranges::find(row.growing, GetDlgCtrlID(control)) != row.growing.end();
        const auto [right, wider] = Follow(columns, box.x, box.x + box.width);
        const auto [down, taller] = Follow(rows, box.y, box.y + box.height);
        MoveTo(control, {box.x + right, box.y + down, box.width + (grows ? wider : 0),
                         box.height + (grows ? taller : 0)});
    }
}

// Lays the window out for `dpi` and its present size: the page buttons stay, the tab control
// and the page take the room beyond the smallest size, and the page shares it out.
void LayOut(HWND window, UINT dpi) {
    const SIZE extra = ExtraRoom(window, dpi);
    HWND child = GetWindow(window, GW_CHILD);
    for (const ChildRow& row : kChildren) {
        const Box box = Scaled(row.at96, dpi);
        MoveTo(child, {box.x, box.y, box.width + ((row.growth & kWide) != 0 ? extra.cx : 0),
                       box.height + ((row.growth & kTall) != 0 ? extra.cy : 0)});
        child = GetWindow(child, GW_HWNDNEXT);
    }
    RECT area{};
    GetClientRect(Shell.tabControl, &area);
    TabCtrl_AdjustRect(Shell.tabControl, FALSE, &area);
    // A page shorter than the tallest has the difference as room of its own.
    const LONG tallest = std::ranges::max(Shell.pageHeights);
    for (size_t i = 0; i < kPageCount; ++i) {
        MoveWindow(Shell.pages[i], area.left, area.top, area.right - area.left,
                   area.bottom - area.top, TRUE);
        const int shorter = MulDiv(tallest - Shell.pageHeights[i], static_cast<int>(dpi),
                                   static_cast<int>(Shell.templateDpi));
        LayOutPage(i, dpi, {extra.cx, extra.cy + shorter});
    }
    PlaceProgressBar();
}

// Gives the fonts: the frames keep the system's.
void SetFonts(HWND window) {
    HWND child = GetWindow(window, GW_CHILD);
    for (const ChildRow& row : kChildren) {
        if (row.style != kFrameStyle) {
            SetWindowFont(child, Shell.fonts.button, TRUE);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

void InsertPageTab(const PageRow& page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(page.caption);
    item.iImage = -1;
    TabCtrl_InsertItem(Shell.tabControl, 0, &item);
}

// The page's first tab stop, or its last: the one before the first.
HWND EdgeTabStop(HWND page, bool last) {
    const HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    return last ? GetNextDlgTabItem(page, first, TRUE) : first;
}

HWND CurrentPage() {
    return Shell.pages[Shell.currentPage];
}

// Where the page was left, or its first box.
void FocusCurrentPage() {
    const HWND left = Shell.focusInPage[Shell.currentPage];
    SetFocus(left != nullptr ? left : EdgeTabStop(CurrentPage(), false));
}

void CheckPageButton(HWND window, size_t chosen) {
    for (size_t i = 0; i < kPageCount; ++i) {
        CheckDlgButton(window, kPageTable[i].buttonId, i == chosen ? BST_CHECKED : BST_UNCHECKED);
    }
}

// Shows the chosen page, hides the others, renames the tab and checks the page's button.
void ShowPage(HWND window, size_t chosen) {
    CheckPageButton(window, chosen);
    if (chosen != Shell.currentPage) {
        const HWND focus = GetFocus();
        if (IsChild(CurrentPage(), focus)) {
            Shell.focusInPage[Shell.currentPage] = focus;
        }
        TabCtrl_DeleteItem(Shell.tabControl, 0);
        InsertPageTab(kPageTable[chosen]);
        for (size_t i = 0; i < kPageCount; ++i) {
            ShowWindow(Shell.pages[i], i == chosen ? SW_SHOWDEFAULT : SW_HIDE);
        }
        Shell.currentPage = chosen;
    }
    FocusCurrentPage();
}

HWND CreateChild(HWND window, const ChildRow& row, const Box& box) {
    return CreateWindowExW(
        0, row.className, row.text, row.style, box.x, box.y, box.width, box.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetWindowInstance(window), nullptr);
}

void CreatePages(HWND window) {
    // Pages are laid out here, not by the system when the DPI changes.
    static auto* const keepLayout =
        User32Function<BOOL WINAPI(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS)>(
            "SetDialogDpiChangeBehavior");
    for (size_t i = 0; i < kPageCount; ++i) {
        Shell.pages[i] = CreateDialogParamW(GetWindowInstance(window),
                                            MAKEINTRESOURCEW(kPageTable[i].dialogTemplate),
                                            Shell.tabControl, PageProc, static_cast<LPARAM>(i));
        if (keepLayout != nullptr) {
            keepLayout(Shell.pages[i], DDC_DISABLE_ALL, DDC_DISABLE_ALL);
        }
        if (i != Shell.currentPage) {
            ShowWindow(Shell.pages[i], SW_HIDE);
        }
        Shell.inputBox[i] = kPageTable[i].inputBoxes[0];
    }
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    // The pages come laid out by the system for the window's DPI.
    Shell.dpi = DpiOf(window);
    Shell.templateDpi = Shell.dpi;
    Shell.fonts = FontsForDpi(Shell.dpi);
    for (const ChildRow& row : kChildren) {
        CreateChild(window, row, Scaled(row.at96, Shell.dpi));
    }
    CheckPageButton(window, Shell.currentPage);
    Shell.tabControl = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
    InsertPageTab(kPageTable[0]);
    CreatePages(window);
    SetFonts(window);
    LayOut(window, Shell.dpi);
    DragAcceptFiles(window, TRUE);
    return TRUE;
}

// The calculation, if one runs, stops before the window goes.
void OnClose(HWND window) {
    EndPageWork();
    DestroyWindow(window);
}

void OnDestroy(HWND) {
    for (HWND& page : Shell.pages) {
        DestroyWindow(page);
        page = nullptr;
    }
    PostQuitMessage(0);
}

// The focus leaves with the window and comes back to where it was.
void OnActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state == WA_INACTIVE) {
        Shell.focusBeforeDeactivation = GetFocus();
    } else if (!minimized) {
        const HWND before = Shell.focusBeforeDeactivation;
        if (before != nullptr && IsWindowVisible(before)) {
            SetFocus(before);
        } else {
            FocusCurrentPage();
        }
    }
}

// As the button's click, when it can be clicked, but the focus stays where it is.
void PressSolveButton() {
    const int solve = kPageTable[Shell.currentPage].solveButton;
    const HWND button = GetDlgItem(CurrentPage(), solve);
    if (solve != 0 && IsWindowEnabled(button) && !IsPageWorking(CurrentPage())) {
        FORWARD_WM_COMMAND(CurrentPage(), solve, button, BN_CLICKED, SendMessageW);
    }
}

void SelectAllInFocusedBox() {
    const HWND focus = GetFocus();
    if (IsOfClass(focus, L"Edit")) {
        Edit_SetSel(focus, 0, -1);
    }
}

void OnCommand(HWND window, int id, HWND control, UINT code) {
    switch (id) {
        case IDM_EXIT:
            SendMessageW(window, WM_CLOSE, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
            return;
        case IDM_HELP:
            HelpCommand(window);
            return;
        case IDM_ABOUT:
            ShowAboutBox(window);
            return;
        case IDM_OPEN:
            OpenCommand(window);
            return;
        case IDM_SAVE_RESULT:
            SaveResultCommand(window);
            return;
        case IDM_SOLVE:
            PressSolveButton();
            return;
        case IDM_SELECT_ALL:
            SelectAllInFocusedBox();
            return;
        case IDM_STOP:
            StopPageWork();
            return;
        default:
            break;
    }
    const auto page = std::ranges::find(kPageTable, id, &PageRow::buttonId);
    constexpr UINT kFromAccelerator = 1;
    if (page != kPageTable.end() && (code == BN_CLICKED || code == kFromAccelerator)) {
        ShowPage(window, static_cast<size_t>(page - kPageTable.begin()));
    }
}

// "Сохранить результат..." is greyed while the result box is empty, "Открыть..." while the page
// calculates.
void OnInitMenuPopup(HWND, HMENU menu, UINT, BOOL systemMenu) {
    if (!systemMenu) {
        const bool empty = GetWindowTextLengthW(CurrentPageBoxes().result) == 0;
        EnableMenuItem(menu, IDM_SAVE_RESULT, MF_BYCOMMAND | (empty ? MF_GRAYED : MF_ENABLED));
        const bool working = IsPageWorking(CurrentPage());
        EnableMenuItem(menu, IDM_OPEN, MF_BYCOMMAND | (working ? MF_GRAYED : MF_ENABLED));
    }
}

void OnDropFiles(HWND window, HDROP drop) {
    OpenDroppedFile(window, drop);
}

void OnDpiChanged(HWND window, UINT dpi, const RECT* suggested) {
    Shell.dpi = dpi;
    const ShellFonts oldFonts = Shell.fonts;
    Shell.fonts = FontsForDpi(dpi);
    SetFonts(window);
    for (const HWND page : Shell.pages) {
        SetPageFonts(page);
    }
    DeleteFonts(oldFonts);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(window, dpi);
}

void OnSize(HWND window, UINT state, int, int) {
    if (state != SIZE_MINIMIZED && Shell.tabControl != nullptr) {
        LayOut(window, Shell.dpi);
    }
}

// The window is never smaller than its smallest size at its DPI.
void OnGetMinMaxInfo(HWND, LPMINMAXINFO limits) {
    const Box smallest = Scaled(kWindowAt96, Shell.dpi);
    limits->ptMinTrackSize = {smallest.width, smallest.height};
}

}  // namespace

PageBoxes CurrentPageBoxes() {
    const PageRow& row = kPageTable[Shell.currentPage];
    return {GetDlgItem(CurrentPage(), Shell.inputBox[Shell.currentPage]),
            GetDlgItem(CurrentPage(), row.resultBox), row.resultFile};
}

bool TabAcrossPageEdge(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
        return false;
    }
    const bool back = GetKeyState(VK_SHIFT) < 0;
    const HWND button = GetDlgItem(Shell.mainWindow, kPageTable[Shell.currentPage].buttonId);
    const HWND focus = GetFocus();
    if (focus == button) {
        // Into the page as the dialog keys do it: an edit box's text comes selected.
        SendMessageW(CurrentPage(), WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(EdgeTabStop(CurrentPage(), back)), TRUE);
        return true;
    }
    if (focus == EdgeTabStop(CurrentPage(), !back)) {
        SetFocus(button);
        return true;
    }
    return false;
}

UINT StartDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

RECT MainWindowRect(UINT dpi) {
    const Box box = Scaled(kWindowAt96, dpi);
    RECT frame{box.x, box.y, box.x + box.width, box.y + box.height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    OffsetRect(&frame, std::min(0L, work.right - frame.right),
               std::min(0L, work.bottom - frame.bottom));
    OffsetRect(&frame, std::max(0L, work.left - frame.left), std::max(0L, work.top - frame.top));
    return frame;
}

bool IsOfClass(HWND window, const wchar_t* className) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, className) == 0;
}

void DeleteFonts(const ShellFonts& fonts) {
    for (const HFONT font : {fonts.edit, fonts.button, fonts.dialog}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_INITMENUPOPUP, OnInitMenuPopup);
        HANDLE_MSG(window, WM_DROPFILES, OnDropFiles);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_GETMINMAXINFO, OnGetMinMaxInfo);
        HANDLE_MSG(window, WM_TIMER, OnPageWorkTimer);
        case WM_PAGE_WORK_DONE:
            OnPageWorkDone();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
