#include "PageAnswer.h"

#include "ArithmeticFaults.h"

PageAnswer CheckFailedAnswer(std::string_view message, const Cp1251Text& source) {
    return {MessageFromCp1251(message, source), true};
}

PageAnswer CalculatedAnswer(const std::string& text, bool isMessage) {
    const std::string fault = ArithmeticFaultMessage();
    if (!fault.empty()) {
        return {FromCp1251(fault), true};
    }
    return {FromCp1251(text), isMessage};
}
