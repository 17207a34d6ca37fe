// wLabels.dat: group lines and label lines, and the rows the list shows of them.
#include "fuzz.h"
#include "reference/care_labels.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider& in) {
    const std::optional<std::wstring> text = DataFileText(bytes);
    if (!text) return;
    const tv::CareLabelBook book = tv::ReadCareLabels(*text);
    for (const tv::CareLabelGroupName& group : book.groups)
        FUZZ_CHECK(group.group >= 0 && group.group < tv::kCareLabelGroups);
    const std::vector<uint64_t> all = tv::CareLabelRows(book, tv::kAllCareLabels);
    FUZZ_CHECK(all.size() == book.labelCount && all.size() <= tv::kMostCareLabels);
    for (uint64_t key : all) FUZZ_CHECK(tv::CareLabelOfRow(book, key) == &book.labels[key & 0xFFFF][key >> 16]);
    for (int g = 0; g < tv::kCareLabelGroups; ++g) {
        FUZZ_CHECK(tv::CareLabelRows(book, g).size() == book.labels[g].size());
        for (const tv::CareLabel& label : book.labels[g])
            FUZZ_CHECK(label.firstIcon >= 100 && label.meaning.size() <= 122);
    }
    // A key the list never made names no label, or a real one.
    const tv::CareLabel* label = tv::CareLabelOfRow(book, in.ConsumeIntegral<uint64_t>());
    FUZZ_CHECK(!label || label->firstIcon >= 100);
}
