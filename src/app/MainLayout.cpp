// The main window's children and their layout.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include "MainLayout.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "Handles.h"
#include "WorkingPage.h"

namespace {

// A rectangle: its top-left corner and its size, in pixels.
struct Box {
    int x, y, width, height;
};

constexpr DWORD kPageButtonStyle =
    WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE | BS_FLAT;
constexpr DWORD kFrameStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

// Which way a child grows when the window is larger than its smallest size; the left column
// also grows wider when the page buttons' texts need it, and moves the others right.
enum Growth : unsigned { kFixed = 0, kWide = 1, kTall = 2, kColumn = 4 };

struct ChildRow {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    Box at96;  // in the client area at the window's smallest size, at 96 DPI
    int id;
    unsigned growth;
};

// The main window's children in creation order, which is also their order below the window:
// a button for each page, each 40 pixels below the one before, then the tab control and the
// frames around it and around the buttons.
constexpr auto kChildren = [] {
    std::array<ChildRow, kPageCount + 3> rows{};
    for (size_t page = 0; page < kPageCount; ++page) {
        const int y = 12 + 40 * static_cast<int>(page);
        rows[page] = {L"BUTTON",       kPageTable[page].caption,  kPageButtonStyle,
                      {12, y, 97, 41}, kPageTable[page].buttonId, kColumn};
    }
    rows[kPageCount] = {WC_TABCONTROLW,      nullptr, WS_CHILD | WS_VISIBLE,
                        {125, 12, 444, 329}, 0,       kWide | kTall};
    rows[kPageCount + 1] = {L"BUTTON", nullptr, kFrameStyle, {120, 0, 453, 344}, 0, kWide | kTall};
    rows[kPageCount + 2] = {L"BUTTON", nullptr, kFrameStyle, {8, 0, 105, 344}, 0, kTall | kColumn};
    return rows;
}();

// The window's place at start and its smallest size, at 96 DPI.
constexpr Box kWindowAt96{155, 146, 588, 405};

// Font heights in pixels at 96 DPI. The edit boxes' text is a little taller than the dialog
// text, as a monospaced face looks smaller at the same height.
constexpr int kEditFontHeight = 13;
constexpr int kButtonFontHeight = 11;
constexpr int kDialogFontPoints = 8;
// The least room between a page button's text and each of its sides, at 96 DPI.
constexpr int kButtonTextMargin = 2;

int Scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

Box Scaled(const Box& box, UINT dpi) {
    return {Scaled(box.x, dpi), Scaled(box.y, dpi), Scaled(box.width, dpi),
            Scaled(box.height, dpi)};
}

HFONT CreateFaceFont(int height, const wchar_t* face, BYTE pitchAndFamily) {
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face);
}

void MoveTo(HWND window, const Box& box) {
    MoveWindow(window, box.x, box.y, box.width, box.height, TRUE);
}

using PlacedControls = std::vector<std::pair<HWND, Box>>;

// Page `index`'s plan scaled from the template's DPI to `dpi`.
PlacedControls ScaledPlan(size_t index, UINT dpi) {
    const auto scaled = [dpi](LONG pixels) {
        return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(Shell.templateDpi));
    };
    PlacedControls plan;
    for (const auto& [control, rect] : Shell.pagePlans[index]) {
        plan.push_back({control,
                        {scaled(rect.left), scaled(rect.top), scaled(rect.right - rect.left),
                         scaled(rect.bottom - rect.top)}});
    }
    return plan;
}

// The room page `page` needs beyond the tab's display area at the window's design size: none in
// the font the design was drawn in, more in a wider or taller one, less (negative) where its
// controls stop short. A page needs its controls and, on their right, 4 dialog units; its last
// row may end at its bottom edge.
SIZE PageRoom(size_t page, UINT dpi) {
    const Box tab = Scaled(kChildren[kPageCount].at96, dpi);
    RECT area{0, 0, tab.width, tab.height};
    TabCtrl_AdjustRect(Shell.tabControl, FALSE, &area);
    RECT margin{0, 0, 4, 0};
    MapDialogRect(Shell.pages[page], &margin);
    const int right =
        MulDiv(margin.right, static_cast<int>(dpi), static_cast<int>(Shell.templateDpi));
    SIZE need{0, 0};
    for (const auto& [control, box] : ScaledPlan(page, dpi)) {
        need.cx = std::max<LONG>(need.cx, box.x + box.width + right);
        need.cy = std::max<LONG>(need.cy, box.y + box.height);
    }
    return {need.cx - (area.right - area.left), need.cy - (area.bottom - area.top)};
}

// The room the window needs for its most demanding page.
SIZE FontRoom(UINT dpi) {
    SIZE room{0, 0};
    for (size_t page = 0; Shell.tabControl != nullptr && page < kPageCount; ++page) {
        const SIZE need = PageRoom(page, dpi);
        room = {std::max(room.cx, need.cx), std::max(room.cy, need.cy)};
    }
    return room;
}

// How much wider than the design's the left column must be for the page buttons' texts in the
// button font: nothing in the font the design was drawn in.
int ColumnRoom(UINT dpi) {
    if (Shell.tabControl == nullptr) {
        return 0;
    }
    const ScreenDc screen(GetDC(nullptr));
    const HGDIOBJ before = SelectObject(screen.Get(), Shell.fonts.button.Get());
    int widest = 0;
    for (const PageRow& page : kPageTable) {
        SIZE text{};
        GetTextExtentPoint32W(screen.Get(), page.caption, lstrlenW(page.caption), &text);
        widest = std::max<int>(widest, text.cx);
    }
    SelectObject(screen.Get(), before);
    const int needed = widest + 2 * Scaled(kButtonTextMargin, dpi);
    return std::max(0, needed - Scaled(kChildren[0].at96, dpi).width);
}

