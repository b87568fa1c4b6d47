#include "ExpressionPage.h"

#include "uPrimer.h"

PageAnswer ExpressionPageAnswer(std::u16string_view input) {
    return OneBoxAnswer(
        input,
        [](const std::string& bytes, std::string& message) {
            return CheckExpression(bytes, message);
        },
        [](const std::string& bytes, bool&) { return RealToText(EvaluateExpression(bytes)); });
}
