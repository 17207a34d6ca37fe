// The area and volume calculator: six formulas, the fields each reads.
#include <gtest/gtest.h>

#include "calculator_test_support.h"
#include "tools/area_volume_dialog.h"
#include "tools/area_volume_formulas.h"

using wintest::CalculatorTest;
using wintest::MainWindowTest;

namespace {

class AreaVolumeDialogTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        Show(std::make_unique<tv::AreaVolumeDialog>(settings));
    }
    std::wstring Result(int formula, const wchar_t* base, const wchar_t* width, const wchar_t* height) {
        Choose(IDC_CALC_FORMULA, formula);
        Type(IDC_AREA_BASE, base);
        if (!ReadOnly(IDC_AREA_WIDTH)) Type(IDC_AREA_WIDTH, width);
        if (!ReadOnly(IDC_AREA_HEIGHT)) Type(IDC_AREA_HEIGHT, height);
        CalculateQuietly();
        return TextOf(IDC_CALC_RESULT);
    }
};

}  // namespace

TEST_F(MainWindowTest, AreaVolumeOpensOnRectangleAreaAndGroupsDigits) {
    Open();
    home->record.GroupDigits = true;
    wintest::WhenDialogOpens([&](HWND d) {
        wintest::ExpectExactlyOver(d, main);
        const std::vector<std::wstring> formulas = wintest::ListEntries(GetDlgItem(d, IDC_CALC_FORMULA));
        ASSERT_EQ(formulas.size(), 6u);
        for (int f = 0; f < 6; ++f) EXPECT_EQ(formulas[f], tv::kAreaVolumeFormulas[f].name.text) << f;
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_CALC_FORMULA, CB_GETCURSEL, 0, 0), 0);
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(d, IDC_AREA_HEIGHT), GWL_STYLE) & ES_READONLY);
        EXPECT_FALSE(GetWindowLongW(GetDlgItem(d, IDC_AREA_WIDTH), GWL_STYLE) & ES_READONLY);
        for (int id : {IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT}) {
            EXPECT_EQ(SendDlgItemMessageW(d, id, EM_GETLIMITTEXT, 0, 0), 31) << id;
        }
        SetDlgItemTextW(d, IDC_AREA_BASE, L"1000");
        SetDlgItemTextW(d, IDC_AREA_WIDTH, L"2000");
        SendDlgItemMessageW(d, IDC_CALC_BUTTON, BM_CLICK, 0, 0);
        EXPECT_EQ(wintest::Text(GetDlgItem(d, IDC_CALC_RESULT)), L"2,000,000.0000");
        SendMessageW(d, WM_HELP, 0, 0);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    Command(ID_AREA_VOLUME);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#areavol"));
}

TEST_F(AreaVolumeDialogTest, EachFormulaFromItsOwnFields) {
    EXPECT_EQ(Result(tv::kRectanglePerimeter, L"3", L"4", nullptr), L"14.0000");
    EXPECT_EQ(Result(tv::kRectangleArea, L"3", L"4", nullptr), L"12.0000");
    EXPECT_EQ(Result(tv::kPrismVolume, L"2", L"3", L"4"), L"24.0000");
    EXPECT_EQ(Result(tv::kPrismSurfaceArea, L"2", L"3", L"4"), L"52.0000");
    // Width held 3 before the switch; the triangle neither keeps nor reads it.
    EXPECT_EQ(Result(tv::kTriangleArea, L"5", nullptr, L"3"), L"7.5000");
    EXPECT_EQ(TextOf(IDC_AREA_WIDTH), L"");
    EXPECT_EQ(Result(tv::kPyramidVolume, L"3", L"3", L"3"), L"9.0000");
    // Lengths of any sign, and text that is not a number reads 0.
    EXPECT_EQ(Result(tv::kRectangleArea, L"-3", L"4", nullptr), L"-12.0000");
    EXPECT_EQ(Result(tv::kRectanglePerimeter, L"wide", L"4", nullptr), L"8.0000");
}

TEST_F(AreaVolumeDialogTest, SwitchingClearsTheResultAndTheFieldsAFormulaDoesNotRead) {
    ASSERT_EQ(Result(tv::kPrismVolume, L"2", L"3", L"4"), L"24.0000");
    Choose(IDC_CALC_FORMULA, tv::kRectangleArea);
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"");
    EXPECT_EQ(TextOf(IDC_AREA_BASE), L"2");
    EXPECT_EQ(TextOf(IDC_AREA_WIDTH), L"3");
    EXPECT_EQ(TextOf(IDC_AREA_HEIGHT), L"");
    EXPECT_TRUE(ReadOnly(IDC_AREA_HEIGHT));

    Choose(IDC_CALC_FORMULA, tv::kTriangleArea);
    EXPECT_TRUE(ReadOnly(IDC_AREA_WIDTH));
    EXPECT_FALSE(ReadOnly(IDC_AREA_HEIGHT));
    EXPECT_EQ(TextOf(IDC_AREA_BASE), L"2");
    Choose(IDC_CALC_FORMULA, tv::kPyramidVolume);
    EXPECT_FALSE(ReadOnly(IDC_AREA_WIDTH));
    EXPECT_FALSE(ReadOnly(IDC_AREA_HEIGHT));
}
