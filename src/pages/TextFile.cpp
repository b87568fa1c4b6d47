#include "TextFile.h"

#include <algorithm>

#include "BoxText.h"
#include "Utf8.h"

namespace {

// Lone LF and lone CR become CR LF.
std::u16string WithCrLf(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') {
            out += text[i];
            continue;
        }
        out += u"\r\n";
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
    return out;
}

// An odd last byte reads as U+FFFD.
std::u16string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    if (bytes.size() % 2 != 0) {
        text += u'\xFFFD';
    }
    return text;
}

bool IsAscii(std::string_view bytes) {
    return std::ranges::all_of(bytes,
                               [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

std::u16string Decoded(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return Utf8ToUtf16(bytes.substr(3));
    }
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
    }
    if (!IsAscii(bytes) && IsWellFormedUtf8(bytes)) {
        return Utf8ToUtf16(bytes);
    }
    return FromCp1251(bytes);
}

}  // namespace

std::u16string NamedFile(std::string_view frame, std::u16string_view path) {
    return FromCp1251(frame) + u"«" + std::u16string(path) + u"»";
}

std::u16string FileMessage(FileAction action, std::u16string_view path, FileFault fault) {
    return NamedFile(action == FileAction::Open ? kNotOpened : kNotSaved, path) + u": " +
           FromCp1251(kFileMessages[static_cast<size_t>(fault)]) + u".";
}

BoxTextOfFile ReadTextFile(std::string_view bytes) {
    if (bytes.size() > kMaxTextFileBytes) {
        return {{}, FileFault::TooLarge};
    }
    std::u16string text = WithCrLf(Decoded(bytes));
    if (text.find(u'\0') != std::u16string::npos) {
        return {{}, FileFault::ZeroByte};
    }
    if (text.ends_with(u"\r\n")) {
        text.resize(text.size() - 2);
    }
    return {text, FileFault::None};
}

std::string TextFileBytes(std::u16string_view text) {
    return Utf16ToUtf8(WithCrLf(text));
}
