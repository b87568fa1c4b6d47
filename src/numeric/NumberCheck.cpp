#include "NumberCheck.h"

std::string InvalidCharacterMessage(char c) {
    return std::string(kNumberMessages[kInvalidCharacter]) + c;
}

bool CheckNumber(std::string_view token, std::string& message) {
    int points = 0;
    int signs = 0;
    for (const char c : token) {
        if (c == '.') {
            ++points;
        } else if (IsSign(c)) {
            ++signs;
        } else if (!IsDigit(c)) {
            message = InvalidCharacterMessage(c);
            return false;
        }
    }
    if (points > 1 || token.front() == '.' || token.back() == '.') {
        message = kNumberMessages[kPointFault];
        return false;
    }
    if (signs > 1) {
        message = kNumberMessages[kSignFault];
        return false;
    }
    for (size_t i = 0; i < token.size(); ++i) {
        const bool digitAfter = i + 1 < token.size() && IsDigit(token[i + 1]);
        if (token[i] == '.' && !(i > 0 && IsDigit(token[i - 1]) && digitAfter)) {
            message = kNumberMessages[kPointFault];
            return false;
        }
        if (IsSign(token[i]) && !(i == 0 && digitAfter)) {
            message = kNumberMessages[kSignFault];
            return false;
        }
    }
    return true;
}
