// Long calculations on several threads: a loop over independent indices split into ranges that
// threads of one pool take in turn. What each index computes does not depend on the thread, so the
// results are the bits one thread gives.
#pragma once

#include <cstddef>
#include <functional>

// The threads a calculation may use, the calling one included: all logical processors unless set.
size_t CalculationThreads();
// 0 sets all logical processors again; at most kMostCalculationThreads.
inline constexpr size_t kMostCalculationThreads = 256;
void SetCalculationThreads(size_t threads);

// The least work, in x87 multiply-adds, that is worth more than one thread: below it, handing the
// ranges out costs more than the other threads save. threads_bench's BreakEven on 2 cores: the
// quickest runs on both take 1.06 of one thread's time at 4,096, 0.74 at 8,192 and 0.6 from
// 16,384 on; four times 8,192 leaves room for the slower wake-ups of a busy machine.
inline constexpr size_t kLeastParallelWork = 32'768;

// Calls body(begin, end) on ranges that together cover [0, count) exactly once, on up to
// CalculationThreads() threads, the calling one among them, and returns when all are done. With
// less `work` (the whole loop's, in multiply-adds) than kLeastParallelWork, on one thread, or
// inside another ParallelFor, it is body(0, count) on the calling thread.
// The other threads run with the calculators' x87 control word, stop when its calculation is asked
// to (Calculation.h), report no progress, and their arithmetic faults become this thread's. The
// first exception a range throws, such as the stop, is thrown here once no range is running;
// ranges not yet begun are then left out.
void ParallelFor(size_t count, size_t work, const std::function<void(size_t, size_t)>& body);
