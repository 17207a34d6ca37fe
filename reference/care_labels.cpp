#include "reference/care_labels.h"

#include "reference/data_text.h"

namespace tv {
namespace {

// The file's numbers are unsigned 16-bit values.
uint16_t ReadNumberField(std::wstring_view field) { return static_cast<uint16_t>(ReadLeadingInteger(field)); }

std::wstring_view Field(std::wstring_view line, size_t from, size_t length) {
    return from < line.size() ? line.substr(from, length) : std::wstring_view();
}

std::wstring_view TrimEnd(std::wstring_view text) {
    size_t end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
    return text.substr(0, end);
}

}  // namespace

CareLabelBook ReadCareLabels(std::wstring_view text) {
    CareLabelBook book;
    int current = 0;
    LineReader lines(text);
    for (std::wstring_view line; lines.Next(line);) {
        line = CutLongLine(line);
        const uint16_t first = ReadNumberField(Field(line, 0, 3));
        const uint16_t second = ReadNumberField(Field(line, 3, 3));
        const std::wstring_view words = TrimEnd(Field(line, 6, std::wstring_view::npos));
        if (first >= 100) {
            if (book.labelCount == kMostCareLabels) continue;
            book.labels[current].push_back({first, second, std::wstring(words)});
            ++book.labelCount;
        } else if (first < kCareLabelGroups) {
            book.groups.push_back({first, std::wstring(words)});
            current = first;
        }
    }
    return book;
}

std::vector<uint64_t> CareLabelRows(const CareLabelBook& book, int group) {
    std::vector<uint64_t> rows;
    for (int g = 0; g < kCareLabelGroups; ++g) {
        if (group != kAllCareLabels && group != g) continue;
        for (size_t position = 0; position < book.labels[g].size(); ++position) {
            rows.push_back(static_cast<uint64_t>(g) | static_cast<uint64_t>(position) << 16);
        }
    }
    return rows;
}

const CareLabel* CareLabelOfRow(const CareLabelBook& book, uint64_t key) {
    const uint64_t group = key & 0xFFFF;
    const uint64_t position = key >> 16;
    if (group >= kCareLabelGroups || position >= book.labels[group].size()) return nullptr;
    return &book.labels[group][position];
}

}  // namespace tv
