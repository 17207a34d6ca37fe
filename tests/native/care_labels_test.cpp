#include "reference/care_labels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;

Texts GroupNames(const tv::CareLabelBook& book) {
    Texts names;
    for (const auto& g : book.groups) names.push_back(std::to_wstring(g.group) + L":" + g.name);
    return names;
}

// The rows shown for `group`, in list order, as "first second meaning".
Texts Shown(const tv::CareLabelBook& book, int group) {
    Texts shown;
    for (uint32_t key : tv::CareLabelRows(book, group)) {
        const tv::CareLabel* l = tv::CareLabelOfRow(book, key);
        shown.push_back(l ? std::to_wstring(l->firstIcon) + L" " + std::to_wstring(l->secondIcon) + L" " + l->meaning : L"?");
    }
    return shown;
}

}  // namespace

TEST(CareLabels, FixedFieldsMakeGroupsAndLabels) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"  2  0Drying\r\n"
        L"130131Tumble dry, low heat  \t \r\n"  // trailing blanks and tabs go
        L"140  0  Line dry\n"                   // leading ones stay
        L"1604x2Text\n"                         // B ends at the x: 4
        L"150\n");                              // a label without a meaning
    EXPECT_EQ(GroupNames(book), (Texts{L"2:Drying"}));
    EXPECT_EQ(Shown(book, 2), (Texts{L"130 131 Tumble dry, low heat", L"140 0   Line dry", L"160 4 Text", L"150 0 "}));

    // A 200-character line keeps its first 127: 121 of them the meaning.
    const std::wstring longMeaning(194, L'm');
    EXPECT_EQ(tv::ReadCareLabels(L"170  0" + longMeaning).labels[0].at(0).meaning, longMeaning.substr(0, 121));
    // No digits read as 0: a group line.
    EXPECT_EQ(GroupNames(tv::ReadCareLabels(L"Care  Washing\n      \n")), (Texts{L"0:Washing", L"0:"}));
}

// Groups 5 to 99 are no groups: their labels stay in the group before.
TEST(CareLabels, AllLabelsComeInGroupOrderWhateverTheFileOrder) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"100  0Before any group\n"
        L"  3   Ironing\n300  0Iron low\n"
        L"  5   Fifth\n301  0After group 5\n"
        L" 99   Ninety-nine\n302  0After group 99\n"
        L"  1   Bleaching\n"
        L"  0   Washing\n101  0Wash 30\n");
    EXPECT_EQ(GroupNames(book), (Texts{L"3:Ironing", L"1:Bleaching", L"0:Washing"}));
    EXPECT_EQ(Shown(book, tv::kAllCareLabels), (Texts{L"100 0 Before any group", L"101 0 Wash 30", L"300 0 Iron low",
                                                      L"301 0 After group 5", L"302 0 After group 99"}));
    EXPECT_TRUE(Shown(book, 1).empty());
    // Group low, position high.
    EXPECT_EQ(tv::CareLabelRows(book, 3), (std::vector<uint32_t>{3u, 3u | 1u << 16, 3u | 2u << 16}));
    EXPECT_EQ(tv::CareLabelOfRow(book, 3u | 3u << 16), nullptr);
    EXPECT_EQ(tv::CareLabelOfRow(book, 5u), nullptr);
}

TEST(CareLabels, NoMoreLabelsAreKeptThanARowCanName) {
    std::wstring text = L"  4   Many\n";
    for (int i = 0; i < 40000; ++i) text += L"400  0four\n";
    text += L"  3   More\n";
    for (int i = 0; i < 40000; ++i) text += L"300  0three\n";
    text += L"  1   Late\n100  0one\n";
    const tv::CareLabelBook book = tv::ReadCareLabels(text);
    EXPECT_EQ(book.labels[3].size(), tv::kMostCareLabels - 40000);
    EXPECT_TRUE(book.labels[1].empty());
    EXPECT_EQ(book.groups.size(), 3u);  // group lines still count
    const std::vector<uint32_t> rows = tv::CareLabelRows(book, tv::kAllCareLabels);
    ASSERT_EQ(rows.size(), tv::kMostCareLabels);
    EXPECT_EQ(rows.back(), 4u | 39999u << 16);
    EXPECT_EQ(tv::CareLabelOfRow(book, rows.back())->meaning, L"four");
}
