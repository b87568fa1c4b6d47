#include "PageSwitch.h"

#include <commctrl.h>

#include "ShellState.h"

void InsertPageTab(const PageRow& page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(page.caption);
    item.cchTextMax = page.captionLength;
    item.iImage = -1;
    SendMessageW(TabControl, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ShowPage(const PageRow& chosen) {
    if (CurrentPage == *chosen.page) {
        return;
    }
    SendMessageW(TabControl, TCM_DELETEITEM, 0, 0);
    InsertPageTab(chosen);
    for (const PageRow& row : kPageTable) {
        ShowWindow(*row.page, &row == &chosen ? SW_SHOWDEFAULT : SW_HIDE);
    }
    CurrentPage = *chosen.page;
}
