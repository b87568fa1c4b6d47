#include "PageAnswer.h"

#include "Calculation.h"

PageAnswer CheckFailedAnswer(std::string_view message, const Cp1251Text& source) {
    return {MessageFromCp1251(message, source), true};
}

PageAnswer CalculatedAnswer(const Calculate& calculate) {
    bool isMessage = false;
    const CalculationEnd end = RunCalculation([&] { return calculate(isMessage); });
    return {FromCp1251(end.text), end.faulted || isMessage, end.stopped};
}

PageAnswer OneBoxAnswer(std::u16string_view input, PageCheck check, PageCalculation calculate) {
    const Cp1251Text text = ToCp1251(input);
    std::string message;
    if (!check(text.bytes, message)) {
        return CheckFailedAnswer(message, text);
    }
    return CalculatedAnswer([&](bool& isMessage) { return calculate(text.bytes, isMessage); });
}
