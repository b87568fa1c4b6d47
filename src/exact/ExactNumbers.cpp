// The typed numbers as exact fractions, and their texts.
#include "ExactNumbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "NumberCheck.h"
#include "Parallel.h"
#include "uConvert.h"

namespace {

constexpr size_t kLongestExact = 15;

Integer TenToThe(int exponent) {
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// The whole number that the text's digits spell; other characters are passed over. The digits
// gather 19 at a time in a machine word.
Integer DigitsValue(std::string_view text) {
    constexpr uint64_t kFullChunk = 10'000'000'000'000'000'000U;
    Integer value = 0;
    uint64_t chunk = 0;
    uint64_t chunkScale = 1;
    for (const char c : text) {
        if (!IsDigit(c)) {
            continue;
        }
        chunk = chunk * 10 + static_cast<uint64_t>(c - '0');
        chunkScale *= 10;
        if (chunkScale == kFullChunk) {
            value = value * chunkScale + chunk;
            chunk = 0;
            chunkScale = 1;
        }
    }
    return chunkScale == 1 ? value : Integer(value * chunkScale + chunk);
}

// A decimal text's value; the point's trailing zeros are left out first.
Fraction DecimalValue(std::string_view number) {
    const size_t point = number.find('.');
    if (point != std::string_view::npos) {
        number = number.substr(0, number.find_last_not_of('0') + 1);
    }
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(number.size() - point - 1);
    const Integer magnitude = DigitsValue(number);
    return Fraction(number.starts_with('-') ? Integer(-magnitude) : magnitude, TenToThe(decimals));
}

bool Fails(ExactFault fault, std::string& message) {
    message = kExactMessages[fault];
    return false;
}

const Integer& DigitLimit() {
    static const Integer limit = TenToThe(static_cast<int>(kLongestExactDigits));
    return limit;
}

}  // namespace

bool CheckFraction(std::string_view token, std::string& message) {
    const size_t slash = token.find('/');
    if (slash == std::string_view::npos) {
        return CheckNumber(token, message);
    }
    for (const char c : token) {
        if (!IsDigit(c) && !IsSign(c) && c != '.' && c != '/') {
            message = InvalidCharacterMessage(c);
            return false;
        }
    }
    if (token.find('/', slash + 1) != std::string_view::npos || slash == 0 ||
        slash + 1 == token.size() || !IsDigit(token[slash - 1]) || !IsDigit(token[slash + 1])) {
        return Fails(kSlashFault, message);
    }
    if (token.find('.') != std::string_view::npos) {
        message = kNumberMessages[kPointFault];
        return false;
    }
    const std::string_view below = token.substr(slash + 1);
    if (!CheckNumber(token.substr(0, slash), message) || !CheckNumber(below, message)) {
        return false;
    }
    if (std::ranges::all_of(below, [](char c) { return c == '0'; })) {
        return Fails(kZeroDenominator, message);
    }
    return true;
}

Fraction TypedFraction(std::string_view number) {
    const size_t slash = number.find('/');
    if (slash == std::string_view::npos) {
        return DecimalValue(number);
    }
    // Both sides fractions: Boost 1.81 leaves the fraction 1 divided by a whole number at 1.
    return DecimalValue(number.substr(0, slash)) / Fraction(DigitsValue(number.substr(slash + 1)));
}

bool TooLong(const Fraction& value) {
    return abs(numerator(value)) >= DigitLimit() || denominator(value) >= DigitLimit();
}

WholeMatrix WholeRows(const FractionMatrix& m, std::vector<Integer>& factors) {
    // A row costs a least common multiple and a product for each entry.
    constexpr size_t kWorkPerNumber = 128;
    WholeMatrix whole(m.size());
    factors.assign(m.size(), 1);
    const size_t work = m.size() * (m.empty() ? 0 : m.front().size()) * kWorkPerNumber;
    ParallelFor(m.size(), work, [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            Integer& factor = factors[i];
            for (const Fraction& x : m[i]) {
                factor = lcm(factor, Integer(denominator(x)));
            }
            for (const Fraction& x : m[i]) {
                whole[i].push_back(numerator(x) * (factor / denominator(x)));
            }
        }
    });
    return whole;
}

namespace {

const Integer& ShortLimit() {
    static const Integer limit = TenToThe(static_cast<int>(kLongestExact));
    return limit;
}

// magnitude / below rounded to 15 significant digits in RealToText's layout.
std::string RoundedText(const Integer& magnitude, const Integer& below, bool negative) {
    // log10 of the value lies within 1 of bits * log10(2), so value * 10^shift has 18 to 21
    // digits in its whole part.
    const auto bits = static_cast<double>(msb(magnitude)) - static_cast<double>(msb(below));
    const int shift = 18 - static_cast<int>(std::floor(bits * 0.30102999566398120));
    const Integer digits = shift >= 0 ? Integer(magnitude * TenToThe(shift) / below)
                                      : Integer(magnitude / (below * TenToThe(-shift)));
    std::string text = digits.str();
    const int exponent = static_cast<int>(text.size()) - shift;
    return RoundedDigitsToText(std::move(text), exponent, negative);
}

std::string ShortText(const Integer& magnitude, const Integer& below, bool negative) {
    return (negative ? "-" : "") + magnitude.str() + (below == 1 ? "" : "/" + below.str());
}

}  // namespace

size_t HadamardBits(const WholeMatrix& rows, size_t columns) {
    size_t bits = 0;
    for (const std::vector<Integer>& row : rows) {
        Integer squares = 0;
        for (size_t j = 0; j < columns; ++j) {
            squares += row[j] * row[j];
        }
        bits += squares == 0 ? 0 : msb(squares) / 2 + 1;
    }
    return bits;
}

std::string FractionText(const Fraction& value, bool& approximate) {
    const Integer magnitude = abs(numerator(value));
    const Integer& below = denominator(value);
    if (magnitude < ShortLimit() && below < ShortLimit()) {
        return ShortText(magnitude, below, value < 0);
    }
    approximate = true;
    return RoundedText(magnitude, below, value < 0);
}

std::string QuotientText(const Integer& above, const Integer& below, bool& approximate) {
    const Integer magnitude = abs(above);
    if (magnitude < ShortLimit() && below < ShortLimit()) {
        return FractionText(Fraction(above, below), approximate);
    }
    // A fraction a/b in lowest terms with b below 10^15 is the last convergent of the continued
    // fraction of q / 2^120 whose denominator is below 10^15, q / 2^120 being the value cut after
    // 120 bits: the two differ by less than 1 / (2 b^2).
    constexpr unsigned kBits = 120;
    Integer top = (magnitude << kBits) / below;
    Integer bottom = Integer(1) << kBits;
    Integer h0 = 0;
    Integer h1 = 1;
    Integer k0 = 1;
    Integer k1 = 0;
    while (bottom != 0) {
        const Integer a = top / bottom;
        Integer k2 = a * k1 + k0;
        if (k2 >= ShortLimit()) {
            break;
        }
        h0 = std::exchange(h1, Integer(a * h1 + h0));
        k0 = std::exchange(k1, std::move(k2));
        top = std::exchange(bottom, Integer(top - a * bottom));
    }
    if (h1 < ShortLimit() && h1 * below == k1 * magnitude) {
        return ShortText(h1, k1, above < 0);
    }
    approximate = true;
    return RoundedText(magnitude, below, above < 0);
}
