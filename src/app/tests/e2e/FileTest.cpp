// Files through the menu's keys and the system's dialogs, and dropped; run as an ordinary user.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "ProgramDriver.h"
#include "resource.h"
#include "Utf8.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class FileTest : public NerolithTest {
protected:
    void SetUp() override {
        NerolithTest::SetUp();
        RemoveFolder();
        fs::create_directories(folder);
    }
    // As another program would: from outside Wine, which keeps the folder a dialog shows open
    // and a read-only file there in place against Windows' own calls.
    void RemoveFolder() const {
        using UnixName = char*(CDECL*)(const wchar_t*);
        const std::string name = reinterpret_cast<UnixName>(reinterpret_cast<void*>(GetProcAddress(
            GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")))(folder.c_str());
        fs::create_directories(folder);  // so that rm is done when it is gone
        WinExec(("Z:\\bin\\rm -rf " + name).c_str(), SW_HIDE);
        EXPECT_TRUE(WaitFor([&] { return !fs::exists(folder); }, 10s));
    }
    fs::path Write(const std::wstring& name, const std::optional<std::string>& bytes) const {
        if (bytes) {
            std::ofstream(folder / name, std::ios::binary) << *bytes;
        }
        return folder / name;
    }
    // The system's dialog that `chord` opens; `path` typed into it, then Enter.
    HWND Choose(const std::vector<WORD>& chord, const fs::path& path) const {
        PressKeys(chord);
        const HWND dialog = program.WaitForShown(nullptr);
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog; }, 5s));
        PressKeys({VK_CONTROL, 'A'}, path.wstring());
        PressKeys({VK_RETURN});
        return dialog;
    }
    // Whether a message box says `frame` «path» then `end`; the box is closed.
    bool Says(const std::wstring& frame, const fs::path& path, const std::wstring& end,
              const wchar_t* caption = L"Ошибка") const {
        const HWND box = program.WaitForShown(caption);
        Pose(L"file-error");
        const std::wstring text = frame + L" «" + path.wstring() + L"»" + end;
        const bool says = FindWindowExW(box, nullptr, L"Static", text.c_str()) != nullptr;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return says && WaitFor([&] { return !IsWindow(box); }, 5s);
    }

    const fs::path folder = fs::temp_directory_path() / L"nerolith-files";
};

// Ctrl+O in a box holding "old": the file's text replaces it whole, and Ctrl+Z brings "old" back;
// or an error box names the file and the reason, and the box keeps "old".
TEST_F(FileTest, OpensEachEncodingWholeAsOneEditOrSaysWhyNot) {
    std::string lines;
    while (lines.size() < 900 * 1024) {
        lines += "12x-3.5y=7\r\n";
    }
    const std::wstring bigText(lines.begin(), lines.end() - 2);
    const std::string utf16("\xFF\xFE\x31\0\n\0\x16\x04", 8), zero("1\0\x32", 3);
    const struct {
        int page, box;
        const wchar_t* name;
        std::optional<std::string> bytes;  // none: no such file
        std::wstring text;                 // the box's text, or the reason it is refused
        bool opens = true;
    } rows[] = {
        {IDC_PAGE_EXPRESSION, IDC_EXPRESSION_INPUT, L"missing.txt", {}, L"файл не найден", false},
        {IDC_PAGE_EXPRESSION, IDC_EXPRESSION_INPUT, L"bom.txt", "\xEF\xBB\xBF\x32*(3-1)\n",
         L"2*(3-1)"},
        {IDC_PAGE_EQUATIONS, IDC_EQUATIONS_INPUT, L"system.txt", "x+\xD1\x83=1\nx-y=2\n",
         L"x+у=1\r\nx-y=2"},
        {IDC_PAGE_MATRIX, IDC_MATRIX_B, L"utf16.txt", utf16, L"1\r\nЖ"},
        {IDC_PAGE_MATRIX, IDC_MATRIX_A, L"1251.txt", "\xC6\r3", L"Ж\r\n3"},
        {IDC_PAGE_EQUATIONS, IDC_EQUATIONS_INPUT, L"big.txt", lines, bigText},
        {IDC_PAGE_MATRIX, IDC_MATRIX_A, L"2mb.txt", std::string(2 << 20, '1'), L"файл больше 1 МБ",
         false},
        {IDC_PAGE_EQUATIONS, IDC_EQUATIONS_INPUT, L"zero.txt", zero,
         L"в файле есть нулевой байт, это не текст", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name);
        const fs::path path = Write(row.name, row.bytes);
        program.Click(row.page);
        program.SetText(row.box, L"old");
        const HWND box = program.Control(row.box);
        ASSERT_TRUE(program.FocusOn(box));
        Choose({VK_CONTROL, 'O'}, path);
        if (!row.opens) {
            EXPECT_TRUE(Says(L"Не удалось открыть файл", path, L": " + row.text + L"."));
            EXPECT_EQ(program.Text(row.box), L"old");
            continue;
        }
        EXPECT_TRUE(WaitFor([&] { return program.Text(row.box) == row.text; }, 10s));
        PressKeys({VK_CONTROL, 'Z'});
        EXPECT_TRUE(WaitFor([&] { return program.Text(row.box) == L"old"; }, 10s));
    }
}

