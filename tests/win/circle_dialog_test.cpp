// The circle calculator: trigonometric rejections at exact doubles, field
// states per formula group, and the angle unit read only at Calculate.
#include <gtest/gtest.h>

#include "calculator_test_support.h"
#include "tools/circle_dialog.h"
#include "tools/circle_formulas.h"

using wintest::CalculatorTest;
using wintest::MainWindowTest;

namespace {

class CircleDialogTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        Show(std::make_unique<tv::CircleDialog>(settings));
    }
    void Angle(int formula, int unit, const wchar_t* angle) {
        Choose(IDC_CALC_FORMULA, formula);
        Choose(IDC_CIRCLE_ANGLE_UNIT, unit);
        Type(IDC_CIRCLE_ANGLE, angle);
    }
    bool UnitListEnabled() const { return IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)) != FALSE; }
};

}  // namespace

TEST_F(MainWindowTest, CircleOpensOnCircumferenceInDegrees) {
    Open();
    home->record.DeciSize = 0;  // unlimited: up to 14 decimals
    wintest::WhenDialogOpens([&](HWND d) {
        wintest::ExpectExactlyOver(d, main);
        const std::vector<std::wstring> formulas = wintest::ListEntries(GetDlgItem(d, IDC_CALC_FORMULA));
        ASSERT_EQ(formulas.size(), 15u);
        for (int f = 0; f < 15; ++f) EXPECT_EQ(formulas[f], tv::kCircleFormulas[f].name.text) << f;
        EXPECT_EQ(wintest::ListEntries(GetDlgItem(d, IDC_CIRCLE_ANGLE_UNIT)),
                  (std::vector<std::wstring>{L"Degree", L"Radian"}));
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_CALC_FORMULA, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(SendDlgItemMessageW(d, IDC_CIRCLE_ANGLE_UNIT, CB_GETCURSEL, 0, 0), 0);
        // All of pi's digits show at once.
        HWND pi = GetDlgItem(d, IDC_CIRCLE_PI);
        EXPECT_EQ(wintest::Text(pi), L"3.1415926535897932384626433832795");
        EXPECT_EQ(wintest::FontFace(pi), L"Tahoma");
        EXPECT_LE(wintest::TextWidth(pi), wintest::TextRoom(pi));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_CIRCLE_ANGLE_UNIT)));
        for (int id : {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT}) {
            EXPECT_EQ(SendDlgItemMessageW(d, id, EM_GETLIMITTEXT, 0, 0), 31) << id;
        }
        SetDlgItemTextW(d, IDC_CIRCLE_RADIUS, L"1");
        SendDlgItemMessageW(d, IDC_CALC_BUTTON, BM_CLICK, 0, 0);
        EXPECT_EQ(wintest::Text(GetDlgItem(d, IDC_CALC_RESULT)), L"6.28318530717959");
        SendMessageW(d, WM_HELP, 0, 0);
        SendMessageW(d, WM_CLOSE, 0, 0);  // the title-bar OK
    });
    Command(ID_CIRCLE);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#circle"));
}

TEST_F(CircleDialogTest, TrigonometricAnglesRefusedOnlyWhereTheyShouldBe) {
    struct Case {
        int formula, unit;
        const wchar_t* angle;
        const wchar_t* shown;  // the result's leading text; nullptr: "Invalid value."
    };
    // Near a quarter turn the tangent is huge: only its leading digits are
    // the same in every maths library.
    const Case cases[] = {
        {tv::kTangent, tv::kDegree, L"90", nullptr},
        {tv::kTangent, tv::kDegree, L"270", nullptr},
        {tv::kTangent, tv::kDegree, L"-90", L"-16331239353195"},
        {tv::kTangent, tv::kDegree, L"450", L"3266247870639"},
        {tv::kSecant, tv::kDegree, L"0", L"1.0000"},
        {tv::kCosecant, tv::kDegree, L"0", nullptr},
        {tv::kCotangent, tv::kRadian, L"0", nullptr},
        {tv::kSine, tv::kRadian, L"263", nullptr},
        {tv::kSine, tv::kRadian, L"262.9", L"-0.8381"},
        {tv::kCosine, tv::kDegree, L"15068", L"0.6157"},
        {tv::kCosine, tv::kDegree, L"15069", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "formula " << c.formula << " unit " << c.unit << " angle " << c.angle);
        Angle(c.formula, c.unit, c.angle);
        SetWindowTextW(Field(IDC_CALC_RESULT), L"before");
        const auto boxes = Calculate();
        if (c.shown) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_TRUE(TextOf(IDC_CALC_RESULT).starts_with(c.shown)) << TextOf(IDC_CALC_RESULT);
        } else {
            wintest::ExpectInvalidValue(boxes);
            EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"before");
        }
    }
}

