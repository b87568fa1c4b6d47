#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "ArithmeticFaults.h"
#include "Calculation.h"
#include "CheckCases.h"
#include "NumberCheck.h"
#include "Parallel.h"
#include "uConvert.h"

namespace {

using Limits = std::numeric_limits<Extended>;

TEST(RealToText, WritesFifteenDigitsInPlainOrExponentForm) {
    using Written = std::pair<Extended, const char*>;
    for (const auto& [value, text] :
         {Written(-0.0L, "0"), Written(-Limits::denorm_min(), "0"),
          Written(-999999999999999.0L, "-999999999999999"), Written(1e15L, "1E15"),
          Written(0.00009L, "9E-5"), Written(-1.5e-7L, "-1.5E-7"),
          Written(Limits::infinity(), "INF"), Written(-Limits::infinity(), "-INF"),
          Written(-Limits::quiet_NaN(), "NAN"), Written(1.0L / 3, "0.333333333333333"),
          Written(999999999999999.9L, "1E15"), Written(99999999999999.99L, "100000000000000"),
          Written(0.000099999999999999999L, "0.0001"),
          Written(Limits::max(), "1.18973149535723E4932"),
          Written(-Limits::min(), "-3.36210314311209E-4932"),
          // 0.1234567890123454999 is 123456789012345|500 in 18 digits: the 16th rounds up.
          Written(0.1234567890123454999L, "0.123456789012346"),
          Written(-99999.99999999999L, "-100000")}) {
        EXPECT_EQ(RealToText(value), text);
    }
}

TEST(TextToReal, ReadsEveryDigitAndPassesOverOtherCharacters) {
    using Read = std::pair<std::string, Extended>;
    for (const auto& [text, expected] :
         {Read("", 0.0L), Read("-", -0.0L), Read(".", 0.0L), Read("+7", 7.0L), Read("12a3", 123.0L),
          Read("1.5x3", 1.5L), Read("a-5", 5.0L),
          Read("123456789012345678901234567890", 123456789012345678901234567890.0L),
          Read("0.000000000000000000000000000001", 1e-30L),
          // ...617 and ...619 lie halfway and round to the even neighbour.
          Read("18446744073709551617", 18446744073709551616.0L),
          Read("18446744073709551619", 18446744073709551620.0L),
          Read(std::string(5000, '9'), Limits::infinity()),
          Read("0." + std::string(5000, '0') + "1", 0.0L)}) {
        const Extended value = TextToReal(text);
        EXPECT_EQ(value, expected) << text.substr(0, 40);
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text.substr(0, 40);
    }
}

TEST(TextToInt, ReadsTheDigitsOfTheFirstNineCharacters) {
    using IntRead = std::pair<const char*, int32_t>;
    for (const auto& [text, value] :
         {IntRead("-7", -7), IntRead("2.5", 25), IntRead("+3", 3), IntRead("a-5", 5),
          IntRead("", 0), IntRead("1234567890", 123456789), IntRead("-123456789", -12345678)}) {
        EXPECT_EQ(TextToInt(text), value) << text;
    }
}

// Characters first, then the point count and ends, the sign count, and the walk in text order.
TEST(CheckNumber, NamesTheFirstFault) {
    ExpectChecks(CheckNumber,
                 {Accepted("5"), Accepted("+5"), Accepted("-12.75"), Rejected("1x", kInvalid + "x"),
                  Rejected("1..x", kInvalid + "x"), Rejected(".5", kPoint), Rejected("5.", kPoint),
                  Rejected("1.2.3", kPoint), Rejected("-.", kPoint), Rejected("+-1.", kPoint),
                  Rejected("--1", kSign), Rejected("1-2", kSign), Rejected("-", kSign),
                  Rejected("-.5", kSign), Rejected("1.-5", kPoint), Rejected("1-.5", kSign),
                  Rejected("1.-5-", kSign)});
}

// volatile: read and written at run time, where the operations raise their flags.
volatile Extended zero = 0;
volatile Extended result;

TEST(ArithmeticFaults, NamesTheFaultOfHighestPrecedence) {
    using Step = void (*)();
    const Step overflow = [] { result = Limits::max() * (2 + zero); };
    const Step underflow = [] { result = Limits::min() * (Limits::min() + zero); };
    const Step zeroByZero = [] { result = zero / zero; };
    const Step oneByZero = [] { result = 1 / zero; };
    const std::tuple<const char*, std::vector<Step>, const char*> cases[] = {
        {"overflow", {overflow}, "Переполнение"},
        {"nothing since the clear", {}, ""},
        {"underflow", {underflow}, ""},
        {"unnoted 0/0", {zeroByZero}, "Недопустимая операция"},
        {"1/0", {oneByZero}, "Деление на ноль"},
        {"noted 0/0", {NoteDivisionByZero, zeroByZero}, "Деление на ноль"},
        {"overflow, noted division", {overflow, NoteDivisionByZero}, "Деление на ноль"},
        {"invalid, overflow", {zeroByZero, overflow}, "Переполнение"}};
    for (const auto& [name, steps, message] : cases) {
        ClearArithmeticFaults();
        for (const Step step : steps) {
            step();
        }
        EXPECT_EQ(ArithmeticFaultMessage(), message) << name;
    }
}

// 1 + 2^-60 - 1 keeps 2^-60 with 64-bit significands and loses it with 53-bit ones.
Extended SmallDifference() {
    volatile Extended one = 1;
    volatile Extended tiny = 0x1p-60L;
    return one + tiny - one;
}

// The value on a thread of its own, which sets the control word `word` first.
Extended OnNewThread(uint16_t word, Extended (*calculate)()) {
    Extended value = 0;
    std::thread([&] {
        SetX87ControlWord(word);
        value = calculate();
    }).join();
    return value;
}

Extended Calculated() {
    Extended value = 0;
    RunCalculation([&] { return RealToText(value = SmallDifference()); });
    return value;
}

TEST(RunCalculation, GivesTheSameBitsOnANewThreadAsOnTheMainOne) {
    const Extended onMain = Calculated();
    const Extended onNew = OnNewThread(kExtendedControlWord, Calculated);
    EXPECT_EQ(std::memcmp(&onMain, &onNew, 10), 0);
    EXPECT_EQ(onMain, 0x1p-60L);
    EXPECT_EQ(OnNewThread(0x027F, SmallDifference), 0) << "53-bit significands";
}

// ParallelFor's body on the calling thread waits at its first index, when `waits`, until
// another thread has run one, so that the helpers surely take part.
struct Helped {
    void Index() {
        if (std::this_thread::get_id() != caller) {
            helped = true;
        } else if (waits) {
            waits = false;
            const auto start = std::chrono::steady_clock::now();
            while (!helped && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
                std::this_thread::yield();
            }
        }
    }
    bool OnCaller() const { return std::this_thread::get_id() == caller; }
    bool Helpers() const { return helped; }

