#include "uConvert.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "NumberCheck.h"

namespace {

constexpr int kSignificantDigits = 15;

// The 18-digit decimal form of a normal value: |value| = 0.d1d2...d18 * 10^exponent.
struct DecimalForm {
    std::string digits;
    int exponent;
};

DecimalForm ToDecimalForm(Extended magnitude) {
    char buffer[64];
    // d.ddddddddddddddddde[+-]x: 18 significant digits, correctly rounded.
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    const std::string_view text(buffer, static_cast<size_t>(written.ptr - buffer));
    const size_t e = text.find('e');
    DecimalForm form{std::string(1, text[0]) + std::string(text.substr(2, e - 2)), 0};
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    form.exponent);
    form.exponent += 1;
    return form;
}

// Rounds 0.d1d2d3... * 10^exponent to 15 digits by the 16th alone and drops trailing zeros.
void RoundToSignificant(std::string& digits, int& exponent) {
    const bool roundUp = digits[kSignificantDigits] >= '5';
    digits.resize(kSignificantDigits);
    if (roundUp) {
        while (!digits.empty() && digits.back() == '9') {
            digits.pop_back();
        }
        if (digits.empty()) {
            digits = "1";
            exponent += 1;
        } else {
            digits.back() = static_cast<char>(digits.back() + 1);
        }
    }
    while (digits.back() == '0') {
        digits.pop_back();
    }
}

// The layout of the value 0.d1d2d3... * 10^exponent: digits holds d1d2d3..., at most 15 of them,
// with no trailing zero.
std::string DigitsToText(const std::string& digits, int exponent, bool negative) {
    std::string text = negative ? "-" : "";
    const int d = exponent;
    if (d > kSignificantDigits || d < -3) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(d - 1);
    } else if (d <= 0) {
        text += "0.";
        text.append(static_cast<size_t>(-d), '0');
        text += digits;
    } else {
        const auto wholeDigits = static_cast<size_t>(d);
        text.append(digits, 0, wholeDigits);
        if (digits.size() < wholeDigits) {
            text.append(wholeDigits - digits.size(), '0');
        } else if (digits.size() > wholeDigits) {
            text += '.';
            text.append(digits, wholeDigits);
        }
    }
    return text;
}

}  // namespace

std::string RoundedDigitsToText(std::string digits, int exponent, bool negative) {
    RoundToSignificant(digits, exponent);
    return DigitsToText(digits, exponent, negative);
}

std::string RealToText(Extended value) {
    switch (std::fpclassify(value)) {
        case FP_ZERO:
        case FP_SUBNORMAL:
            return "0";
        case FP_INFINITE:
            return std::signbit(value) ? "-INF" : "INF";
        case FP_NAN:
            return "NAN";
        default:
            break;
    }
    const Extended magnitude = std::fabs(value);
    if (magnitude < 1e15L && std::trunc(magnitude) == magnitude) {
        // A whole number of at most 15 digits is its own decimal form.
        return (std::signbit(value) ? "-" : "") +
               std::to_string(static_cast<unsigned long long>(magnitude));
    }
    DecimalForm form = ToDecimalForm(magnitude);
    return RoundedDigitsToText(std::move(form.digits), form.exponent, std::signbit(value));
}

Extended TextToReal(std::string_view text) {
    size_t i = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        i = 1;
    }
    std::string number;
    for (; i < text.size() && text[i] != '.'; ++i) {
        if (IsDigit(text[i])) {
            number += text[i];
        }
    }
    if (number.empty()) {
        number = "0";
    }
    if (i < text.size()) {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            number += text[i];
        }
    }
    // strtold rounds to nearest, ties to even; the text holds only digits and one point.
    Extended value = std::strtold(number.c_str(), nullptr);
    if (std::isinf(value)) {
        std::feraiseexcept(FE_OVERFLOW);
    }
    return !text.empty() && text[0] == '-' ? -value : value;
}

int32_t TextToInt(std::string_view text) {
    const std::string_view head = text.substr(0, 9);
    int32_t value = 0;
    for (const char c : head) {
        if (IsDigit(c)) {
            value = value * 10 + (c - '0');
        }
    }
    return !head.empty() && head[0] == '-' ? -value : value;
}
