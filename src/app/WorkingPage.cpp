#include "WorkingPage.h"

// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <string>
#include <utility>

#include "Controls.h"
#include "resource.h"
#include "ShellState.h"

namespace {

constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressPeriodMs = 50;
constexpr DWORD kQuietMs = 150;  // a calculation shorter than this shows nothing new
constexpr int kProgressSteps = 1000;

// Every page's buttons but the stop button wait while a calculation runs, and so do the boxes of
// the page that runs it.
void SetPagesWaiting(bool waiting) {
    const WorkingPage& working = Shell.working;
    const HWND stopButton = GetDlgItem(working.page, working.button);
    for (const HWND page : Shell.pages) {
        for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            if (IsOfClass(control, L"Button") && control != stopButton) {
                EnableWindow(control, !waiting);
            } else if (IsOfClass(control, L"Edit") && page == working.page) {
                Edit_SetReadOnly(control, waiting);
            }
        }
    }
}

void ShowProgressBar() {
    WorkingPage& working = Shell.working;
    working.progressBar = CreateWindowExW(
        0, PROGRESS_CLASSW, L"Ход вычисления", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 0, 0, 0, 0,
        working.page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PROGRESS)),
        GetWindowInstance(working.page), nullptr);
    SendMessageW(working.progressBar, PBM_SETRANGE32, 0, kProgressSteps);
    PlaceProgressBar();
}

// Has the window under the mouse take its cursor again.
void RefreshCursor() {
    POINT at{};
    GetCursorPos(&at);
    SetCursorPos(at.x, at.y);
}

// The page as it is while its calculation runs, or as it was before.
void ShowWaiting(bool waiting) {
    WorkingPage& working = Shell.working;
    const HWND stopButton = GetDlgItem(working.page, working.button);
    if (waiting) {
        // A control about to wait would lose the focus to nothing: the stop button keeps it.
        working.focus = GetFocus();
        const bool inPage =
            std::ranges::find(Shell.pages, GetParent(working.focus)) != Shell.pages.end();
        if (inPage && IsOfClass(working.focus, L"Button")) {
            SetFocus(stopButton);
        }
        working.buttonText = Wide(TextOfBox(stopButton));
        ShowProgressBar();
    } else {
        DestroyWindow(working.progressBar);
        working.progressBar = nullptr;
    }
    SetWindowTextW(stopButton, waiting ? L"Остановить" : working.buttonText.c_str());
    SetPagesWaiting(waiting);
    if (!waiting && GetFocus() == stopButton && IsWindowVisible(working.focus)) {
        SetFocus(working.focus);
    }
    RefreshCursor();
}

}  // namespace

void StartPageWork(size_t row, int button, std::function<PageAnswer()> calculate) {
    WorkingPage& working = Shell.working;
    const HWND page = Shell.pages[row];
    if (working.page != nullptr) {
        // Only the button shown as "Остановить" stops: a second press of a button that has not
        // turned yet, such as a double-click, does nothing.
        if (page == working.page && button == working.button && working.progressBar != nullptr) {
            StopPageWork();
        }
        return;
    }
    working.page = page;
    working.button = button;
    working.startTick = GetTickCount();
    SetTimer(page, kProgressTimer, kProgressPeriodMs, nullptr);
    StartWork(Shell.work, page, std::move(calculate));
}

void StopPageWork() {
    StopWork(Shell.work);
}

PageAnswer FinishPageWork() {
    PageAnswer answer = TakeAnswer(Shell.work);
    WorkingPage& working = Shell.working;
    if (working.page != nullptr) {
        KillTimer(working.page, kProgressTimer);
        if (working.progressBar != nullptr) {
            ShowWaiting(false);
        }
        working.page = nullptr;
    }
    return answer;
}

bool IsPageWorking(HWND page) {
    return Shell.working.page != nullptr && Shell.working.page == page;
}

// In the row of the result box's label, from the label to the box's right edge.
void PlaceProgressBar() {
    const WorkingPage& working = Shell.working;
    if (working.progressBar == nullptr) {
        return;
    }
    const size_t row =
        static_cast<size_t>(std::ranges::find(Shell.pages, working.page) - Shell.pages.begin());
    const HWND resultBox = GetDlgItem(working.page, kPageTable[row].resultBox);
    const RECT label = RectInPage(GetWindow(resultBox, GW_HWNDPREV));
    const RECT box = RectInPage(resultBox);
    const LONG gap = (label.bottom - label.top) / 2;
    MoveWindow(working.progressBar, label.right + gap, label.top, box.right - label.right - gap,
               label.bottom - label.top, TRUE);
}

void OnPageWorkTimer(UINT id) {
    WorkingPage& working = Shell.working;
    if (id != kProgressTimer || working.page == nullptr) {
        return;
    }
    if (working.progressBar == nullptr) {
        if (GetTickCount() - working.startTick < kQuietMs) {
            return;
        }
        ShowWaiting(true);
    }
    const size_t total = Shell.work.watch.total;
    const size_t done = Shell.work.watch.done;
    const auto position = total == 0 ? 0 : static_cast<WPARAM>(done * kProgressSteps / total);
    SendMessageW(working.progressBar, PBM_SETPOS, position, 0);
}

bool SetPageWorkCursor(HWND page, HWND under) {
    const WorkingPage& working = Shell.working;
    if (page != working.page || working.progressBar == nullptr ||
        under == GetDlgItem(page, working.button)) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}
