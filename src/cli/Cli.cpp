#include "Cli.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>
#include <iterator>
#include <string_view>
#include <utility>

#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "MatrixPage.h"
#include "TextFile.h"
#include "Utf8.h"

namespace {

constexpr int kPrinted = 0;
constexpr int kMessage = 1;
constexpr int kUsageError = 2;

// What a command's argument is: the text itself, a file (- for standard input) holding a
// box's text, or the text of a two-character box.
enum class Argument { Text, File, SmallBox };

using Inputs = std::vector<std::u16string>;

// What the options before a command's own arguments chose.
struct Options {
    SolveMethod method = SolveMethod::Cramer;
    bool exact = false;  // «Точные дроби»
};

// The option a command takes before its own arguments.
enum class Option { None, Method, Exact };

struct Command {
    const char* name;
    const char* synopsis;  // the arguments and what the command shows
    std::vector<Argument> arguments;
    std::function<PageAnswer(const Inputs&, Options)> answer;
    Option option = Option::None;  // "--method NAME" or "--exact" may come first
};

// The equations page's methods by their names after --method.
constexpr std::pair<std::string_view, SolveMethod> kMethods[] = {{"cramer", SolveMethod::Cramer},
                                                                 {"gauss", SolveMethod::Gauss},
                                                                 {"matrix", SolveMethod::Matrix}};

PageAnswer Matrix(MatrixOperation operation, const Inputs& inputs, Options options,
                  size_t bIndex = 0, size_t exponentIndex = 0, size_t factorIndex = 0) {
    const auto box = [&](size_t index) {
        return index == 0 ? std::u16string_view() : std::u16string_view(inputs[index]);
    };
    return MatrixPageAnswer(
        operation, {inputs[0], box(bIndex), box(exponentIndex), box(factorIndex), options.exact});
}

const std::vector<Command>& Commands() {
    using A = Argument;
    using M = MatrixOperation;
    static const std::vector<Command> commands = {
        {"expr",
         "ТЕКСТ — значение выражения (страница \"Примеры\")",
         {A::Text},
         [](const Inputs& in, Options) { return ExpressionPageAnswer(in[0]); }},
        {"det",
         "[--exact] ФАЙЛ — \"Определитель A\"",
         {A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Determinant, in, o); },
         Option::Exact},
        {"add",
         "[--exact] ФАЙЛ_A ФАЙЛ_B — \"A+B\"",
         {A::File, A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Sum, in, o, 1); },
         Option::Exact},
        {"sub",
         "[--exact] ФАЙЛ_A ФАЙЛ_B — \"A-B\"",
         {A::File, A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Difference, in, o, 1); },
         Option::Exact},
        {"mul",
         "[--exact] ФАЙЛ_A ФАЙЛ_B — \"A*B\"",
         {A::File, A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Product, in, o, 1); },
         Option::Exact},
        {"pow",
         "[--exact] ФАЙЛ_A ПОКАЗАТЕЛЬ — \"A^\" (показатель: не более 2 символов)",
         {A::File, A::SmallBox},
         [](const Inputs& in, Options o) { return Matrix(M::Power, in, o, 0, 1); },
         Option::Exact},
        {"scale",
         "[--exact] ФАЙЛ_A МНОЖИТЕЛЬ — \"A*\" (множитель: не более 2 символов)",
         {A::File, A::SmallBox},
         [](const Inputs& in, Options o) { return Matrix(M::ByNumber, in, o, 0, 0, 1); },
         Option::Exact},
        {"transpose",
         "[--exact] ФАЙЛ_A — \"Транспонировать A\"",
         {A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Transpose, in, o); },
         Option::Exact},
        {"inverse",
         "[--exact] ФАЙЛ_A — \"Обратная A\", всегда точно",
         {A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Inverse, in, o); },
         Option::Exact},
        {"rank",
         "[--exact] ФАЙЛ_A — \"Ранг A\", всегда точно",
         {A::File},
         [](const Inputs& in, Options o) { return Matrix(M::Rank, in, o); },
         Option::Exact},
        {"solve",
         "[--method cramer|gauss|matrix] ФАЙЛ — решение системы уравнений методом Крамера "
         "(по умолчанию), методом Гаусса или матричным методом",
         {A::File},
         [](const Inputs& in, Options o) { return EquationsPageAnswer(in[0], o.method); },
         Option::Method},
    };
    return commands;
}

// The program's own texts are Windows-1251 bytes; the terminal gets UTF-8.
std::string Say(const std::string& cp1251) {
    return Utf16ToUtf8(FromCp1251(cp1251));
}

