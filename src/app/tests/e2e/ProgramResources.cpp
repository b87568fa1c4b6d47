#include "ProgramResources.h"

ProgramResources::ProgramResources(const std::wstring& program)
    : module_(LoadLibraryExW(program.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ProgramResources::~ProgramResources() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

std::string_view ProgramResources::Data(const wchar_t* type, int id, LANGID language) const {
    const HRSRC found = FindResourceExW(module_, type, MAKEINTRESOURCEW(id), language);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return {bytes, SizeofResource(module_, found)};
}

HMENU ProgramResources::Menu(int id) const {
    const std::string_view data = Data(RT_MENU, id, kRussian);
    return data.empty() ? nullptr : LoadMenuIndirectW(data.data());
}
