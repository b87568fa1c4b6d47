#include "PageAnswer.h"

#include "ArithmeticFaults.h"
#include "NumberCheck.h"

PageAnswer CheckFailedAnswer(std::string_view message, const Cp1251Text& source,
                             std::u16string_view boxText, size_t box) {
    PageAnswer answer{MessageFromCp1251(message, source), true, {}};
    const std::u16string invalid = FromCp1251(kNumberMessages[kInvalidCharacter]);
    if (answer.text.size() > invalid.size() && answer.text.starts_with(invalid)) {
        const std::u16string_view named = std::u16string_view(answer.text).substr(invalid.size());
        const size_t offset = boxText.find(named);
        if (offset != std::u16string_view::npos) {
            answer.refused = {box, offset, named.size()};
        }
    }
    return answer;
}

PageAnswer CalculatedAnswer(const std::string& text, bool isMessage) {
    const std::string fault = ArithmeticFaultMessage();
    if (!fault.empty()) {
        return {FromCp1251(fault), true, {}};
    }
    return {FromCp1251(text), isMessage, {}};
}

PageAnswer OneBoxAnswer(std::u16string_view input, PageCheck check, PageCalculation calculate) {
    const Cp1251Text text = ToCp1251(input);
    std::string message;
    if (!check(text.bytes, message)) {
        return CheckFailedAnswer(message, text, input, 0);
    }
    ClearArithmeticFaults();
    bool isMessage = false;
    const std::string answer = calculate(text.bytes, isMessage);
    return CalculatedAnswer(answer, isMessage);
}
