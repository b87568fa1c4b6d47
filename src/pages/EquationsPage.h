// The equations page's work: the system box's text in, the result box's text out, by the method
// its radio buttons choose.
#pragma once

#include <array>
#include <string_view>

#include "PageAnswer.h"

enum class SolveMethod { Cramer, Gauss, Matrix };

// The methods, in the order of the page's radio buttons; the first is the one checked at start
// and the command line's default.
struct MethodRow {
    SolveMethod id;
    std::u16string_view caption;  // its radio button's text
    std::string_view name;        // its name after "--method" on the command line
    PageCheck check;              // the exact methods take typed fractions too
    PageCalculation solve;
};
extern const std::array<MethodRow, 3> kMethods;

PageAnswer EquationsPageAnswer(std::u16string_view input, SolveMethod method = SolveMethod::Cramer);
