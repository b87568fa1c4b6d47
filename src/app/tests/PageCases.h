// The table loop shared by the page tests.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "PageAnswer.h"

struct PageCase {
    std::u16string input;
    std::u16string text;
    bool isMessage;
};

inline std::u16string Repeated(std::u16string_view part, size_t times) {
    std::u16string text;
    for (size_t i = 0; i < times; ++i) {
        text += part;
    }
    return text;
}

inline void ExpectAnswers(PageAnswer (*page)(std::u16string_view),
                          std::initializer_list<PageCase> cases) {
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input.substr(0, 40)));
        const PageAnswer answer = page(c.input);
        EXPECT_EQ(answer.text, c.text);
        EXPECT_EQ(answer.isMessage, c.isMessage);
    }
}
