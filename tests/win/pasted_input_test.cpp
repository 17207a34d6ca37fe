// Pasted and awkward input: ten thousand characters, control characters and
// a zero in the middle of the clipboard's text reach no field beyond its text
// limit; and every number field of every tool, given "1e308", "-0", "nan",
// "inf", 48 nines, a lone "." or "-", calculates to a number or the tool's
// message, never to a text that is no number.
#include <windows.h>

#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/price_comparison_dialog.h"
#include "tools/base_converter_dialog.h"
#include "tools/calculator_dialog.h"
#include "tools/permutation_dialog.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

// Puts `units` (terminator included by the caller, zeros anywhere) on the clipboard as Unicode text.
void ToClipboard(HWND owner, const std::wstring& units) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, units.size() * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), units.data(), units.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

// Replaces the edit's whole text with `text` as a paste does.
void PasteInto(HWND edit, const std::wstring& text) {
    ToClipboard(edit, text + L'\0');
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_PASTE, 0, 0);
}

std::vector<HWND> Edits(HWND window) {
    std::vector<HWND> edits;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Edit") == 0) edits.push_back(child);
    }
    return edits;
}

bool IsReadOnly(HWND edit) { return (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0; }

// The texts a calculation may never show: the runtime's for what is no number.
bool ShowsNoNumber(const std::wstring& text) {
    std::wstring lower;
    for (wchar_t c : text) lower += static_cast<wchar_t>(std::towlower(c));
    return lower.find(L"nan") != std::wstring::npos || lower.find(L"inf") != std::wstring::npos;
}

const std::wstring kHuge(10000, L'7');
const std::wstring kControls = L"1\t2\x01\x1B" L"3\x7F" L"4\r\n5";
const std::wstring kZeroInside = std::wstring(L"12\0" L"34", 5);  // the clipboard's text ends at the zero
const std::wstring kOdd[] = {L"1e308", L"-0", L"nan", L"inf", std::wstring(48, L'9'), L".", L"-"};

class PastedInputTest : public ToolDialogTest {
protected:
    // Every pasted text into every edit of `window`: the editable ones hold no
    // more than their limit, the read-only ones keep their text.
    void PasteEverywhere(HWND window, const wchar_t* what) {
        for (const std::wstring& text : {kHuge, kControls, kZeroInside}) {
            for (HWND edit : Edits(window)) {
                const std::wstring before = Text(edit);
                PasteInto(edit, text);
                const std::wstring after = Text(edit);
                if (IsReadOnly(edit)) {
                    EXPECT_EQ(after, before) << what;
                    continue;
                }
                EXPECT_LE(after.size(), static_cast<size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0))) << what;
                if (text == kZeroInside) EXPECT_EQ(after, L"12") << what;
            }
        }
    }

    // `value` pasted into every field that takes input, then `button`
    // pressed: any message is the tool's own, no result shows what is no number.
    void CalculateWith(HWND window, int button, const std::wstring& value, const wchar_t* what) {
        for (HWND edit : Edits(window)) {
            if (!IsReadOnly(edit) && IsWindowVisible(edit)) PasteInto(edit, value);
        }
        const std::wstring shown = CloseMessageBoxes(window, [&] {
            SendMessageW(window, WM_COMMAND, button, reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
            Pump(loop, 5);
        });
        EXPECT_TRUE(shown.empty() || shown == kInvalidValue || shown == kTooLarge ||
                    shown == L"Tallyvane Pro: The number is too large. (stop)\n")
            << what << " with " << value << ": " << shown;
        for (HWND edit : Edits(window)) {
            if (IsReadOnly(edit)) EXPECT_FALSE(ShowsNoNumber(Text(edit))) << what << " with " << value << ": " << Text(edit);
        }
    }

    // Opens `made` modeless over the main window as `dialog`.
    HWND OpenTool(std::unique_ptr<tv::ToolDialog> made) {
        tool = std::move(made);
        dialog = tool->CreateModeless(main);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
};

}  // namespace

TEST_F(PastedInputTest, PastedTextKeepsToEveryFieldsLimit) {
    PasteEverywhere(main, L"main window");
    SendMessageW(main, WM_COMMAND, ID_PASTE, 0);  // the Edit menu's Paste, over what the last paste left
    EXPECT_LE(ItemText(IDC_INPUT).size(), 48u);
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
        HWND window = OpenTool(maker.make());
        ASSERT_NE(window, nullptr) << maker.name;
        SendMessageW(window, WM_COMMAND, ID_MODIFY_RATES, 0);  // the currency rates take input too
        PasteEverywhere(window, maker.name);
        SendMessageW(window, WM_COMMAND, ID_PASTE, 0);
        tool.reset();
        loop.RunPending();
    }
    // The number base's limit follows the base chosen.
    HWND base = OpenTool(std::make_unique<tv::BaseConverterDialog>(home->record));
    for (int radio = IDC_BASE_DECIMAL; radio <= IDC_BASE_BINARY; ++radio) {
        SendMessageW(GetDlgItem(base, radio), BM_CLICK, 0, 0);
        PasteEverywhere(base, L"number base");
    }
}