// The window's smallest size at `dpi`: the design's, and the room the page buttons and the
// pages need in their fonts.
Box SmallestWindow(UINT dpi) {
    const Box design = Scaled(kWindowAt96, dpi);
    const SIZE room = FontRoom(dpi);
    return {design.x, design.y, design.width + ColumnRoom(dpi) + room.cx, design.height + room.cy};
}

// The room the window has beyond its smallest size at `dpi`.
SIZE ExtraRoom(HWND window, UINT dpi) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const Box smallest = SmallestWindow(dpi);
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

// The smallest box that holds the controls of `plan` with these ids; empty for none.
Box Around(const PlacedControls& plan, std::span<const int> ids) {
    RECT around{};
    for (const auto& [control, box] : plan) {
        if (std::ranges::find(ids, GetDlgCtrlID(control)) != ids.end()) {
            const RECT rect{box.x, box.y, box.x + box.width, box.y + box.height};
            UnionRect(&around, &around, &rect);
        }
    }
    return {around.left, around.top, around.right - around.left, around.bottom - around.top};
}

// Places page `index`'s controls for `dpi` with `extra` room: its plan scaled, then the room
// shared out among its bands.
void LayOutPage(size_t index, UINT dpi, SIZE extra) {
    const PlacedControls plan = ScaledPlan(index, dpi);
    const PageRow& row = kPageTable[index];
    const std::vector<Stretch> columns = Stretches(plan, row.columns, extra.cx, false);
    const std::vector<Stretch> rows = Stretches(plan, row.rows, extra.cy, true);
    const Box together = Around(plan, row.together);
    for (const auto& [control, box] : plan) {
        const int id = GetDlgCtrlID(control);
        const bool grows = std::ranges::find(row.growing, id) != row.growing.end();
        const bool joined = std::ranges::find(row.together, id) != row.together.end();
        // A control that belongs with others moves by the bands around them all.
        const Box& reach = joined ? together : box;
        const auto [right, wider] = Follow(columns, reach.x, reach.x + reach.width);
        const auto [down, taller] = Follow(rows, reach.y, reach.y + reach.height);
        MoveTo(control, {box.x + right, box.y + down, box.width + (grows ? wider : 0),
                         box.height + (grows ? taller : 0)});
    }
}

HWND CreateChild(HWND window, const ChildRow& row, const Box& box) {
    return CreateWindowExW(
        0, row.className, row.text, row.style, box.x, box.y, box.width, box.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetWindowInstance(window), nullptr);
}

}  // namespace

ShellFonts FontsForDpi(UINT dpi) {
    return {
        ScopedFont(
            CreateFaceFont(-Scaled(kEditFontHeight, dpi), L"Courier New", FIXED_PITCH | FF_MODERN)),
        ScopedFont(CreateFaceFont(-Scaled(kButtonFontHeight, dpi), L"MS Shell Dlg", DEFAULT_PITCH)),
        ScopedFont(CreateFaceFont(-MulDiv(kDialogFontPoints, static_cast<int>(dpi), 72),
                                  L"MS Shell Dlg", DEFAULT_PITCH))};
}

void CreateChildren(HWND window, UINT dpi) {
    for (const ChildRow& row : kChildren) {
        CreateChild(window, row, Scaled(row.at96, dpi));
    }
}

void SetChildFonts(HWND window) {
    HWND child = GetWindow(window, GW_CHILD);
    for (const ChildRow& row : kChildren) {
        if (row.style != kFrameStyle) {
            SetWindowFont(child, Shell.fonts.button.Get(), TRUE);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

void LayOut(HWND window, UINT dpi) {
    const SIZE fontRoom = FontRoom(dpi);
    const SIZE extra = ExtraRoom(window, dpi);
    const SIZE room{fontRoom.cx + extra.cx, fontRoom.cy + extra.cy};
    const int column = ColumnRoom(dpi);
    HWND child = GetWindow(window, GW_CHILD);
    for (const ChildRow& row : kChildren) {
        Box box = Scaled(row.at96, dpi);
        if ((row.growth & kColumn) != 0) {
            box.width += column;
        } else {
            box.x += column;
        }
        MoveTo(child, {box.x, box.y, box.width + ((row.growth & kWide) != 0 ? room.cx : 0),
                       box.height + ((row.growth & kTall) != 0 ? room.cy : 0)});
        child = GetWindow(child, GW_HWNDNEXT);
    }
    RECT area{};
    GetClientRect(Shell.tabControl, &area);
    TabCtrl_AdjustRect(Shell.tabControl, FALSE, &area);
    for (size_t i = 0; i < kPageCount; ++i) {
        MoveWindow(Shell.pages[i], area.left, area.top, area.right - area.left,
                   area.bottom - area.top, TRUE);
        // A page shorter than the tallest takes the difference as room of its own.
        const LONG shorter = fontRoom.cy - std::max(0L, PageRoom(i, dpi).cy);
        LayOutPage(i, dpi, {extra.cx, extra.cy + shorter});
    }
    PlaceProgressBar();
}

SIZE SmallestWindowSize(UINT dpi) {
    const Box smallest = SmallestWindow(dpi);
    return {smallest.width, smallest.height};
}

UINT StartDpi() {
    const ScreenDc screen(GetDC(nullptr));
    return static_cast<UINT>(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

RECT MainWindowRect(UINT dpi) {
    const Box box = SmallestWindow(dpi);
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