// Ctrl+S writes the result box in UTF-8, over an old file after the overwrite question; a save
// that fails leaves the old file as it was, no temporary file, and an error box.
TEST_F(FileTest, SavesTheResultWholeOrLeavesTheOldFileAsItWas) {
    program.Click(IDC_PAGE_EQUATIONS);
    program.SetText(IDC_EQUATIONS_INPUT, L"2x+y=5\r\nx-y=1");
    program.Click(IDC_EQUATIONS_SOLVE);
    ASSERT_TRUE(WaitFor([&] { return !program.Text(IDC_EQUATIONS_RESULT).empty(); }, 5s));
    const std::wstring text = program.Text(IDC_EQUATIONS_RESULT);
    const std::string result = Utf16ToUtf8(std::u16string(text.begin(), text.end()));
    enum class Then { Nothing, ReadOnly, FolderGone };  // what happens before the save
    const struct {
        std::optional<std::string> old;
        Then then;
        std::wstring reason;  // none when saved
        std::string after;    // the file then; none for no file
    } rows[] = {
        {std::nullopt, Then::Nothing, L"", result},
        {"old", Then::Nothing, L"", result},
        {"old", Then::ReadOnly, L"файл только для чтения", "old"},
        {"old", Then::FolderGone, L"папка не найдена", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.then));
        SetUp();
        const fs::path path = Write(L"result.txt", row.old);
        if (row.then == Then::ReadOnly) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        const HWND dialog = Choose({VK_CONTROL, 'S'}, path);
        if (row.old) {  // the overwrite question, answered with Enter (Yes)
            ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() != dialog; }, 5s));
            if (row.then == Then::FolderGone) {
                RemoveFolder();
            }
            PressKeys({VK_RETURN});
        }
        if (!row.reason.empty()) {
            EXPECT_TRUE(Says(L"Не удалось сохранить файл", path, L": " + row.reason + L"."));
        }
        EXPECT_TRUE(WaitFor([&] { return ReadAll(path) == row.after; }, 5s)) << ReadAll(path);
        std::error_code gone;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder, gone), {}),
                  row.after.empty() ? 0 : 1)
            << "no temporary file";
    }
}

// A real WM_DROPFILES with two files: the first opens, and a note says so.
TEST_F(FileTest, ADroppedFileOpensTheFirstOfSeveral) {
    const fs::path first = Write(L"first.txt", "1+1"), second = Write(L"b.txt", "2+2");
    const std::wstring names = first.wstring() + L'\0' + second.wstring() + L'\0' + L'\0';
    const DROPFILES header{sizeof(DROPFILES), {}, FALSE, TRUE};
    std::string block(reinterpret_cast<const char*>(&header), sizeof(header));
    block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
    // A fixed global block's handle is its address, so the program's own copy serves as HDROP.
    PostMessageW(program.MainWindow(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(program.CopyIntoProgram(block.data(), block.size())), 0);
    EXPECT_TRUE(
        Says(L"Перетащено несколько файлов, открыт только первый:", first, L".", L"Nerolith"));
    EXPECT_EQ(program.Text(IDC_EXPRESSION_INPUT), L"1+1");
}

}  // namespace
