// The resources of a program file, read without running it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

class ProgramResources {
public:
    explicit ProgramResources(const std::wstring& program);
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    // The bytes of a resource in exactly this language; empty when there is none.
    std::string_view Data(const wchar_t* type, int id, LANGID language) const;
    // A menu built from the Russian menu resource, or null.
    HMENU Menu(int id) const;

private:
    HMODULE module_;
};

inline constexpr LANGID kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
inline constexpr LANGID kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
