// A page while the worker computes its answer: once it has run a short while, the pressed button
// turns into the stop button, the other page buttons wait, the page's boxes turn read-only, and
// a progress bar and the busy cursor show.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>

#include "PageAnswer.h"

// Has the worker compute `calculate` for the page in row `row` of kPageTable, whose `button`
// was pressed; the answer comes back to the page as WM_PAGE_ANSWER. While an answer is computed,
// a press of its button, once it shows "Остановить", stops it, and other presses do nothing.
void StartPageWork(size_t row, int button, std::function<PageAnswer()> calculate);
void StopPageWork();
// On WM_PAGE_ANSWER, and when the window closes: waits for the worker, puts the page back as it
// was, and gives the answer, stopped when there is none to show.
PageAnswer FinishPageWork();
// Whether the worker computes `page`'s answer; its boxes take no new text then.
bool IsPageWorking(HWND page);
// Places the progress bar, if shown, in the row of the result box's label.
void PlaceProgressBar();
void OnPageWorkTimer(UINT id);
// The busy cursor over the working page but on its stop button; whether set.
bool SetPageWorkCursor(HWND page, HWND under);
