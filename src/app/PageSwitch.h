// The tab that names the page shown, and switching between the pages.
#pragma once

#include "PageTable.h"

// Inserts the page's tab at index 0.
void InsertPageTab(const PageRow& page);

// Shows the chosen page, hides the others and renames the tab; nothing when it is shown already.
void ShowPage(const PageRow& chosen);
