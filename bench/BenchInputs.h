// The benchmarks' inputs: matrices of digits and dense systems of equations, as box texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// What a Windows edit box held by default.
inline constexpr size_t kEditBoxLimit = 32767;

// Rows of random digits, one space apart.
inline std::u16string DigitText(size_t rows, size_t columns, unsigned seed) {
    std::mt19937 random(seed);
    std::u16string text;
    for (size_t i = 0; i < rows; ++i) {
        if (i > 0) {
            text += u"\r\n";
        }
        for (size_t j = 0; j < columns; ++j) {
            if (j > 0) {
                text += u' ';
            }
            text += static_cast<char16_t>(u'0' + random() % 10);
        }
    }
    return text;
}

// n equations in x1..xn, every variable in every equation, pseudo-random coefficients from -9
// to 9 without 0, lines separated by CR LF.
inline std::u16string DenseSystem(size_t n) {
    uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1103515245U + 12345U;
        return state >> 16;
    };
    std::u16string text;
    for (size_t row = 0; row < n; ++row) {
        if (row > 0) {
            text += u"\r\n";
        }
        for (size_t column = 0; column < n; ++column) {
            const uint32_t random = next();
            if (random % 2 == 1) {
                text += u'-';
            } else if (column > 0) {
                text += u'+';
            }
            text += static_cast<char16_t>(u'1' + random / 2 % 9);
            text += u'x';
            for (const char c : std::to_string(column + 1)) {
                text += static_cast<char16_t>(c);
            }
        }
        text += u'=';
        for (const char c : std::to_string(next() % 100)) {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}

// The dense system with the most unknowns whose text fits the box.
inline std::u16string LargestDenseSystem() {
    size_t n = 1;
    while (DenseSystem(n + 1).size() <= kEditBoxLimit) {
        ++n;
    }
    return DenseSystem(n);
}
