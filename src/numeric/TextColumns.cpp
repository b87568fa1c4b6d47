// Texts laid out in right-aligned columns.
#include "TextColumns.h"

#include <algorithm>

std::string PadLeft(const std::string& text, int width) {
    const auto length = static_cast<long long>(text.size());
    if (length > width) {
        return text;
    }
    return std::string(static_cast<size_t>(width - length + 1), ' ') + text;
}

std::vector<std::string> AlignedRows(const std::vector<std::vector<std::string>>& texts) {
    size_t firstWidth = 0;
    size_t width = 0;
    for (const std::vector<std::string>& row : texts) {
        for (const std::string& element : row) {
            width = std::max(width, element.size());
        }
        firstWidth = std::max(firstWidth, row.front().size());
    }
    std::vector<std::string> rows;
    rows.reserve(texts.size());
    for (const std::vector<std::string>& row : texts) {
        std::string& written = rows.emplace_back();
        for (size_t c = 0; c < row.size(); ++c) {
            written += PadLeft(row[c], static_cast<int>(c == 0 ? firstWidth : width));
            if (c > 0 && c + 1 < row.size()) {
                written += ' ';
            }
        }
    }
    return rows;
}
