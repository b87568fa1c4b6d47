// A thread that computes page answers for another: the set-up it needs, and how the other
// follows an answer's steps and stops it.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>

struct CalculationWatch;

struct PageWatch {
    PageWatch();
    ~PageWatch();
    std::atomic<size_t> done{0};  // the last step reported, done of total
    std::atomic<size_t> total{0};
    std::unique_ptr<CalculationWatch> calculation;  // the calculators' own watch
};

// Sets the calling thread up for page answers: the calculators' arithmetic, and `watch` told
// of their steps. `watch` outlives the thread.
void SetUpPageThread(PageWatch& watch);

// Starts `watch` afresh for the next answer: no steps, no stop.
void ResetPageWatch(PageWatch& watch);

// Has the answer under `watch` stop at its next step; it then comes back stopped.
void StopPageAnswer(PageWatch& watch);

// The threads one answer may use, the calling one included: 0 for all logical processors, which
// is where it starts, or 1 to kMostAnswerThreads.
inline constexpr size_t kMostAnswerThreads = 256;
void SetAnswerThreads(size_t threads);
