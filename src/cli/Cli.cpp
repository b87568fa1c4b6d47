#include "Cli.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string_view>
#include <utility>

#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "MatrixPage.h"
#include "Utf8.h"

namespace {

constexpr int kPrinted = 0;
constexpr int kMessage = 1;
constexpr int kUsageError = 2;

// What a command's argument is: the text itself, a file (- for standard input) holding a
// box's text, or the text of a two-character box.
enum class Argument { Text, File, SmallBox };

using Inputs = std::vector<std::u16string>;

struct Command {
    const char* name;
    const char* synopsis;  // the arguments and what the command shows
    std::vector<Argument> arguments;
    std::function<PageAnswer(const Inputs&, SolveMethod)> answer;
    bool takesMethod = false;  // "--method NAME" may come first
};

// The equations page's methods by their names after --method.
constexpr std::pair<std::string_view, SolveMethod> kMethods[] = {{"cramer", SolveMethod::Cramer},
                                                                 {"gauss", SolveMethod::Gauss},
                                                                 {"matrix", SolveMethod::Matrix}};

PageAnswer Matrix(MatrixOperation operation, const Inputs& inputs, size_t bIndex = 0,
                  size_t exponentIndex = 0, size_t factorIndex = 0) {
    const auto box = [&](size_t index) {
        return index == 0 ? std::u16string_view() : std::u16string_view(inputs[index]);
    };
    return MatrixPageAnswer(operation,
                            {inputs[0], box(bIndex), box(exponentIndex), box(factorIndex)});
}

const std::vector<Command>& Commands() {
    using A = Argument;
    using M = MatrixOperation;
    static const std::vector<Command> commands = {
        {"expr",
         "ТЕКСТ — значение выражения (страница \"Примеры\")",
         {A::Text},
         [](const Inputs& in, SolveMethod) { return ExpressionPageAnswer(in[0]); }},
        {"det",
         "ФАЙЛ — \"Определитель A\"",
         {A::File},
         [](const Inputs& in, SolveMethod) { return Matrix(M::Determinant, in); }},
        {"add",
         "ФАЙЛ_A ФАЙЛ_B — \"A+B\"",
         {A::File, A::File},
         [](const Inputs& in, SolveMethod) { return Matrix(M::Sum, in, 1); }},
        {"sub",
         "ФАЙЛ_A ФАЙЛ_B — \"A-B\"",
         {A::File, A::File},
         [](const Inputs& in, SolveMethod) { return Matrix(M::Difference, in, 1); }},
        {"mul",
         "ФАЙЛ_A ФАЙЛ_B — \"A*B\"",
         {A::File, A::File},
         [](const Inputs& in, SolveMethod) { return Matrix(M::Product, in, 1); }},
        {"pow",
         "ФАЙЛ_A ПОКАЗАТЕЛЬ — \"A^\" (показатель: не более 2 символов)",
         {A::File, A::SmallBox},
         [](const Inputs& in, SolveMethod) { return Matrix(M::Power, in, 0, 1); }},
        {"scale",
         "ФАЙЛ_A МНОЖИТЕЛЬ — \"A*\" (множитель: не более 2 символов)",
         {A::File, A::SmallBox},
         [](const Inputs& in, SolveMethod) { return Matrix(M::ByNumber, in, 0, 0, 1); }},
        {"transpose",
         "ФАЙЛ_A — \"Транспонировать A\"",
         {A::File},
         [](const Inputs& in, SolveMethod) { return Matrix(M::Transpose, in); }},
        {"solve",
         "[--method cramer|gauss|matrix] ФАЙЛ — решение системы уравнений методом Крамера "
         "(по умолчанию), методом Гаусса или матричным методом",
         {A::File},
         [](const Inputs& in, SolveMethod method) { return EquationsPageAnswer(in[0], method); },
         true},
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
        "\nФАЙЛ \"-\" — стандартный ввод. Строки матрицы и уравнения разделяются переводом строки "
        "(LF или CR LF);\nодин перевод строки в самом конце файла не считается.\n"
        "Код возврата: 0 — напечатан результат, 1 — напечатано сообщение об ошибке во входных "
        "данных\nили в вычислении, 2 — неверный вызов.\n");
}

// The text is the program's own; the argument, the user's, is printed as given.
int UsageError(std::ostream& err, const std::string& cp1251Text, const std::string& argument = {}) {
    err << Say(cp1251Text) << argument << '\n' << Say("Подробнее: nerolith-cli --help") << '\n';
    return kUsageError;
}

// A file's text as a box would hold it: LF alone becomes CR LF, and the one line break that
// ends a file by convention is dropped.
std::u16string BoxTextOfFile(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            text += '\r';
        }
        text += bytes[i];
    }
    if (text.ends_with("\r\n")) {
        text.resize(text.size() - 2);
    }
    return Utf8ToUtf16(text);
}

bool ReadFile(const std::string& name, std::istream& in, std::string& bytes) {
    std::ifstream file;
    if (name != "-") {
        file.open(name, std::ios::binary);
        if (!file) {
            return false;
        }
    }
    std::istream& source = name == "-" ? in : file;
    bytes.assign(std::istreambuf_iterator<char>(source), std::istreambuf_iterator<char>());
    return !source.bad();
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
        return UsageError(err, "Не указана команда.");
    }
    const auto& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return arguments[0] == c.name; });
    if (command == commands.end()) {
        return UsageError(err, "Неизвестная команда: ", arguments[0]);
    }
    SolveMethod method = SolveMethod::Cramer;
    size_t first = 1;  // the first of the command's own arguments
    if (command->takesMethod && arguments.size() > 2 && arguments[1] == "--method") {
        const auto named = std::find_if(std::begin(kMethods), std::end(kMethods),
                                        [&](const auto& m) { return arguments[2] == m.first; });
        if (named == std::end(kMethods)) {
            return UsageError(err, "Неизвестный метод: ", arguments[2]);
        }
        method = named->second;
        first = 3;
    }
    if (arguments.size() - first != command->arguments.size()) {
        return UsageError(err, "Неверное число аргументов команды: ", command->name);
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
                        err, "Поле показателя и множителя вмещает не более 2 символов: ", argument);
                }
                break;
            case Argument::File: {
                std::string bytes;
                if (!ReadFile(argument, in, bytes)) {
                    return UsageError(err, "Не удаётся прочитать файл: ", argument);
                }
                inputs.push_back(BoxTextOfFile(bytes));
                break;
            }
        }
    }
    const PageAnswer answer = command->answer(inputs, method);
    PrintAnswer(out, answer);
    return answer.isMessage ? kMessage : kPrinted;
}
