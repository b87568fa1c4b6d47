#include <gtest/gtest.h>

#include "Utf8.h"

namespace {

std::string Bytes(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(Utf8, RoundTripsEveryPlane) {
    for (const std::u16string text : {u"", u"1+2\r\n", u"Матрица A", u"\U0001F600 и \U00010348"}) {
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    }
    EXPECT_EQ(Utf16ToUtf8(u"Матрица"), Bytes(u8"Матрица"));
    EXPECT_EQ(Utf8ToUtf16(Bytes(u8"x\U0001F600")), u"x\U0001F600");
}

TEST(Utf8, ReadsAMalformedSequenceAsReplacementCharacters) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xC3", u"\xFFFD"},              // cut short
        {"\xFFz", u"\xFFFDz"},            // never a lead byte
        {"\xC0\xAF", u"\xFFFD"},          // overlong
        {"\xED\xA0\x80", u"\xFFFD"},      // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\xFFFD"},  // beyond U+10FFFF
        {"\xE4\xB8z", u"\xFFFDz"},        // a continuation byte missing
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(Utf8ToUtf16(bytes), text);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), Bytes(u8"\uFFFD"));
}

}  // namespace
