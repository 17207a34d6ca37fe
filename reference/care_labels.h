// The care-label file: groups of labels, each label one or two icons of the
// icon library and the meaning of the symbol.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

struct CareLabel {
    uint16_t firstIcon;   // icon resource id
    uint16_t secondIcon;  // 0 for none
    std::wstring meaning;
};

struct CareLabelGroupName {
    int group;  // 0 to 4
    std::wstring name;
};

inline constexpr int kCareLabelGroups = 5;
// The group list's "(All Labels)" entry.
inline constexpr int kAllCareLabels = -1;
// A file with more labels than this is damaged (a real one has tens), and
// the labels beyond it are dropped. The bound the code lists have.
inline constexpr size_t kMostCareLabels = size_t{1} << 20;

struct CareLabelBook {
    std::vector<CareLabelGroupName> groups;  // the group lines, in file order
    std::array<std::vector<CareLabel>, kCareLabelGroups> labels;  // per group, in file order
    size_t labelCount = 0;  // in all groups
};

// Reads the file's text. Each line (cut to 127 characters when longer than
// 128) holds a number in characters 1 to 3, a second in 4 to 6 and a text
// from 7 on. A number below 100 starts the group of that number, 0 to 4;
// the group lines numbered 5 to 99 are ignored and what follows stays in the
// group before. A larger number is a label's first icon, with its second
// icon and its meaning; labels before any group line belong to group 0.
CareLabelBook ReadCareLabels(std::wstring_view text);

// The list rows for one group, or every group in number order for
// kAllCareLabels: each row's key, the group in the low 16 bits and the
// label's position in its group above them.
std::vector<uint64_t> CareLabelRows(const CareLabelBook& book, int group);

// The label a row key names, or nullptr.
const CareLabel* CareLabelOfRow(const CareLabelBook& book, uint64_t key);

}  // namespace tv
