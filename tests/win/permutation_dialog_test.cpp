// Permutations, combinations and factorials through the dialog: a count, the
// messages instead of a wrapped number, and the item field per formula. The
// counting itself is the native suite's.
#include <gtest/gtest.h>

#include <tuple>

#include "tool_dialog_test_support.h"
#include "tools/permutation_dialog.h"
#include "tools/permutations.h"

using wintest::ToolDialogTest;

namespace {

class PermutationDialogTest : public wintest::DialogTest<tv::PermutationDialog> {
protected:
    void Enter(int formula, const wchar_t* n, const wchar_t* k) {
        Choose(IDC_CALC_FORMULA, formula);
        Type(IDC_PERM_SET_SIZE, n);
        Type(IDC_PERM_ITEMS_TAKEN, k);
    }
};

}  // namespace

TEST_F(ToolDialogTest, PermutationOpensFromTheToolsMenuWithoutGroupingOrHelp) {
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
    });
    wchar_t item[64] = {};
    ASSERT_GT(GetMenuStringW(tv::shell::MenuBarSubMenu(main, IDMB_TOOLS), ID_PERMUTATION, item, 64, MF_BYCOMMAND), 0);
    EXPECT_STREQ(item, L"Permutation/Combination...");
}

TEST_F(PermutationDialogTest, CountsBeyondSixtyFourBitsAndBadInputsAreMessagesThatLeaveTheResult) {
    const std::tuple<int, const wchar_t*, const wchar_t*, std::wstring> rows[] = {
        {tv::kPermutation, L"3", L"4", wintest::kInvalidValue},  // k > n
        {tv::kFactorial, L"-1", L"", wintest::kInvalidValue},
        {tv::kFactorial, L"21", L"", wintest::kTooLarge},
        {tv::kPermutation, L"30", L"20", wintest::kTooLarge}};
    for (const auto& [formula, n, k, message] : rows) {
        Enter(formula, n, k);
        Type(IDC_CALC_RESULT, L"before");
        EXPECT_EQ(Messages(), message) << n << " " << k;
        EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"before") << n << " " << k;
    }
}

TEST_F(PermutationDialogTest, FactorialEmptiesTheItemFieldAndKeepsTheResult) {
    Enter(tv::kCombination, L"60", L"30");
    CalculateQuietly();
    ASSERT_EQ(TextOf(IDC_CALC_RESULT), L"118264581564861424");
    Choose(IDC_CALC_FORMULA, tv::kFactorial);
    EXPECT_EQ(Fields({IDC_PERM_SET_SIZE, IDC_PERM_ITEMS_TAKEN, IDC_CALC_RESULT}), L"60 | [] | [118264581564861424]");
    // Any notification of the list sets the fields, not only a new selection.
    SendMessageW(Field(IDC_CALC_FORMULA), CB_SETCURSEL, tv::kCombination, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CALC_FORMULA, CBN_CLOSEUP),
                 reinterpret_cast<LPARAM>(Field(IDC_CALC_FORMULA)));
    EXPECT_EQ(Fields({IDC_PERM_SET_SIZE, IDC_PERM_ITEMS_TAKEN, IDC_CALC_RESULT}), L"60 |  | [118264581564861424]");
}
