// The worker thread: computes one page answer at a time and posts it back to the window that
// shows it.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

#include "PageAnswer.h"
#include "PageThread.h"

// Posted to the answer's window once the worker has it (TakeAnswer).
constexpr UINT WM_PAGE_ANSWER = WM_APP + 1;

struct PageWork {
    std::thread worker;
    PageWatch watch;    // the answer's steps, and its stop
    PageAnswer answer;  // written by the worker, read once it has ended
};

// Computes `calculate` on the worker thread and posts WM_PAGE_ANSWER to `answerWindow`; only
// while no other answer is computed.
void StartWork(PageWork& work, HWND answerWindow, std::function<PageAnswer()> calculate);
void StopWork(PageWork& work);
// Waits for the worker to end; its answer, or a stopped one when none was computed.
PageAnswer TakeAnswer(PageWork& work);
