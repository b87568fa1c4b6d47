// The equations page's work: the system box's text in, the result box's text out, by the method
// its radio buttons choose.
#pragma once

#include <string_view>

#include "PageAnswer.h"

enum class SolveMethod { Cramer, Gauss, Matrix };

PageAnswer EquationsPageAnswer(std::u16string_view input, SolveMethod method = SolveMethod::Cramer);
