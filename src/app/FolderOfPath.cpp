#include "FolderOfPath.h"

std::wstring FolderOfPath(std::wstring_view path) {
    const size_t lastBackslash = path.rfind(L'\\');
    if (lastBackslash == std::wstring_view::npos) {
        return {};
    }
    return std::wstring(path.substr(0, lastBackslash + 1));
}
