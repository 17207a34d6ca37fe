// Permutations, combinations and factorials through the dialog: a count, the
// messages instead of a wrapped number, and the item field per formula. The
// counting itself is the native suite's.
#include <gtest/gtest.h>

#include <tuple>

#include "tool_dialog_test_support.h"
#include "tools/permutations.h"

using wintest::ToolDialogTest;

TEST_F(ToolDialogTest, PermutationCountsUngroupedWithoutHelpAndRefusesWithMessagesThatKeepTheResult) {
    home->record.GroupDigits = true;
    OpenFromMenu(ID_PERMUTATION, nullptr, [&] {
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kCountFormulas);
        for (int id : {IDC_PERM_SET_SIZE, IDC_PERM_ITEMS_TAKEN}) EXPECT_EQ(Limit(id), 15);
        Type(IDC_PERM_SET_SIZE, L"20");
        Type(IDC_PERM_ITEMS_TAKEN, L"20");
        CalculateQuietly();
        EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"2432902008176640000");
        Type(IDC_CALC_RESULT, L"18446744073709551615");  // the widest count
        EXPECT_TRUE(wintest::ShowsWholeText(Field(IDC_CALC_RESULT)));

        const std::tuple<const wchar_t*, const wchar_t*, std::wstring> refused[] = {
            {L"3", L"4", wintest::kInvalidValue},  // more items than the set holds
            {L"30", L"20", wintest::kTooLarge}};   // beyond 64 bits
        for (const auto& [n, k, message] : refused) {
            Type(IDC_PERM_SET_SIZE, n);
            Type(IDC_PERM_ITEMS_TAKEN, k);
            EXPECT_EQ(Messages(), message) << n << " " << k;
        }
        Choose(IDC_CALC_FORMULA, tv::kFactorial);
        EXPECT_EQ(Fields({IDC_PERM_SET_SIZE, IDC_PERM_ITEMS_TAKEN, IDC_CALC_RESULT}),
                  L"30 | [] | [18446744073709551615]");  // the count stays
    });
}