TEST_F(CircleDialogTest, ArcLengthAndConversionInBothUnits) {
    Choose(IDC_CALC_FORMULA, tv::kArcLength);
    Type(IDC_CIRCLE_RADIUS, L"2");
    Type(IDC_CIRCLE_ANGLE, L"90");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"3.1416");
    Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kRadian);
    Type(IDC_CIRCLE_ANGLE, L"1.5");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"3.0000");

    Choose(IDC_CALC_FORMULA, tv::kDegreeRadianConversion);
    Type(IDC_CIRCLE_ANGLE, L"3.141592653589793");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"180.0000");
    Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kDegree);
    Type(IDC_CIRCLE_ANGLE, L"180");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"3.1416");
}

TEST_F(CircleDialogTest, FieldStatesFollowTheFormulaGroup) {
    Choose(IDC_CALC_FORMULA, tv::kSine);
    Type(IDC_CIRCLE_ANGLE, L"30");
    CalculateQuietly();
    ASSERT_EQ(TextOf(IDC_CALC_RESULT), L"0.5000");
    EXPECT_TRUE(ReadOnly(IDC_CIRCLE_RADIUS));
    EXPECT_TRUE(UnitListEnabled());

    Choose(IDC_CALC_FORMULA, tv::kCircleArea);
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"");
    EXPECT_EQ(TextOf(IDC_CIRCLE_ANGLE), L"");
    EXPECT_TRUE(ReadOnly(IDC_CIRCLE_ANGLE));
    EXPECT_TRUE(ReadOnly(IDC_CIRCLE_HEIGHT));
    EXPECT_FALSE(ReadOnly(IDC_CIRCLE_RADIUS));
    EXPECT_FALSE(UnitListEnabled());

    Type(IDC_CIRCLE_RADIUS, L"4");
    Choose(IDC_CALC_FORMULA, tv::kSine);
    EXPECT_EQ(TextOf(IDC_CIRCLE_RADIUS), L"");
    EXPECT_TRUE(ReadOnly(IDC_CIRCLE_RADIUS));
    EXPECT_FALSE(ReadOnly(IDC_CIRCLE_ANGLE));
    EXPECT_EQ(TextOf(IDC_CIRCLE_ANGLE), L"");

    Choose(IDC_CALC_FORMULA, tv::kArcLength);
    EXPECT_FALSE(ReadOnly(IDC_CIRCLE_RADIUS));
    EXPECT_FALSE(ReadOnly(IDC_CIRCLE_ANGLE));
    EXPECT_TRUE(ReadOnly(IDC_CIRCLE_HEIGHT));
    EXPECT_TRUE(UnitListEnabled());

    Type(IDC_CIRCLE_RADIUS, L"2");
    Type(IDC_CIRCLE_ANGLE, L"10");
    Choose(IDC_CALC_FORMULA, tv::kConeVolume);
    EXPECT_EQ(TextOf(IDC_CIRCLE_RADIUS), L"2");  // an input of both: kept
    EXPECT_EQ(TextOf(IDC_CIRCLE_ANGLE), L"");
    EXPECT_FALSE(ReadOnly(IDC_CIRCLE_HEIGHT));
    EXPECT_FALSE(UnitListEnabled());
    Type(IDC_CIRCLE_HEIGHT, L"3");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"12.5664");
}

TEST_F(CircleDialogTest, TheAngleUnitAppliesAtTheNextCalculateAndFocusStays) {
    Choose(IDC_CALC_FORMULA, tv::kSine);
    Type(IDC_CIRCLE_ANGLE, L"90");
    SetFocus(Field(IDC_CIRCLE_ANGLE));
    // What Enter does: the default button's command, the focus left alone.
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CALC_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Field(IDC_CALC_BUTTON)));
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"1.0000");
    EXPECT_EQ(GetFocus(), Field(IDC_CIRCLE_ANGLE));
    Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kRadian);
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"1.0000");
    CalculateQuietly();
    EXPECT_EQ(TextOf(IDC_CALC_RESULT), L"0.8940");
}
