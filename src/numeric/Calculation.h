// One calculation on the calling thread: the x87 arithmetic it needs, the arithmetic faults it
// raised, and a watch through which another thread follows its progress and stops it.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The x87 control word of the calculators' arithmetic: 64-bit significands, rounding to nearest,
// every exception masked. It is per thread, and a new thread may start with 53-bit significands:
// a thread that runs calculations sets it first.
inline constexpr uint16_t kExtendedControlWord = 0x037F;
uint16_t X87ControlWord();
void SetX87ControlWord(uint16_t word);

// How another thread follows a calculation and stops it.
struct CalculationWatch {
    // Told each step, `done` of `total`, on the calculation's thread.
    std::function<void(size_t done, size_t total)> progress;
    std::atomic<bool> stop{false};  // set to stop the calculation at its next step
};

// Makes `watch` the watch of the calculations later run on this thread; nullptr for none.
void WatchCalculations(CalculationWatch* watch);
// This thread's watch, nullptr for none.
CalculationWatch* CurrentWatch();
// Makes `watch` the watch of this thread as a helper of another thread's calculation: it stops
// when that one does, and its progress is that thread's to report, so NoteProgress reports nothing
// here.
void HelpCalculation(CalculationWatch* watch);

// A calculator's loop calls this once a step, say NoteProgress(column, columns): it reports the
// step to the thread's watch and, when the watch asks to stop, ends the calculation (by an
// exception that RunCalculation catches). Without a watch it does nothing.
void NoteProgress(size_t done, size_t total);
// The same for a loop inside a step, which reports nothing.
void StopIfAsked();

struct CalculationEnd {
    std::string text;  // the calculation's text, or the message of its first arithmetic fault
    bool faulted = false;
    bool stopped = false;  // stopped by the watch; the text is then empty
};

// Runs `calculate` as one calculation: with the control word above (asserted in debug builds),
// the fault flags cleared before it and read after it.
CalculationEnd RunCalculation(const std::function<std::string()>& calculate);
