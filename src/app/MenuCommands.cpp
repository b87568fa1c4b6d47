#include "MenuCommands.h"

#include <array>

#include "AboutBox.h"
#include "HelpCommand.h"
#include "resource.h"

namespace {

void ExitCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    SendMessageW(window, WM_CLOSE, wParam, lParam);
}

void HelpMenuCommand(HWND window, WPARAM, LPARAM) {
    HelpCommand(window);
}

void AboutMenuCommand(HWND window, WPARAM, LPARAM) {
    ShowAboutBox(window);
}

struct MenuCommand {
    WORD id;
    void (*run)(HWND window, WPARAM wParam, LPARAM lParam);
};

constexpr std::array<MenuCommand, 3> kMenuCommands = {{
    {IDM_EXIT, ExitCommand},
    {IDM_HELP, HelpMenuCommand},
    {IDM_ABOUT, AboutMenuCommand},
}};

}  // namespace

void RunMenuCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    for (const MenuCommand& command : kMenuCommands) {
        if (LOWORD(wParam) == command.id) {
            command.run(window, wParam, lParam);
        }
    }
}
