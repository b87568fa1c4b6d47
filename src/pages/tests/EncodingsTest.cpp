// The boxes' UTF-16 to the calculators' Windows-1251 and to the command line's UTF-8, and back.
#include <gtest/gtest.h>

#include "BoxText.h"
#include "Utf8.h"

namespace {

std::string Bytes(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(BoxText, MapsEachCharacterAndKeepsTheFirstThatHasNoByte) {
    const std::string u(1, kUnmappedByte);
    const std::u16string loneHalf(1, char16_t{0xD800});
    const struct {
        std::u16string text;
        std::string bytes;
        std::u16string firstUnmapped;
    } cases[] = {
        {u"Матрица ЁёЯя № — «» €\r\n", "Матрица ЁёЯя № — «» €\r\n", u""},
        {u"a中b字", "a" + u + "b" + u, u"中"},
        {u"x\U0001F600y中", "x" + u + "y" + u, u"\U0001F600"},  // a surrogate pair is one character
        {loneHalf + u"1", u + "1", loneHalf},
    };
    for (const auto& c : cases) {
        const Cp1251Text text = ToCp1251(c.text);
        EXPECT_EQ(text.bytes, c.bytes);
        EXPECT_EQ(text.firstUnmapped, c.firstUnmapped);
    }
    EXPECT_EQ(FromCp1251("Матрица ЁёЯя № — «» €\r\n"), u"Матрица ЁёЯя № — «» €\r\n");
}

// Every plane both ways; a byte that belongs to no well-formed sequence, and a lone surrogate,
// as U+FFFD.
TEST(Utf8, ConvertsEveryPlaneAndReplacesWhatIsMalformed) {
    const std::u16string text = u"Матрица A\r\n\U0001F600 и \U00010348";
    EXPECT_EQ(Utf16ToUtf8(text), Bytes(u8"Матрица A\r\n\U0001F600 и \U00010348"));
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    const std::pair<std::string, std::u16string> malformed[] = {
        {"\xC3", u"\xFFFD"},              // cut short
        {"\xFFz", u"\xFFFDz"},            // never a lead byte
        {"\xC0\xAF", u"\xFFFD"},          // overlong
        {"\xED\xA0\x80", u"\xFFFD"},      // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\xFFFD"},  // beyond U+10FFFF
        {"\xE4\xB8z", u"\xFFFDz"},        // a continuation byte missing
    };
    for (const auto& [bytes, read] : malformed) {
        EXPECT_EQ(Utf8ToUtf16(bytes), read);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), Bytes(u8"\uFFFD"));
}

}  // namespace
