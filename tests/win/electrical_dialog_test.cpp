// The electrical calculator driven through its controls; each formula's
// arithmetic and rejections are the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/electrical_dialog.h"
#include "tools/electrical_formulas.h"

using wintest::ToolDialogTest;

namespace {

const std::vector<int> kFields = {IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS, IDC_ELEC_AMPERES};

class ElectricalDialogTest : public wintest::DialogTest<tv::ElectricalDialog> {
protected:
    // Chooses `formula` and types watts, volts, ohms and amperes; nullptr
    // leaves a field alone.
    void Enter(int formula, const wchar_t* p, const wchar_t* v, const wchar_t* r, const wchar_t* i) {
        Choose(IDC_CALC_FORMULA, formula);
        const wchar_t* const texts[] = {p, v, r, i};
        for (int q = 0; q < 4; ++q) {
            if (texts[q]) Type(kFields[q], texts[q]);
        }
    }
};

}  // namespace

TEST_F(ToolDialogTest, ElectricalOpensOnFormulaZeroWithTheOptionsFormat) {
    home->record.DeciSize = 1;
    home->record.GroupDigits = true;
    OpenFromMenu(ID_ELECTRICAL, L"elect", [&] {
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kElectricalFormulas);
        for (int id : kFields) EXPECT_EQ(Limit(id), 31);
        Type(IDC_ELEC_WATTS, L"4000000");
        Type(IDC_ELEC_OHMS, L"1");
        CalculateQuietly();
        EXPECT_EQ(Fields(kFields), L"4000000 | [2,000.00] | 1 | []");
    });
}

TEST_F(ElectricalDialogTest, ResultGoesToTheOutputFocusedAndSelectedAndARefusalChangesNothing) {
    Enter(1, L"10", nullptr, nullptr, L"2");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"5.0000");
    EXPECT_EQ(GetFocus(), Field(IDC_ELEC_VOLTS));
    EXPECT_EQ(SendMessageW(Field(IDC_ELEC_VOLTS), EM_GETSEL, 0, 0), MAKELRESULT(0, 6));  // all of it selected
    Type(IDC_ELEC_AMPERES, L"0");
    EXPECT_EQ(Messages(), wintest::kInvalidValue);
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"5.0000");

    Enter(11, nullptr, L"12", L"4", nullptr);
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_WATTS), L"36.0000");
    EXPECT_EQ(GetFocus(), Field(IDC_ELEC_WATTS));
    Enter(2, nullptr, nullptr, L"1e200", L"1e200");
    EXPECT_EQ(Messages(), wintest::kTooLarge);
    EXPECT_EQ(TextOf(IDC_ELEC_VOLTS), L"");
}

TEST_F(ElectricalDialogTest, SwitchingFormulaClearsTheOutputAndTheUnusedFieldAndKeepsTheInputs) {
    Enter(0, L"10", nullptr, L"5", nullptr);
    CalculateQuietly();
    EXPECT_EQ(Fields(kFields), L"10 | [7.0711] | 5 | []");
    Type(IDC_ELEC_AMPERES, L"3");  // read-only to the user; a program can still write it
    Choose(IDC_CALC_FORMULA, 5);   // ohms from watts and amperes
    EXPECT_EQ(Fields(kFields), L"10 | [] | [] | 3");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_ELEC_OHMS), L"1.1111");
}
