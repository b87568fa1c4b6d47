// The expression page's work: the input box's text in, the result box's text out.
#pragma once

#include <string_view>

#include "PageAnswer.h"

PageAnswer ExpressionPageAnswer(std::u16string_view input);
