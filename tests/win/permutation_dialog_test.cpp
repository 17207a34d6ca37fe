// Permutations, combinations and factorials: exact counts, and a message
// rather than a wrapped number.
#include <gtest/gtest.h>

#include "calculator_test_support.h"
#include "tools/permutation_dialog.h"
#include "tools/permutations.h"

using wintest::CalculatorTest;
using wintest::MainWindowTest;

namespace {

class PermutationDialogTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        Show(std::make_unique<tv::PermutationDialog>());
    }
    std::wstring Count(int formula, const wchar_t* n, const wchar_t* k) {
        Choose(IDC_CALC_FORMULA, formula);
        Type(IDC_PERM_SET_SIZE, n);
        if (k) Type(IDC_PERM_ITEMS_TAKEN, k);
        CalculateQuietly();
        return TextOf(IDC_CALC_RESULT);
    }
    // Calculates where a message must answer; the Result must not change.
    std::vector<wintest::SeenMessageBox> Refused(int formula, const wchar_t* n, const wchar_t* k) {
        Choose(IDC_CALC_FORMULA, formula);
        Type(IDC_PERM_SET_SIZE, n);
        if (k) Type(IDC_PERM_ITEMS_TAKEN, k);
        SetWindowTextW(Field(IDC_CALC_RESULT), L"before");
        auto boxes = Calculate();
        EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"before");
        return boxes;
    }
};

}  // namespace

TEST_F(MainWindowTest, PermutationOpensFromItsMenuItemWithoutGroupingOrHelp) {
    Open();
    home->record.GroupDigits = true;
    home->record.DeciSize = 4;
    wintest::WhenDialogOpens([&](HWND d) {
        wintest::ExpectExactlyOver(d, main);
        EXPECT_EQ(wintest::ListEntries(GetDlgItem(d, IDC_CALC_FORMULA)),
                  (std::vector<std::wstring>{L"Permutation", L"Combination", L"Factorial Calculation"}));
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_CALC_FORMULA, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_PERM_SET_SIZE, EM_GETLIMITTEXT, 0, 0), 15);
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_PERM_ITEMS_TAKEN, EM_GETLIMITTEXT, 0, 0), 15);
        // Empty fields read 0: P(0, 0).
        SendDlgItemMessageW(d, IDC_CALC_BUTTON, BM_CLICK, 0, 0);
        EXPECT_EQ(wintest::Text(GetDlgItem(d, IDC_CALC_RESULT)), L"1");
        SetDlgItemTextW(d, IDC_PERM_SET_SIZE, L"20");
        SetDlgItemTextW(d, IDC_PERM_ITEMS_TAKEN, L"20");
        SendDlgItemMessageW(d, IDC_CALC_BUTTON, BM_CLICK, 0, 0);
        EXPECT_EQ(wintest::Text(GetDlgItem(d, IDC_CALC_RESULT)), L"2432902008176640000");
        SetDlgItemTextW(d, IDC_CALC_RESULT, L"18446744073709551615");  // the widest count
        EXPECT_LE(wintest::TextWidth(GetDlgItem(d, IDC_CALC_RESULT)), wintest::TextRoom(GetDlgItem(d, IDC_CALC_RESULT)));
        SendMessageW(d, WM_HELP, 0, 0);  // no topic
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    Command(ID_PERMUTATION);
    EXPECT_TRUE(helpUrls.empty());

    // The Tools menu offers it.
    HMENU tools = tv::shell::MenuBarSubMenu(main, IDMB_TOOLS);
    wchar_t item[64] = {};
    ASSERT_GT(GetMenuStringW(tools, ID_PERMUTATION, item, 64, MF_BYCOMMAND), 0);
    EXPECT_STREQ(item, L"Permutation/Combination...");
}

TEST_F(PermutationDialogTest, ExactCounts) {
    EXPECT_EQ(Count(tv::kPermutation, L"5", L"2"), L"20");
    EXPECT_EQ(Count(tv::kCombination, L"5", L"2"), L"10");
    EXPECT_EQ(Count(tv::kFactorial, L"5", nullptr), L"120");
    EXPECT_EQ(Count(tv::kFactorial, L"20", nullptr), L"2432902008176640000");
    EXPECT_EQ(Count(tv::kCombination, L"20", L"10"), L"184756");
    EXPECT_EQ(Count(tv::kPermutation, L"0", L"0"), L"1");
    EXPECT_EQ(Count(tv::kCombination, L"0", L"0"), L"1");
    EXPECT_EQ(Count(tv::kFactorial, L"0", nullptr), L"1");
    EXPECT_EQ(Count(tv::kFactorial, L"1", nullptr), L"1");
    EXPECT_EQ(Count(tv::kPermutation, L"12abc", L"2"), L"132");
    // Beyond 20! the counts that fit stay exact.
    EXPECT_EQ(Count(tv::kPermutation, L"25", L"3"), L"13800");
    EXPECT_EQ(Count(tv::kCombination, L"60", L"30"), L"118264581564861424");
    EXPECT_EQ(Count(tv::kCombination, L"66", L"33"), L"7219428434016265740");
}

TEST_F(PermutationDialogTest, RefusedInputsAndCountsTooLargeForSixtyFourBits) {
    wintest::ExpectInvalidValue(Refused(tv::kPermutation, L"-1", L"0"));
    wintest::ExpectInvalidValue(Refused(tv::kCombination, L"5", L"-1"));
    wintest::ExpectInvalidValue(Refused(tv::kFactorial, L"-1", nullptr));
    wintest::ExpectInvalidValue(Refused(tv::kPermutation, L"3", L"4"));  // k > n
    wintest::ExpectInvalidValue(Refused(tv::kCombination, L"3", L"4"));
    wintest::ExpectTooLarge(Refused(tv::kFactorial, L"21", nullptr));
    wintest::ExpectTooLarge(Refused(tv::kFactorial, L"66", nullptr));  // 0 modulo 2^64
    wintest::ExpectTooLarge(Refused(tv::kPermutation, L"30", L"20"));
    wintest::ExpectTooLarge(Refused(tv::kCombination, L"68", L"34"));
    wintest::ExpectTooLarge(Refused(tv::kFactorial, L"999999999999999", nullptr));
}

TEST_F(PermutationDialogTest, FactorialEmptiesTheItemFieldAndKeepsTheResult) {
    ASSERT_EQ(Count(tv::kPermutation, L"6", L"3"), L"120");
    Choose(IDC_CALC_FORMULA, tv::kFactorial);
    EXPECT_EQ(TextOf(IDC_PERM_ITEMS_TAKEN), L"");
    EXPECT_TRUE(ReadOnly(IDC_PERM_ITEMS_TAKEN));
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"120");
    EXPECT_EQ(TextOf(IDC_PERM_SET_SIZE), L"6");
    // Any notification of the list sets the fields, not only a new selection.
    SendMessageW(Field(IDC_CALC_FORMULA), CB_SETCURSEL, tv::kCombination, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CALC_FORMULA, CBN_CLOSEUP),
                 reinterpret_cast<LPARAM>(Field(IDC_CALC_FORMULA)));
    EXPECT_FALSE(ReadOnly(IDC_PERM_ITEMS_TAKEN));
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"120");
}
