// A page's calculation on the worker thread, one at a time; the answer comes back by a posted
// message. Once it has run a short while, the pressed button turns into the stop button, the
// other page buttons wait, the page's boxes turn read-only, and a progress bar and the busy
// cursor show.
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include <string>
#include <utility>

#include "Calculation.h"
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
    const PageWork& work = Shell.work;
    const HWND stopButton = GetDlgItem(work.page, work.button);
    for (const HWND page : Shell.pages) {
        for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            if (IsOfClass(control, L"Button") && control != stopButton) {
                EnableWindow(control, !waiting);
            } else if (IsOfClass(control, L"Edit") && page == work.page) {
                Edit_SetReadOnly(control, waiting);
            }
        }
    }
}

void ShowProgressBar() {
    PageWork& work = Shell.work;
    work.progressBar = CreateWindowExW(0, PROGRESS_CLASSW, L"Ход вычисления",
                                       WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 0, 0, 0, 0, work.page,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PROGRESS)),
                                       GetWindowInstance(work.page), nullptr);
    SendMessageW(work.progressBar, PBM_SETRANGE32, 0, kProgressSteps);
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
    PageWork& work = Shell.work;
    const HWND stopButton = GetDlgItem(work.page, work.button);
    if (waiting) {
        // A control about to wait would lose the focus to nothing: the stop button keeps it.
        work.focus = GetFocus();
        if (RowOf(GetParent(work.focus)) < kPageCount && IsOfClass(work.focus, L"Button")) {
            SetFocus(stopButton);
        }
        const std::u16string buttonText = TextOfBox(stopButton);
        work.buttonText.assign(buttonText.begin(), buttonText.end());
        ShowProgressBar();
    } else {
        DestroyWindow(work.progressBar);
        work.progressBar = nullptr;
    }
    SetWindowTextW(stopButton, waiting ? L"Остановить" : work.buttonText.c_str());
    SetPagesWaiting(waiting);
    if (!waiting && GetFocus() == stopButton && IsWindowVisible(work.focus)) {
        SetFocus(work.focus);
    }
    RefreshCursor();
}

void OnProgressTimer() {
    PageWork& work = Shell.work;
    if (work.page == nullptr) {
        return;
    }
    if (work.progressBar == nullptr) {
        if (GetTickCount() - work.startTick < kQuietMs) {
            return;
        }
        ShowWaiting(true);
    }
    const size_t total = work.total;
    const size_t done = work.done;
    const auto position = total == 0 ? 0 : static_cast<WPARAM>(done * kProgressSteps / total);
    SendMessageW(work.progressBar, PBM_SETPOS, position, 0);
}

}  // namespace

void StartPageWork(HWND page, int button, std::function<PageAnswer()> calculate) {
    PageWork& work = Shell.work;
    if (work.page != nullptr) {
        // Only the button shown as "Остановить" stops: a second press of a button that has not
        // turned yet, such as a double-click, does nothing.
        if (page == work.page && button == work.button && work.progressBar != nullptr) {
            StopPageWork();
        }
        return;
    }
    work.page = page;
    work.button = button;
    work.done = 0;
    work.total = 0;
    work.watch.stop = false;
    work.watch.progress = [](size_t done, size_t total) {
        Shell.work.total = total;
        Shell.work.done = done;
    };
    work.startTick = GetTickCount();
    SetTimer(Shell.mainWindow, kProgressTimer, kProgressPeriodMs, nullptr);
    work.worker = std::thread([calculate = std::move(calculate)] {
        SetX87ControlWord(kExtendedControlWord);
        WatchCalculations(&Shell.work.watch);
        Shell.work.answer = calculate();
        PostMessageW(Shell.mainWindow, WM_PAGE_WORK_DONE, 0, 0);
    });
}

void StopPageWork() {
    Shell.work.watch.stop = true;
}

void OnPageWorkDone() {
    PageWork& work = Shell.work;
    if (!work.worker.joinable()) {
        return;
    }
    work.worker.join();
    KillTimer(Shell.mainWindow, kProgressTimer);
    if (work.progressBar != nullptr) {
        ShowWaiting(false);
    }
    if (!work.answer.stopped) {
        ShowAnswer(work.page, work.answer);
    }
    work.page = nullptr;
}

void EndPageWork() {
    StopPageWork();
    OnPageWorkDone();
}

bool IsPageWorking(HWND page) {
    return Shell.work.page != nullptr && Shell.work.page == page;
}

// In the row of the result box's label, from the label to the box's right edge.
void PlaceProgressBar() {
    const PageWork& work = Shell.work;
    if (work.progressBar == nullptr) {
        return;
    }
    const HWND resultBox = GetDlgItem(work.page, kPageTable[RowOf(work.page)].resultBox);
    const RECT label = RectInPage(GetWindow(resultBox, GW_HWNDPREV));
    const RECT box = RectInPage(resultBox);
    const LONG gap = (label.bottom - label.top) / 2;
    MoveWindow(work.progressBar, label.right + gap, label.top, box.right - label.right - gap,
               label.bottom - label.top, TRUE);
}

void OnPageWorkTimer(HWND, UINT id) {
    if (id == kProgressTimer) {
        OnProgressTimer();
    }
}

bool SetPageWorkCursor(HWND page, HWND under) {
    const PageWork& work = Shell.work;
    if (page != work.page || work.progressBar == nullptr ||
        under == GetDlgItem(page, work.button)) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}
