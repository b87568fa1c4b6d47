// Text files: a file's bytes to a box's text, a result box's text to a file's bytes, and the
// messages about a file that could not be opened or saved. The window and nerolith-cli share them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The largest file that opens: 1 MB.
inline constexpr size_t kMaxTextFileBytes = 1024 * 1024;
// The longest text such a file gives a box: every byte a line break, each one made CR LF.
inline constexpr size_t kMaxBoxTextLength = 2 * kMaxTextFileBytes;

// Why a file was not opened or not saved; None when it was.
enum class FileFault {
    None,
    NotFound,
    FolderNotFound,
    NoRights,
    Locked,
    TooLarge,
    ZeroByte,
    ReadOnly,
    DiskFull,
    Failed
};

// The reasons, in the order of FileFault (Windows-1251), and the two frames around them.
inline constexpr std::array<std::string_view, 10> kFileMessages = {
    "",
    "файл не найден",
    "папка не найдена",
    "нет прав доступа",
    "файл занят другой программой",
    "файл больше 1 МБ",
    "в файле есть нулевой байт, это не текст",
    "файл только для чтения",
    "на диске нет места",
    "ошибка ввода-вывода",
};
inline constexpr std::string_view kNotOpened = "Не удалось открыть файл ";
inline constexpr std::string_view kNotSaved = "Не удалось сохранить файл ";
inline constexpr std::string_view kOnlyFirstDropped =
    "Перетащено несколько файлов, открыт только первый: ";

// The frame followed by the path in quotation marks: "Не удалось открыть файл «path»".
std::u16string NamedFile(std::string_view frame, std::u16string_view path);

enum class FileAction { Open, Save };

// "Не удалось открыть файл «path»: reason."
std::u16string FileMessage(FileAction action, std::u16string_view path, FileFault fault);

struct BoxTextOfFile {
    std::u16string text;
    FileFault fault;  // TooLarge or ZeroByte when the file is refused, else None
};

// A file's text as a box holds it. UTF-8 with a byte-order mark, UTF-16 LE or BE with one;
// otherwise UTF-8 when the bytes are well-formed UTF-8 and not all ASCII, else Windows-1251.
// Line breaks become CR LF, and the one that ends the file by convention is dropped.
BoxTextOfFile ReadTextFile(std::string_view bytes);

// A result box's text as a file holds it: UTF-8 with CR LF line breaks.
std::string TextFileBytes(std::u16string_view text);
