// The typed numbers as exact fractions, and their texts.
#include "ExactNumbers.h"

#include <utility>

#include "NumberCheck.h"
#include "uConvert.h"

namespace {

constexpr size_t kLongestExact = 15;

Integer TenToThe(int exponent) {
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

}  // namespace

Fraction DecimalFraction(std::string_view number) {
    std::string digits;
    int decimals = 0;
    bool afterPoint = false;
    for (const char c : number) {
        // No leading zero: the integer's text would read as octal.
        if (IsDigit(c) && (c != '0' || !digits.empty())) {
            digits += c;
        }
        decimals += afterPoint && IsDigit(c) ? 1 : 0;
        afterPoint = afterPoint || c == '.';
    }
    const Integer magnitude(digits.empty() ? "0" : digits);
    return Fraction(number.starts_with('-') ? Integer(-magnitude) : magnitude, TenToThe(decimals));
}

WholeMatrix WholeRows(const FractionMatrix& m, std::vector<Integer>& factors) {
    WholeMatrix whole;
    for (const std::vector<Fraction>& row : m) {
        Integer& factor = factors.emplace_back(1);
        for (const Fraction& x : row) {
            factor = lcm(factor, Integer(denominator(x)));
        }
        std::vector<Integer>& wholeRow = whole.emplace_back();
        for (const Fraction& x : row) {
            wholeRow.push_back(numerator(x) * (factor / denominator(x)));
        }
    }
    return whole;
}

std::string FractionText(const Fraction& value, bool& approximate) {
    const Integer magnitude = abs(numerator(value));
    const Integer& below = denominator(value);
    const std::string top = magnitude.str();
    const std::string bottom = below.str();
    const std::string sign = value < 0 ? "-" : "";
    if (top.size() <= kLongestExact && bottom.size() <= kLongestExact) {
        return sign + top + (below == 1 ? "" : "/" + bottom);
    }
    approximate = true;
    // value * 10^shift lies in (10^15, 10^17): its whole part has 16 or 17 digits.
    const int shift = static_cast<int>(kLongestExact + 1 + bottom.size() - top.size());
    const Integer digits = shift >= 0 ? Integer(magnitude * TenToThe(shift) / below)
                                      : Integer(magnitude / (below * TenToThe(-shift)));
    std::string text = digits.str();
    const int exponent = static_cast<int>(text.size()) - shift;
    return RoundedDigitsToText(std::move(text), exponent, value < 0);
}
