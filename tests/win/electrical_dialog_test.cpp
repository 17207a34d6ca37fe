// The electrical calculator, opened from the main window and driven through
// its controls.
#include <gtest/gtest.h>

#include "calculator_test_support.h"
#include "tools/electrical_dialog.h"
#include "tools/electrical_formulas.h"

using wintest::CalculatorTest;
using wintest::MainWindowTest;

namespace {

constexpr int kFields[] = {IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS, IDC_ELEC_AMPERES};

class ElectricalDialogTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        Show(std::make_unique<tv::ElectricalDialog>(settings));
    }
    // Chooses `formula` and types its inputs: watts, volts, ohms, amperes,
    // nullptr for a field left alone.
    void Enter(int formula, const wchar_t* p, const wchar_t* v, const wchar_t* r, const wchar_t* i) {
        Choose(IDC_CALC_FORMULA, formula);
        const wchar_t* const texts[] = {p, v, r, i};
        for (int q = 0; q < 4; ++q) {
            if (texts[q]) Type(kFields[q], texts[q]);
        }
    }
};

}  // namespace

TEST_F(MainWindowTest, ElectricalOpensOnFormulaZeroWithTheOptionsFormat) {
    Open();
    home->record.DeciSize = 1;
    home->record.GroupDigits = true;
    wintest::WhenDialogOpens([&](HWND d) {
        wintest::ExpectExactlyOver(d, main);
        HWND list = GetDlgItem(d, IDC_CALC_FORMULA);
        const std::vector<std::wstring> entries = wintest::ListEntries(list);
        ASSERT_EQ(entries.size(), 12u);
        for (int f = 0; f < 12; ++f) EXPECT_EQ(entries[f], tv::kElectricalFormulas[f].name.text) << f;
        EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
        for (int id : kFields) EXPECT_EQ(SendDlgItemMessageW(d, id, EM_GETLIMITTEXT, 0, 0), 31) << id;
        // Formula 0 reads watts and ohms.
        EXPECT_FALSE(GetWindowLongW(GetDlgItem(d, IDC_ELEC_WATTS), GWL_STYLE) & ES_READONLY);
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(d, IDC_ELEC_VOLTS), GWL_STYLE) & ES_READONLY);
        EXPECT_FALSE(GetWindowLongW(GetDlgItem(d, IDC_ELEC_OHMS), GWL_STYLE) & ES_READONLY);
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(d, IDC_ELEC_AMPERES), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(wintest::FontFace(GetDlgItem(d, IDC_ELEC_OHMS)), L"Tahoma");
        EXPECT_EQ(wintest::Text(d), L"Tallyvane Pro");

        SetDlgItemTextW(d, IDC_ELEC_WATTS, L"4000000");
        SetDlgItemTextW(d, IDC_ELEC_OHMS, L"1");
        SendDlgItemMessageW(d, IDC_CALC_BUTTON, BM_CLICK, 0, 0);
        EXPECT_EQ(wintest::Text(GetDlgItem(d, IDC_ELEC_VOLTS)), L"2,000.00");
        SendMessageW(d, WM_HELP, 0, 0);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    Command(ID_ELECTRICAL);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#elect"));
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(ElectricalDialogTest, ResultGoesToTheOutputFieldFocusedAndSelected) {
    Enter(1, L"10", nullptr, nullptr, L"2");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"5.0000");
    EXPECT_EQ(GetFocus(), Field(IDC_ELEC_VOLTS));
    DWORD start = 99, end = 0;
    SendMessageW(Field(IDC_ELEC_VOLTS), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);

    Enter(11, nullptr, L"12", L"4", nullptr);
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_WATTS), L"36.0000");
    EXPECT_EQ(GetFocus(), Field(IDC_ELEC_WATTS));

    // The products take inputs of any sign.
    Enter(2, nullptr, nullptr, L"2", L"-3");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"-6.0000");
}

