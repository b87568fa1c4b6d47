#include "Calculation.h"

#include <cassert>

#include "ArithmeticFaults.h"

namespace {

thread_local CalculationWatch* currentWatch = nullptr;
thread_local bool reportsProgress = true;

// Thrown by NoteProgress when the watch asks to stop.
struct CalculationStopped {};

}  // namespace

uint16_t X87ControlWord() {
    uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void SetX87ControlWord(uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word));
}

void WatchCalculations(CalculationWatch* watch) {
    currentWatch = watch;
    reportsProgress = true;
}

CalculationWatch* CurrentWatch() {
    return currentWatch;
}

void HelpCalculation(CalculationWatch* watch) {
    currentWatch = watch;
    reportsProgress = false;
}

void NoteProgress(size_t done, size_t total) {
    const CalculationWatch* const watch = currentWatch;
    if (watch != nullptr) {
        if (reportsProgress && watch->progress) {
            watch->progress(done, total);
        }
        StopIfAsked();
    }
}

void StopIfAsked() {
    const CalculationWatch* const watch = currentWatch;
    if (watch != nullptr && watch->stop.load(std::memory_order_relaxed)) {
        throw CalculationStopped{};
    }
}

CalculationEnd RunCalculation(const std::function<std::string()>& calculate) {
    assert(X87ControlWord() == kExtendedControlWord);
    ClearArithmeticFaults();
    CalculationEnd end;
    try {
        end.text = calculate();
    } catch (const CalculationStopped&) {
        return {{}, false, true};
    }
    const std::string fault = ArithmeticFaultMessage();
    if (!fault.empty()) {
        end = {fault, true, false};
    }
    return end;
}
