#include "PageWork.h"

#include <utility>

void StartWork(PageWork& work, HWND answerWindow, std::function<PageAnswer()> calculate) {
    ResetPageWatch(work.watch);
    work.worker = std::thread([&work, answerWindow, calculate = std::move(calculate)] {
        SetUpPageThread(work.watch);
        work.answer = calculate();
        PostMessageW(answerWindow, WM_PAGE_ANSWER, 0, 0);
    });
}

void StopWork(PageWork& work) {
    StopPageAnswer(work.watch);
}

PageAnswer TakeAnswer(PageWork& work) {
    if (!work.worker.joinable()) {
        return {{}, false, {}, true};
    }
    work.worker.join();
    return std::move(work.answer);
}
