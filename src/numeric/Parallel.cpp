#include "Parallel.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "ArithmeticFaults.h"
#include "Calculation.h"

namespace {

// Ranges per thread: small enough that a thread slowed by other work leaves its share to the rest.
constexpr size_t kRangesPerThread = 8;

// How long a thread that waits for the next loop, or for its helpers, looks before it sleeps: a
// determinant's elimination runs a loop a column, each far shorter than a thread takes to wake.
constexpr auto kWatchfulWait = std::chrono::microseconds(100);

// One ParallelFor: the ranges still to take and what the threads gathered.
struct Loop {
    const std::function<void(size_t, size_t)>& body;
    size_t count;
    size_t rangeSize;
    CalculationWatch* watch;
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::atomic<int> faults{0};
    std::mutex failureMutex{};
    std::exception_ptr failure{};
};

// The pool's threads wait for a loop and leave it when its ranges are taken. They live until the
// process ends.
struct Pool {
    std::mutex inUse;  // held by the thread whose loop the pool runs
    std::mutex mutex;  // guards the fields below; the atomics are also read without it
    std::condition_variable wake;
    std::condition_variable left;
    Loop* loop = nullptr;
    std::atomic<unsigned long long> loopNumber{0};
    std::atomic<size_t> helping{0};  // threads inside `loop`
    bool ending = false;
    std::vector<std::thread> threads;
};

Pool& ThePool() {
    static Pool* const pool = new Pool;
    return *pool;
}

std::atomic<size_t> chosenThreads{0};
thread_local bool insideLoop = false;

size_t LogicalProcessors() {
    return std::max(1U, std::thread::hardware_concurrency());
}

// Returns when `done` or after kWatchfulWait.
template <typename Done>
void WatchBriefly(Done done) {
    const auto end = std::chrono::steady_clock::now() + kWatchfulWait;
    while (!done() && std::chrono::steady_clock::now() < end) {
        std::this_thread::yield();
    }
}

void TakeRanges(Loop& loop) {
    while (!loop.failed.load(std::memory_order_relaxed)) {
        const size_t begin = loop.next.fetch_add(loop.rangeSize);
        if (begin >= loop.count) {
            return;
        }
        try {
            loop.body(begin, std::min(begin + loop.rangeSize, loop.count));
        } catch (...) {
            const std::lock_guard lock(loop.failureMutex);
            if (!loop.failure) {
                loop.failure = std::current_exception();
            }
            loop.failed = true;
        }
    }
}

void Help(Pool& pool) {
    SetX87ControlWord(kExtendedControlWord);
    insideLoop = true;
    unsigned long long seen = 0;
    for (;;) {
        Loop* loop = nullptr;
        WatchBriefly([&] { return pool.loopNumber != seen; });
        {
            std::unique_lock lock(pool.mutex);
            pool.wake.wait(lock, [&] { return pool.ending || pool.loopNumber != seen; });
            if (pool.ending) {
                return;
            }
            seen = pool.loopNumber;
            loop = pool.loop;
            if (loop == nullptr) {
                continue;
            }
            ++pool.helping;
        }
        HelpCalculation(loop->watch);
        ClearArithmeticFaults();
        TakeRanges(*loop);
        loop->faults.fetch_or(RaisedArithmeticFaults());
        HelpCalculation(nullptr);
        const std::lock_guard lock(pool.mutex);
        if (--pool.helping == 0) {
            pool.left.notify_one();
        }
    }
}

// Gives the pool `helpers` threads besides the calling one.
void StartHelpers(Pool& pool, size_t helpers) {
    if (pool.threads.size() == helpers) {
        return;
    }
    {
        const std::lock_guard lock(pool.mutex);
        pool.ending = true;
    }
    pool.wake.notify_all();
    for (std::thread& thread : pool.threads) {
        thread.join();
    }
    pool.threads.clear();
    pool.ending = false;
    for (size_t i = 0; i < helpers; ++i) {
        pool.threads.emplace_back(Help, std::ref(pool));
    }
}

}  // namespace

size_t CalculationThreads() {
    const size_t chosen = chosenThreads.load();
    return chosen != 0 ? chosen : std::min(LogicalProcessors(), kMostCalculationThreads);
}

void SetCalculationThreads(size_t threads) {
    chosenThreads = std::min(threads, kMostCalculationThreads);
}

void ParallelFor(size_t count, size_t work, const std::function<void(size_t, size_t)>& body) {
    const size_t threads = std::min(CalculationThreads(), count);
    Pool& pool = ThePool();
    std::unique_lock inUse(pool.inUse, std::defer_lock);
    if (threads < 2 || work < kLeastParallelWork || insideLoop || !inUse.try_lock()) {
        if (count > 0) {
            body(0, count);
        }
        return;
    }
    StartHelpers(pool, CalculationThreads() - 1);
    Loop loop{body, count, std::max<size_t>(1, count / (threads * kRangesPerThread)),
              CurrentWatch()};
    {
        const std::lock_guard lock(pool.mutex);
        pool.loop = &loop;
        ++pool.loopNumber;
    }
    pool.wake.notify_all();
    insideLoop = true;
    TakeRanges(loop);
    insideLoop = false;
    {
        const std::lock_guard lock(pool.mutex);
        pool.loop = nullptr;
    }
    WatchBriefly([&] { return pool.helping == 0; });
    {
        std::unique_lock lock(pool.mutex);
        pool.left.wait(lock, [&] { return pool.helping == 0; });
    }
    RaiseArithmeticFaults(loop.faults);
    if (loop.failure) {
        std::rethrow_exception(loop.failure);
    }
}
