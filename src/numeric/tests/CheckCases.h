// The table harness of the calculators' check routines: bool check(text, message).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

inline const std::string kInvalid = "Недопустимый символ: ";
inline const std::string kPoint = "Ошибка: \".\"";
inline const std::string kSign = "Ошибка: \"+,-\"";

using CheckCase = std::pair<std::string, std::string>;  // a text and its message, "" if accepted

inline CheckCase Accepted(std::string text) {
    return {std::move(text), ""};
}

inline CheckCase Rejected(std::string text, std::string message) {
    return {std::move(text), std::move(message)};
}

// An accepted text leaves the message as it was; a rejected one sets it to the first fault's.
template <typename Check>
void ExpectChecks(Check check, std::initializer_list<CheckCase> cases) {
    for (const auto& [text, expected] : cases) {
        std::string message = "untouched";
        EXPECT_EQ(check(text, message), expected.empty()) << text.substr(0, 40);
        EXPECT_EQ(message, expected.empty() ? "untouched" : expected) << text.substr(0, 40);
    }
}
