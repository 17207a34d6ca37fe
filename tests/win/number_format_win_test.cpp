// Formatting and reading with the system's own locale calls (English, United
// States; the locale test in German too): what the native tests' fake
// grouping cannot show.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "numfmt/locale_number_format.h"
#include "tool_dialog_test_support.h"
#include "tools/calculator_dialog.h"

// The locale's separators and grouping reach the display. Past the longest
// text the system is given, the number is grouped here, whole.
TEST(LocaleNumberFormat, GroupsWithTheUserLocale) {
    EXPECT_EQ(tv::LocaleNumberGrouping().DecimalSeparator(), L".");
    EXPECT_EQ(tv::GroupNumberText(L"-1234567.25", 2), L"-1,234,567.25");
    EXPECT_EQ(tv::GroupNumberText(L"12a", 0), L"");  // not a plain number
    const std::wstring largest = tv::FormatDisplayNumber(-1.7976931348623157e308, 4, true, tv::LocaleNumberGrouping());
    EXPECT_EQ(largest.size(), 1u + 309u + 102u + 9u);
    EXPECT_EQ(largest.substr(0, 5), L"-179,");
}

TEST(LocaleNumberFormat, OurFormattingAgreesWithTheSystem) {
    // Long numbers are formatted by our own code; it must say what the system says.
    // (No rounding carry into a new group: Wine 8 then leaves the separator out.)
    const wchar_t* inputs[] = {L"0", L"5", L"-5", L"0.5", L"-0.5", L".25", L"12.345", L"999.49",
                               L"-99.5", L"1234567", L"-1234567.891", L"100000000000000000000.5",
                               L"00012", L"1.", L"0.0001", L"987654321987654321987654321.123456789"};
    for (unsigned grouping : {0u, 3u, 32u, 30u, 4u})
        for (unsigned order = 0; order <= 4; ++order)
            for (unsigned decimals : {0u, 2u, 9u})
                for (bool zero : {true, false}) {
                    const tv::NumberFormat f{decimals, zero, grouping, grouping == 4 ? L"<>" : L",",
                                             grouping == 4 ? L"" : L"\u00A0", order};
                    for (const wchar_t* in : inputs)
                        EXPECT_EQ(tv::ApplyNumberFormat(in, f), tv::SystemNumberFormat(in, f))
                            << "grouping " << grouping << " order " << order << " decimals " << decimals
                            << " zero " << zero;
                }
}

TEST(ParseNumberText, ReadsThroughTheAnsiCodePage) {
    EXPECT_EQ(tv::ParseNumberText(L" -2.5e2x"), -250.0);
    EXPECT_EQ(tv::ParseNumberText(L"\u00B2"), 0.0);
    EXPECT_EQ(tv::ParseNumberText(L"\u20AC5"), 0.0);
    EXPECT_EQ(tv::ParseNumberText(std::wstring(100, L'\u4E00')), 0.0);
}

using LocaleTest = wintest::ToolDialogTest;

// In the user's locale (a run in German sets LANG): a number typed in the
// locale's own form converts as meant, in the main window and in a
// calculator, and the grouped result, copied or typed back, gives itself.
TEST_F(LocaleTest, TheLocalesFormReadsAsMeantAndEveryResultReadsBack) {
    tv::NumberFormat locale = tv::UserNumberFormat(1);
    if (const char* wanted = std::getenv("TV_EXPECT_DECIMAL")) ASSERT_EQ(locale.decimalSep, std::wstring(wanted, wanted + std::strlen(wanted)));
    const std::wstring typed = tv::ApplyNumberFormat(L"-1234567.5", locale);
    home->record.GroupDigits = true;
    Command(ID_CATEGORY_FIRST + tv::kLength);
    ChooseUnit(IDC_FROM_LIST, 0);
    ChooseUnit(IDC_TO_LIST, 0);
    tool = std::make_unique<tv::CalculatorDialog>(tv::kElectricalCalculator, home->record);
    dialog = tool->CreateModeless(main);
    Choose(IDC_CALC_FORMULA, 9);  // watts using volts and amperes
    for (uint16_t deciSize : {0, 1, 4}) {
        home->record.DeciSize = deciSize;
        const std::wstring shown = tv::FormatDisplayNumber(-1234567.5, home->record);
        SCOPED_TRACE(typed + L" shown as " + shown);
        SetWindowTextW(Item(IDC_INPUT), typed.c_str());
        Click(IDC_CONVERT_BUTTON);
        EXPECT_EQ(ItemText(IDC_RESULT), shown);
        Command(ID_COPY);
        SetWindowTextW(Item(IDC_INPUT), L"");
        Command(ID_PASTE);
        Click(IDC_CONVERT_BUTTON);
        EXPECT_EQ(ItemText(IDC_RESULT), shown);
        for (const std::wstring& volts : {typed, shown}) {
            Type(IDC_ELEC_VOLTS, volts.c_str());
            Type(IDC_ELEC_AMPERES, L"1");
            Press(IDC_CALC_BUTTON);
            EXPECT_EQ(TextOf(IDC_ELEC_WATTS), shown);
        }
    }
}