TEST_F(ElectricalDialogTest, EachRejectionBoundaryAndItsNeighbour) {
    struct Case {
        int formula;
        const wchar_t *p, *v, *r, *i;
        int output;
        const wchar_t* shown;  // nullptr: "Invalid value."
    };
    const Case cases[] = {
        {0, L"-1", nullptr, L"5", nullptr, IDC_ELEC_VOLTS, nullptr},
        {0, L"0", nullptr, L"5", nullptr, IDC_ELEC_VOLTS, L"0.0000"},
        {1, L"10", nullptr, nullptr, L"0", IDC_ELEC_VOLTS, nullptr},
        {1, L"10", nullptr, nullptr, L"-2", IDC_ELEC_VOLTS, nullptr},
        {3, nullptr, L"4", nullptr, L"0", IDC_ELEC_OHMS, nullptr},
        {3, nullptr, L"4", nullptr, L"-2", IDC_ELEC_OHMS, L"-2.0000"},
        {4, L"", L"12", nullptr, nullptr, IDC_ELEC_OHMS, nullptr},  // empty reads 0
        {4, L"-2", L"4", nullptr, nullptr, IDC_ELEC_OHMS, L"-8.0000"},
        {5, L"8", nullptr, nullptr, L"0", IDC_ELEC_OHMS, nullptr},
        {6, nullptr, L"9", L"0", nullptr, IDC_ELEC_AMPERES, nullptr},
        {7, L"9", L"volts", nullptr, nullptr, IDC_ELEC_AMPERES, nullptr},  // not a number: 0
        {7, L"9", L"-3", nullptr, nullptr, IDC_ELEC_AMPERES, L"-3.0000"},
        {8, L"4", nullptr, L"0", nullptr, IDC_ELEC_AMPERES, nullptr},
        {8, L"-1", nullptr, L"4", nullptr, IDC_ELEC_AMPERES, nullptr},
        {9, nullptr, L"-3", nullptr, L"-2", IDC_ELEC_WATTS, L"6.0000"},
        {11, nullptr, L"12", L"0", nullptr, IDC_ELEC_WATTS, nullptr},
        {11, nullptr, L"12", L"-4", nullptr, IDC_ELEC_WATTS, L"-36.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "formula " << c.formula << " P " << (c.p ? c.p : L"-") << " V "
                                        << (c.v ? c.v : L"-") << " R " << (c.r ? c.r : L"-") << " I "
                                        << (c.i ? c.i : L"-"));
        Enter(c.formula, c.p, c.v, c.r, c.i);
        SetWindowTextW(Field(c.output), L"before");
        const auto boxes = Calculate();
        if (c.shown) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(TextOf(c.output), c.shown);
        } else {
            wintest::ExpectInvalidValue(boxes);
            EXPECT_EQ(TextOf(c.output), L"before");  // nothing changes
        }
    }
}

TEST_F(ElectricalDialogTest, AResultBeyondTheDoubleRangeIsTooLarge) {
    Enter(2, nullptr, nullptr, L"1e200", L"1e200");
    wintest::ExpectTooLarge(Calculate());
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"");
}

TEST_F(ElectricalDialogTest, SwitchingFormulaClearsTheOutputAndTheUnusedFieldOnly) {
    Enter(0, L"10", nullptr, L"5", nullptr);
    CalculateQuietly();
    ASSERT_EQ(TextOf(IDC_ELEC_VOLTS), L"7.0711");
    Type(IDC_ELEC_AMPERES, L"3");  // read-only to the user; a program can still write it
    Choose(IDC_CALC_FORMULA, 5);   // ohms from watts and amperes
    EXPECT_EQ(TextOf(IDC_ELEC_WATTS), L"10");
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"");
    EXPECT_EQ(TextOf(IDC_ELEC_OHMS), L"");
    EXPECT_EQ(TextOf(IDC_ELEC_AMPERES), L"3");  // an input again: kept
    EXPECT_FALSE(ReadOnly(IDC_ELEC_WATTS));
    EXPECT_TRUE(ReadOnly(IDC_ELEC_VOLTS));
    EXPECT_TRUE(ReadOnly(IDC_ELEC_OHMS));
    EXPECT_FALSE(ReadOnly(IDC_ELEC_AMPERES));
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_OHMS), L"1.1111");
}
