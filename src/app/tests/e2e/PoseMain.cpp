// Sets nerolith.exe up for a screenshot, leaves it open and then creates READY-FILE.
// Usage: nerolith-pose PATH-TO-nerolith.exe POSE READY-FILE
// The other Windows headers need <windows.h> first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <string>

#include "HelpHandler.h"
#include "ProgramDriver.h"
#include "resource.h"

namespace {

// A pose is done once its result box is filled or its box is open.
bool PoseExpression(const NerolithProcess& program) {
    program.SetText(IDC_EXPRESSION_INPUT, L"(2.5+7.5)*(3-1.25)/4");
    program.Click(IDC_EXPRESSION_SOLVE);
    return !program.Text(IDC_EXPRESSION_RESULT).empty();
}

bool PoseMatrix(const NerolithProcess& program) {
    program.Click(IDC_PAGE_MATRIX);
    program.SetText(IDC_MATRIX_A, L"1 2 3\r\n4 5 6\r\n7 8 10");
    program.SetText(IDC_MATRIX_B, L"1 0 2\r\n0 1 0\r\n3 0 1");
    program.SetText(IDC_MATRIX_EXPONENT, L"2");
    program.Click(IDC_MATRIX_POWER);
    return !program.Text(IDC_MATRIX_RESULT).empty();
}

bool PoseEquations(const NerolithProcess& program) {
    program.Click(IDC_PAGE_EQUATIONS);
    program.SetText(IDC_EQUATIONS_INPUT, L"2x+y=5\r\nx-y=1");
    program.Click(IDC_EQUATIONS_SOLVE);
    return !program.Text(IDC_EQUATIONS_RESULT).empty();
}

bool PoseAbout(const NerolithProcess& program) {
    program.PostCommand(IDM_ABOUT);
    return program.WaitForDialog(L"О программе...") != nullptr;
}

bool PoseHelpError(const NerolithProcess& program) {
    program.PostCommand(IDM_HELP);
    return program.WaitForDialog(L"Ошибка") != nullptr;
}

bool PoseHelpNoProgram(const NerolithProcess& program) {
    RegisterNoHandler();
    return PoseHelpError(program);
}

struct Pose {
    const wchar_t* name;
    bool withoutHelp;  // started from a folder without Help.htm
    bool (*setUp)(const NerolithProcess& program);
};

const Pose kPoses[] = {
    {L"expression", false, PoseExpression}, {L"matrix", false, PoseMatrix},
    {L"equations", false, PoseEquations},   {L"about", false, PoseAbout},
    {L"help-error", true, PoseHelpError},   {L"help-no-program", false, PoseHelpNoProgram}};

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 4) {
        std::fprintf(stderr, "usage: nerolith-pose PATH-TO-nerolith.exe POSE READY-FILE\n");
        return 2;
    }
    for (const Pose& pose : kPoses) {
        if (std::wstring(arguments[2]) != pose.name) {
            continue;
        }
        NerolithProcess running(
            pose.withoutHelp ? CopyOfProgram(arguments[1], L"nerolith-pose", false) : arguments[1]);
        if (!running.HasMainWindow() || !pose.setUp(running)) {
            return 1;
        }
        running.Detach();
        CloseHandle(CreateFileW(arguments[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        return 0;
    }
    std::fprintf(stderr, "unknown pose\n");
    return 2;
}