void PrintHelp(std::ostream& out) {
    out << Say("Использование: nerolith-cli КОМАНДА АРГУМЕНТЫ...\n\nКоманды:\n");
    for (const Command& command : Commands()) {
        out << "  " << command.name << ' ' << Say(command.synopsis) << '\n';
    }
    out << Say(
        "\n--exact — флажок \"Точные дроби\": точные числа, дроби вида 1/2, отчёты определителя.\n"
        "ФАЙЛ \"-\" — стандартный ввод: текст в UTF-8, UTF-16 с меткой BOM или Windows-1251, не "
        "больше 1 МБ.\nСтроки матрицы и уравнения разделяются переводом строки (LF, CR или CR LF); "
        "один перевод\nстроки в самом конце файла не считается.\n"
        "Код возврата: 0 — напечатан результат, 1 — напечатано сообщение об ошибке во входных "
        "данных\nили в вычислении, 2 — неверный вызов или файл не прочитан.\n");
}

int UsageError(std::ostream& err, const std::string& utf8Text) {
    err << utf8Text << '\n' << Say("Подробнее: nerolith-cli --help") << '\n';
    return kUsageError;
}

// The file's bytes, at most one more than the largest file that opens (- reads standard input).
FileFault ReadFileBytes(const std::string& name, std::istream& in, std::string& bytes) {
    std::ifstream file;
    if (name != "-") {
        errno = 0;
        file.open(name, std::ios::binary);
        if (!file) {
            return errno == ENOENT   ? FileFault::NotFound
                   : errno == EACCES ? FileFault::NoRights
                                     : FileFault::Failed;
        }
    }
    std::istream& source = name == "-" ? in : file;
    bytes.resize(kMaxTextFileBytes + 1);
    source.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(source.gcount()));
    return source.bad() ? FileFault::Failed : FileFault::None;
}

void PrintAnswer(std::ostream& out, const PageAnswer& answer) {
    std::string text = Utf16ToUtf8(answer.text);
    std::string printed;
    printed.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            printed += text[i];
        }
    }
    if (!printed.ends_with('\n')) {
        printed += '\n';
    }
    out << printed;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        PrintHelp(out);
        return kPrinted;
    }
    if (arguments.empty()) {
        return UsageError(err, Say("Не указана команда."));
    }
    const auto& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return arguments[0] == c.name; });
    if (command == commands.end()) {
        return UsageError(err, Say("Неизвестная команда: ") + arguments[0]);
    }
    Options options;
    size_t first = 1;  // the first of the command's own arguments
    if (command->option == Option::Method && arguments.size() > 2 && arguments[1] == "--method") {
        const auto named = std::find_if(std::begin(kMethods), std::end(kMethods),
                                        [&](const auto& m) { return arguments[2] == m.first; });
        if (named == std::end(kMethods)) {
            return UsageError(err, Say("Неизвестный метод: ") + arguments[2]);
        }
        options.method = named->second;
        first = 3;
    }
    if (command->option == Option::Exact && arguments.size() > 1 && arguments[1] == "--exact") {
        options.exact = true;
        first = 2;
    }
    if (arguments.size() - first != command->arguments.size()) {
        return UsageError(err, Say("Неверное число аргументов команды: ") + command->name);
    }
    Inputs inputs;
    for (size_t i = 0; i < command->arguments.size(); ++i) {
        const std::string& argument = arguments[i + first];
        switch (command->arguments[i]) {
            case Argument::Text:
                inputs.push_back(Utf8ToUtf16(argument));
                break;
            case Argument::SmallBox:
                inputs.push_back(Utf8ToUtf16(argument));
                if (inputs.back().size() > 2) {
                    return UsageError(
                        err, Say("Поле показателя и множителя вмещает не более 2 символов: ") +
                                 argument);
                }
                break;
            case Argument::File: {
                std::string bytes;
                const FileFault unread = ReadFileBytes(argument, in, bytes);
                BoxTextOfFile file =
                    unread == FileFault::None ? ReadTextFile(bytes) : BoxTextOfFile{{}, unread};
                if (file.fault != FileFault::None) {
                    return UsageError(
                        err, Utf16ToUtf8(
                                 FileMessage(FileAction::Open, Utf8ToUtf16(argument), file.fault)));
                }
                inputs.push_back(std::move(file.text));
                break;
            }
        }
    }
    const PageAnswer answer = command->answer(inputs, options);
    PrintAnswer(out, answer);
    return answer.isMessage ? kMessage : kPrinted;
}
