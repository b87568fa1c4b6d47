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

PageAnswer OneBoxAnswer(std::u16string_view input, PageCheck check, PageCalculation calculate) {
    const Cp1251Text text = ToCp1251(input);
    std::string message;
    if (!check(text.bytes, message)) {
        return CheckFailedAnswer(message, text);
    }
    ClearArithmeticFaults();
    bool isMessage = false;
    const std::string answer = calculate(text.bytes, isMessage);
    return CalculatedAnswer(answer, isMessage);
}
