// The folder part of a file's path.
#pragma once

#include <string>
#include <string_view>

// The characters of `path` up to and including its last backslash; empty when it has none.
std::wstring FolderOfPath(std::wstring_view path);
