// wLabels.dat: group lines and label lines, and the rows the list shows of them.
#include "fuzz.h"
#include "reference/care_labels.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::wstring> text = fuzz::DataFileText(data, size);
    if (!text) return 0;
    const tv::CareLabelBook book = tv::ReadCareLabels(*text);
    size_t labels = 0;
    for (const auto& group : book.labels) {
        for (const tv::CareLabel& label : group) FUZZ_CHECK(label.firstIcon >= 100 && label.meaning.size() <= 122);
        labels += group.size();
    }
    FUZZ_CHECK(labels == book.labelCount && labels <= tv::kMostCareLabels);
    for (const tv::CareLabelGroupName& group : book.groups)
        FUZZ_CHECK(group.group >= 0 && group.group < tv::kCareLabelGroups);
    const std::vector<uint64_t> all = tv::CareLabelRows(book, tv::kAllCareLabels);
    FUZZ_CHECK(all.size() == labels);
    for (uint64_t key : all) FUZZ_CHECK(tv::CareLabelOfRow(book, key) == &book.labels[key & 0xFFFF][key >> 16]);
    for (int g = 0; g < tv::kCareLabelGroups; ++g)
        FUZZ_CHECK(tv::CareLabelRows(book, g).size() == book.labels[g].size());
    // A key the list never made names no label, or a real one.
    uint64_t key = 0;
    for (size_t i = 0; i < 8 && size >= 8; ++i) key = key << 8 | data[size - 1 - i];
    const tv::CareLabel* label = size >= 8 ? tv::CareLabelOfRow(book, key) : nullptr;
    FUZZ_CHECK(!label || label->firstIcon >= 100);
    return 0;
}
