// The equations page's work: the system box's text in, the result box's text out.
#pragma once

#include <string_view>

#include "PageAnswer.h"

PageAnswer EquationsPageAnswer(std::u16string_view input);