TEST_F(PastedInputTest, NumberFieldsTakeOddNumbersToANumberOrTheToolsMessage) {
    for (const std::wstring& value : kOdd) {
        PasteInto(Item(IDC_INPUT), value);
        for (int category : {0, 2, 13}) {  // temperature, length, frequency
            Command(ID_CATEGORY_FIRST + category);
            PasteInto(Item(IDC_INPUT), value);
            ChooseUnit(IDC_TO_LIST, 1);
            CalculateWith(main, IDC_CONVERT_BUTTON, value, L"main window");
            EXPECT_FALSE(ItemText(IDC_RESULT).empty());
        }
    }
    HWND base = OpenTool(std::make_unique<tv::BaseConverterDialog>(home->record));
    for (int radio = IDC_BASE_DECIMAL; radio <= IDC_BASE_BINARY; ++radio) {
        SendMessageW(GetDlgItem(base, radio), BM_CLICK, 0, 0);
        for (const std::wstring& value : kOdd) CalculateWith(base, IDC_CONVERT_BUTTON, value, L"number base");
    }
    HWND prices = OpenTool(std::make_unique<tv::PriceCompareDialog>(home->record));
    for (const std::wstring& value : kOdd) CalculateWith(prices, IDC_CONVERT_BUTTON, value, L"price comparison");

    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    HWND currency = OpenTool(std::make_unique<tv::CurrencyDialog>(
        home->record, tv::ExchangeRateTable(rates, tv::CalendarDate::Now())));
    SendMessageW(currency, WM_COMMAND, ID_MODIFY_RATES, 0);  // the rates typed
    for (const std::wstring& value : kOdd) CalculateWith(currency, IDC_CONVERT_BUTTON, value, L"currency");
    HWND euro = OpenTool(std::make_unique<tv::EuroRatesDialog>(home->record));
    for (const std::wstring& value : kOdd) CalculateWith(euro, IDC_CONVERT_BUTTON, value, L"euro");

    // Each calculator's first and last formula, the circle's sine with its angle too.
    const tv::CalculatorTable* const tables[] = {&tv::kElectricalCalculator, &tv::kCircleCalculator,
                                                 &tv::kAreaVolumeCalculator};
    for (const tv::CalculatorTable* table : tables) {
        HWND calculator = OpenTool(std::make_unique<tv::CalculatorDialog>(*table, home->record));
        for (int formula : {0, table->formulaCount - 1, table == &tv::kCircleCalculator ? 4 : 1}) {
            Choose(IDC_CALC_FORMULA, formula);
            for (const std::wstring& value : kOdd) CalculateWith(calculator, IDC_CALC_BUTTON, value, table->helpTopic);
        }
    }
    HWND counts = OpenTool(std::make_unique<tv::PermutationDialog>());
    for (int formula = 0; formula < 3; ++formula) {
        Choose(IDC_CALC_FORMULA, formula);
        for (const std::wstring& value : kOdd) CalculateWith(counts, IDC_CALC_BUTTON, value, L"permutation");
    }
}

// A field holds no more than its tool reads: a number pasted longer than the
// field is cut where the field ends, and what the field shows is what is
// calculated.
TEST_F(PastedInputTest, WhatAFieldShowsIsWhatIsCalculated) {
    HWND prices = OpenTool(std::make_unique<tv::PriceCompareDialog>(home->record));
    PasteInto(GetDlgItem(prices, IDC_PRICE_1), std::wstring(20, L'7'));
    PasteInto(GetDlgItem(prices, IDC_QUANTITY_1), L"1");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(TextOf(IDC_UNIT_PRICE_1), TextOf(IDC_PRICE_1) + L".00");

    // A full amount field against the same number written short.
    const std::wstring full = L"2" + std::wstring(31, L'0');
    const auto converted = [&](const std::wstring& amount) {
        PasteInto(Field(IDC_AMOUNT), amount);
        Press(IDC_CONVERT_BUTTON);
        return TextOf(IDC_CONVERTED_1);
    };
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    OpenTool(std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(rates, tv::CalendarDate::Now())));
    EXPECT_EQ(converted(full), converted(L"2e31"));
    EXPECT_EQ(TextOf(IDC_AMOUNT), full);
    OpenTool(std::make_unique<tv::EuroRatesDialog>(home->record));
    EXPECT_EQ(converted(full), converted(L"2e31"));
}
