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

// The meanings of the rows shown for `group`, in list order.
Texts Shown(const tv::CareLabelBook& book, int group) {
    Texts meanings;
    for (uint32_t key : tv::CareLabelRows(book, group)) {
        const tv::CareLabel* label = tv::CareLabelOfRow(book, key);
        meanings.push_back(label ? label->meaning : L"?");
    }
    return meanings;
}

}  // namespace

TEST(CareLabels, FixedFieldsMakeGroupsAndLabels) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"  2  0Drying\r\n"
        L"130131Tumble dry, low heat  \t \r\n"
        L"140  0  Line dry\n"
        L"1604x2Text\n"            // B ends at the x: 4
        L"150\n");                 // a label without a meaning
    EXPECT_EQ(GroupNames(book), (Texts{L"2:Drying"}));
    ASSERT_EQ(book.labels[2].size(), 4u);
    EXPECT_EQ(book.labels[2][0].firstIcon, 130);
    EXPECT_EQ(book.labels[2][0].secondIcon, 131);
    EXPECT_EQ(book.labels[2][0].meaning, L"Tumble dry, low heat");  // trailing blanks and tabs go
    EXPECT_EQ(book.labels[2][1].secondIcon, 0);
    EXPECT_EQ(book.labels[2][1].meaning, L"  Line dry");  // leading ones stay
    EXPECT_EQ(book.labels[2][2].secondIcon, 4);
    EXPECT_EQ(book.labels[2][3].meaning, L"");

    // A 200-character line keeps its first 127: 121 of them the meaning.
    const std::wstring longMeaning(194, L'm');
    EXPECT_EQ(tv::ReadCareLabels(L"170  0" + longMeaning).labels[0].at(0).meaning, longMeaning.substr(0, 121));
    // No digits read as 0: a group line.
    EXPECT_EQ(GroupNames(tv::ReadCareLabels(L"Care  Washing\n      \n")), (Texts{L"0:Washing", L"0:"}));
}

TEST(CareLabels, AllLabelsComeInGroupOrderWhateverTheFileOrder) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"  3   Ironing\n300  0Iron low\n301  0Iron high\n"
        L"  0   Washing\n100  0Wash 30\n"
        L"  4   Professional\n400  0Dry clean\n"
        L"  1   Bleaching\n"
        L"  2   Drying\n200  0Tumble\n");
    EXPECT_EQ(GroupNames(book), (Texts{L"3:Ironing", L"0:Washing", L"4:Professional", L"1:Bleaching", L"2:Drying"}));
    EXPECT_EQ(Shown(book, tv::kAllCareLabels), (Texts{L"Wash 30", L"Tumble", L"Iron low", L"Iron high", L"Dry clean"}));
    EXPECT_EQ(Shown(book, 3), (Texts{L"Iron low", L"Iron high"}));
    EXPECT_TRUE(Shown(book, 1).empty());
    EXPECT_EQ(tv::CareLabelRows(book, 3), (std::vector<uint32_t>{3u, 3u | 1u << 16}));  // group low, position high
    EXPECT_EQ(tv::CareLabelOfRow(book, 3u | 2u << 16), nullptr);
    EXPECT_EQ(tv::CareLabelOfRow(book, 5u), nullptr);
}

TEST(CareLabels, LabelsBeforeAnyGroupAndAfterAnUnknownGroupStayPut) {
    const tv::CareLabelBook book = tv::ReadCareLabels(
        L"100  0Before any group\n"
        L"  1   Bleaching\n110  0Bleach\n"
        L"  7   Seventh\n111  0After group 7\n"
        L" 99   Ninety-nine\n112  0After group 99\n"
        L"  5   Fifth\n113  0After group 5\n");
    EXPECT_EQ(GroupNames(book), (Texts{L"1:Bleaching"}));
    EXPECT_EQ(Shown(book, 0), (Texts{L"Before any group"}));
    EXPECT_EQ(Shown(book, 1), (Texts{L"Bleach", L"After group 7", L"After group 99", L"After group 5"}));
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