    bool waits;
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> helped{false};
};

TEST(ParallelFor, RunsEveryIndexOnceAndHelpersCalculateAsTheCallingThread) {
    for (const size_t threads : {1, 2, 7}) {
        for (const size_t count : {0, 1, 5, 300}) {
            SetCalculationThreads(threads);
            const bool parallel = threads > 1 && count > 1;
            Helped helped{.waits = parallel};
            std::vector<std::atomic<int>> runs(count);
            std::vector<Extended> differences(count);
            ParallelFor(count, kLeastParallelWork, [&](size_t begin, size_t end) {
                for (size_t i = begin; i < end; ++i) {
                    helped.Index();
                    ++runs[i];
                    differences[i] = SmallDifference();
                }
            });
            for (size_t i = 0; i < count; ++i) {
                EXPECT_EQ(runs[i], 1) << threads << " threads, index " << i;
                EXPECT_EQ(differences[i], 0x1p-60L) << threads << " threads, index " << i;
            }
            EXPECT_EQ(helped.Helpers(), parallel) << threads << " threads";
        }
    }
    SetCalculationThreads(0);
}

// A helper stops with the calculation, its arithmetic faults are the calculation's, and only the
// calculation's own thread reports progress.
TEST(ParallelFor, HandsTheStopAndTheFaultsOfItsHelpersToTheCallingThread) {
    SetCalculationThreads(2);
    for (const bool stops : {false, true}) {
        Helped helped{.waits = true};
        std::atomic<int> helpersReports{0};
        int helperRunsAfterStop = 0;  // the one helper's; its next check must end it
        CalculationWatch watch{[&](size_t, size_t) { helpersReports += !helped.OnCaller(); }};
        WatchCalculations(&watch);
        const CalculationEnd ended = RunCalculation([&] {
            ParallelFor(1000, kLeastParallelWork, [&](size_t begin, size_t end) {
                for (size_t i = begin; i < end; ++i) {
                    helped.Index();
                    if (!helped.OnCaller()) {
                        helperRunsAfterStop += watch.stop;
                        result = stops ? 0 : Limits::max() * (2 + zero);
                        watch.stop = stops;
                    }
                    NoteProgress(i, 1000);
                }
            });
            return std::string("done");
        });
        WatchCalculations(nullptr);
        EXPECT_EQ(ended.stopped, stops);
        EXPECT_EQ(ended.text, stops ? "" : "Переполнение");
        EXPECT_EQ(helpersReports, 0);
        EXPECT_EQ(helperRunsAfterStop, 0);
    }
    SetCalculationThreads(0);
}

}  // namespace
