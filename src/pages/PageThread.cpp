#include "PageThread.h"

#include "Calculation.h"
#include "Parallel.h"

static_assert(kMostAnswerThreads == kMostCalculationThreads);

PageWatch::PageWatch() : calculation(std::make_unique<CalculationWatch>()) {
    calculation->progress = [this](size_t stepsDone, size_t steps) {
        total = steps;
        done = stepsDone;
    };
}

PageWatch::~PageWatch() = default;

void SetUpPageThread(PageWatch& watch) {
    SetX87ControlWord(kExtendedControlWord);
    WatchCalculations(watch.calculation.get());
}

void ResetPageWatch(PageWatch& watch) {
    watch.done = 0;
    watch.total = 0;
    watch.calculation->stop = false;
}

void StopPageAnswer(PageWatch& watch) {
    watch.calculation->stop = true;
}

void SetAnswerThreads(size_t threads) {
    SetCalculationThreads(threads);
}
