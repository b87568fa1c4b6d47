#include <gtest/gtest.h>

#include "Utf8.h"

namespace {

std::string Bytes(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(Utf8, RoundTripsEveryPlane) {
    const std::u16string texts[] = {
        u"", u"1+2", u"Матрица A", u"中文", u"\U0001F600 и \U00010348", u"\r\n\t"};
    for (const std::u16string& text : texts) {
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    }
    EXPECT_EQ(Utf16ToUtf8(u"Матрица"), Bytes(u8"Матрица"));
    EXPECT_EQ(Utf8ToUtf16(Bytes(u8"x\U0001F600")), u"x\U0001F600");
}

TEST(Utf8, ReadsAMalformedSequenceAsReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"\xC3", u"\xFFFD"},  // cut short
        {"\xFF"
         "1",
         u"\xFFFD"
         u"1"},                           // never a lead byte
        {"\xC0\xAF", u"\xFFFD"},          // overlong
        {"\xED\xA0\x80", u"\xFFFD"},      // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\xFFFD"},  // beyond U+10FFFF
        {"\xE4\xB8"
         "a",
         u"\xFFFD"
         u"a"},  // a continuation byte missing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), Bytes(u8"\uFFFD"));
}

}  // namespace
