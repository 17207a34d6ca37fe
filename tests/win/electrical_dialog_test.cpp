// The electrical calculator driven through its controls; each formula's
// arithmetic and rejections are the native suite's.
#include <gtest/gtest.h>

#include "tool_dialog_test_support.h"
#include "tools/electrical_formulas.h"

using wintest::ToolDialogTest;

TEST_F(ToolDialogTest, ElectricalSelectsTheResultInTheFormulasOutputAndKeepsTheInputsOnARefusalOrANewFormula) {
    home->record.DeciSize = 1;
    home->record.GroupDigits = true;
    OpenFromMenu(ID_ELECTRICAL, L"elect", [&] {
        const std::vector<int> fields = {IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS, IDC_ELEC_AMPERES};
        wintest::ExpectFormulaList(Field(IDC_CALC_FORMULA), tv::kElectricalFormulas);
        for (int id : fields) EXPECT_EQ(Limit(id), 31);
        Type(IDC_ELEC_WATTS, L"4000000");  // volts from watts and ohms
        Type(IDC_ELEC_OHMS, L"1");
        CalculateQuietly();
        EXPECT_EQ(Fields(fields), L"4000000 | [2,000.00] | 1 | []");

        Choose(IDC_CALC_FORMULA, 5);  // ohms from watts and amperes
        Type(IDC_ELEC_WATTS, L"10");
        Type(IDC_ELEC_AMPERES, L"3");
        CalculateQuietly();
        EXPECT_EQ(Fields(fields), L"10 | [] | [1.11] | 3");
        EXPECT_EQ(GetFocus(), Field(IDC_ELEC_OHMS));
        EXPECT_EQ(SendMessageW(Field(IDC_ELEC_OHMS), EM_GETSEL, 0, 0), MAKELRESULT(0, 4));  // all of it selected
        Type(IDC_ELEC_AMPERES, L"0");
        EXPECT_EQ(Messages(), wintest::kInvalidValue);
        EXPECT_EQ(TextOf(IDC_ELEC_OHMS), L"1.11");
        Choose(IDC_CALC_FORMULA, 11);  // watts from volts and ohms: the ohms become an input
        EXPECT_EQ(Fields(fields), L"[] |  | 1.11 | []");
    });
}
