// The program used hard: settings damaged in the registry, odd and oversized
// text pasted into every field, and every tool opened and closed again and
// again. It never crashes, never shows what is no number, saves sane values,
// and leaks no GDI object.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>
#include <tuple>
#include <vector>

#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/price_comparison_dialog.h"
#include "money/rate_update.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;
using tv::kMoneyPath, tv::kSelectionPath, tv::kSettingsPath;

// The window's edit controls.
std::vector<HWND> Edits(HWND window) {
    std::vector<HWND> edits;
    for (HWND edit = nullptr; (edit = FindWindowExW(window, edit, L"Edit", nullptr));) edits.push_back(edit);
    return edits;
}
bool IsReadOnly(HWND edit) { return GetWindowLongW(edit, GWL_STYLE) & ES_READONLY; }
bool TakesInput(HWND edit) { return !IsReadOnly(edit) && IsWindowVisible(edit); }

// Replaces the edit's whole text with `text` (zeros anywhere) as a paste does.
void PasteInto(HWND edit, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(edit));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_PASTE, 0, 0);
}

class HardUseTest : public ToolDialogTest {
protected:
    // `text` pasted into every field of `window` that takes input
    // and its action button pressed: the messages shown, and no field shows
    // the runtime's texts for what is no number.
    std::wstring Calculate(HWND window, const std::wstring& text) {
        for (HWND edit : Edits(window)) {
            if (TakesInput(edit)) PasteInto(edit, text);
        }
        const std::wstring shown = CloseMessageBoxes(window, [&] {
            for (int button : {IDC_CALC_BUTTON, IDC_CONVERT_BUTTON}) {
                if (HWND b = GetDlgItem(window, button)) SendMessageW(window, WM_COMMAND, button, LPARAM(b));
            }
            loop.RunPending();
        });
        for (HWND edit : Edits(window)) {
            if (TakesInput(edit)) continue;
            std::wstring lower = Text(edit);
            CharLowerW(lower.data());
            EXPECT_TRUE(lower.find(L"nan") == lower.npos && lower.find(L"inf") == lower.npos) << text << ": " << lower;
        }
        return shown;
    }
    HWND OpenTool(std::unique_ptr<tv::ToolDialog> made) {
        tool = std::move(made);
        dialog = tool->CreateModeless(main);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
    void CloseTool() {
        tool.reset();
        dialog = nullptr;
        loop.RunPending();
    }
    void SetUp() override {
        ToolDialogTest::SetUp();
        tools = EveryTool(home->record, rates, tv::shell::ProgramFolder());
    }
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    std::vector<ToolMaker> tools;
};

// ---- Damaged settings ----

std::string Bytes(const std::wstring& text) {  // with its terminator
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}
std::string Dword(DWORD n) { return std::string(reinterpret_cast<const char*>(&n), 4); }

// One damaged value and what the program loads from it: the record's field,
// or for RatesUrl the host the rate update asks.
using Damage = std::tuple<const wchar_t*, std::wstring, DWORD, std::string, std::wstring>;  // path, name, type, bytes, loads

const std::wstring kNone = L"(none)", kEuroSel = L"EURDEMFRFITLNLG", kMoneySel = L"USDCADHKDEURCNY";
const std::string kSevenNine("7\0" "9\0", 4), kHuge = Bytes(std::wstring(10000, L'9'));

// Each round's values are damaged together.
const std::vector<Damage> kRounds[] = {
    {
        // The wrong type: any type is read as a number's four bytes, no number as a text.
        {kSettingsPath, L"FSize", REG_SZ, Bytes(L"1"), L"49"},
        {kSettingsPath, L"Category", REG_BINARY, "\xFF\xFF\xFF\x7F", L"0"},  // no category: the first
        {kSettingsPath, L"DeciSize", REG_QWORD, "\x78\x56\x34\x12\x78\x56\x34\x12", L"2"},
        {kSettingsPath, L"EuroSel", REG_DWORD, Dword(0x00410041), kEuroSel},
        {kMoneyPath, L"MoneySel", REG_BINARY, Bytes(kMoneySel), kMoneySel},
        {kMoneyPath, L"C0", REG_MULTI_SZ, std::string("E\0U\0R\0\0\0D\0E\0M\0\0\0\0\0", 18), L"1.0"},
        {kMoneyPath, L"RatesUrl", REG_DWORD, Dword(7), L"www.ecb.europa.eu"},
    },
    {
        // The wrong size: numbers of 0, 1 and 3 bytes, texts without their terminator.
        {kSettingsPath, L"BoldFont", REG_DWORD, "", L"1"},
        {kSettingsPath, L"FSize", REG_DWORD, "7", L"1"},
        {kSelectionPath, L"C0", REG_DWORD, kSevenNine.substr(0, 3), L"0"},
        {kSettingsPath, L"EuroSel", REG_SZ, "", kEuroSel},
        {kMoneyPath, L"MoneySel", REG_SZ, kSevenNine.substr(0, 3), kMoneySel},
        {kMoneyPath, L"C0", REG_SZ, "7", L"7"},
        {kMoneyPath, L"C1", REG_SZ, kSevenNine.substr(0, 3), L"79"},
        {kMoneyPath, L"RatesUrl", REG_SZ, kSevenNine.substr(0, 3), kNone},
    },
    {
        // Out of range (the rules of loading are the native suite's; here the program runs over them).
        {kSettingsPath, L"FSize", REG_DWORD, Dword(0x80000000), L"0"},
        {kSettingsPath, L"Category", REG_DWORD, Dword(tv::kCategoryCount), L"0"},
        {kSettingsPath, L"DeciSize", REG_DWORD, Dword(tv::kMostDeciSize + 1), L"5"},
        {kSelectionPath, L"C0", REG_DWORD, Dword(0xFFFF), L"65535"},
        {kMoneyPath, L"MoneySel", REG_SZ, Bytes(L"USDXXXYYYZZZQQQ"), L"USDXXXYYYZZZQQQ"},  // codes no rate file has
        {kMoneyPath, L"C0", REG_SZ, Bytes(L"1e999"), L"1e999"},
        {kMoneyPath, L"C2", REG_SZ, Bytes(L"\x01\x02\t\r\n"), L"1.0"},
        {kMoneyPath, L"C3", REG_SZ, Bytes(L"nan"), L"nan"},
        {kMoneyPath, L"RatesUrl", REG_SZ, Bytes(L"ftp://\x01"), kNone},
    },
    {
        // Ten thousand characters, for numbers too: the defaults.
        {kSettingsPath, L"DeciSize", REG_SZ, kHuge, L"2"},
        {kSettingsPath, L"EuroSel", REG_SZ, kHuge, kEuroSel},
        {kMoneyPath, L"C3", REG_SZ, kHuge, L"1.0"},
        {kMoneyPath, L"RatesUrl", REG_SZ, Bytes(L"https://" + std::wstring(10000, L'9')), kNone},
    },
};

// The record's field that `path`\`name` loads into, as a text.
std::wstring Loaded(const tv::AppSettings& s, const std::wstring& path, const std::wstring& name) {
    if (path == kSelectionPath) return std::to_wstring(s.Selection[std::stoi(name.substr(1))]);
    if (path == kMoneyPath && name.size() == 2) return s.CustomRates[name[1] - L'0'];
    if (const auto url = tv::RatesSource(); name == L"RatesUrl") return url ? url->host : kNone;
    if (name == L"MoneySel" || name == L"EuroSel") return name == L"EuroSel" ? s.EuroSel : s.MoneySel;
    const wchar_t* const names[] = {L"BoldFont", L"GroupDigits", L"FSize", L"Category", L"DeciSize"};
    const uint16_t n[] = {s.BoldFont, s.GroupDigits, s.FSize, s.Category, s.DeciSize};
    return std::to_wstring(n[std::find(names, names + 5, name) - names]);
}

// Every saved value that is wrong, a line each: texts are whole 16-character
// fields without control characters, five codes in a selection; numbers are
// DWORDs. (Their ranges on saving are the native suite's.)
std::wstring InsaneValues() {
    std::vector<std::pair<const wchar_t*, std::wstring>> values = {{kSettingsPath, L"EuroSel"}, {kMoneyPath, L"MoneySel"}};
    for (const wchar_t* name : {L"BoldFont", L"FSize", L"Category", L"DeciSize", L"GroupDigits"}) values.push_back({kSettingsPath, name});
    for (int i = 0; i < tv::kCategoryCount; ++i) values.push_back({kSelectionPath, L"C" + std::to_wstring(i)});
    for (int i = 0; i < tv::kCustomRateCount; ++i) values.push_back({kMoneyPath, L"C" + std::to_wstring(i)});
    std::wstring found;
    for (const auto& [path, n] : values) {
        wchar_t text[32] = {};
        DWORD type = REG_NONE, size = sizeof text;
        RegGetValueW(HKEY_CURRENT_USER, path, n.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, text, &size);
        const size_t length = wcsnlen(text, 32);
        const bool sane = path != kMoneyPath && n != L"EuroSel"
                              ? type == REG_DWORD && size == 4
                              : type == REG_SZ && size == 32 && length < 16 && (!n.ends_with(L"Sel") || length == 15) &&
                                    std::none_of(text, text + length, [](wchar_t c) { return c < L' '; });
        if (!sane) found += path + (L"\\" + n) + L": type " + std::to_wstring(type) + L" of " + std::to_wstring(size) + L"\n";
    }
    return found;
}

// Wine answers GetGuiResources with 0: there the live entries of the GDI
// handle table the PEB points to are counted (24 bytes each, the type at
// byte 14), stock objects included (they never change).
long GdiObjects() {
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(n);
    const auto* peb = reinterpret_cast<const uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const uint8_t* const*>(peb + 0xF8);  // GdiSharedHandleTable
    long n = 0;
    for (int i = 0; table && i < 0x10000; ++i) n += table[i * 24 + 14] != 0;
    return n;
}

}  // namespace

using DamagedSettingsTest = HardUseTest;
using PastedInputTest = HardUseTest;

// Each round: the damage loads as the table says; the program converts,
// opens every tool, calculates with "12" in its fields, paints and closes it
// with OK, and switches categories five times, painting; both saves (at the
// first deactivation and at the end) and a restart are sane. What the first
// round leaves held of GDI objects, every later one leaves.
TEST_F(DamagedSettingsTest, EachDamagedValueLoadsAsTheTableSaysAndTheProgramRunsSavesSaneValuesAndLeaksNoGdiObject) {
    long gdi = 0;
    for (const std::vector<Damage>& round : kRounds) {
        Close();
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsPath);
        for (const auto& [path, name, type, bytes, loads] : round) {
            ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path, name.c_str(), type, bytes.data(), DWORD(bytes.size())), 0);
        }
        Open();
        for (const auto& [path, name, type, bytes, loads] : round) {
            EXPECT_EQ(Loaded(home->record, path, name), loads) << path << L"\\" << name;
        }
        tools = EveryTool(home->record, rates, tv::shell::ProgramFolder());
        ASSERT_NE(window->Category(), nullptr);
        EXPECT_EQ(Calculate(main, L"12"), L"");
        EXPECT_FALSE(ItemText(IDC_RESULT).empty());
        SendMessageW(main, WM_ACTIVATE, WA_INACTIVE, 0);  // a tool coming up saves
        EXPECT_EQ(InsaneValues(), L"") << "saved at the first deactivation";
        for (const ToolMaker& maker : tools) {
            ASSERT_NE(OpenTool(maker.make()), nullptr) << maker.name;
            EXPECT_EQ(Calculate(dialog, L"12"), L"") << maker.name;
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);  // the dialogs that keep settings keep them now
            CloseTool();
        }
        for (int i = 0; i < 5; ++i) {
            Command(ID_CATEGORY_FIRST + int((&round - kRounds) * 5 + i) % tv::kCategoryCount);
            Calculate(main, L"12");
            RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        Close();
        EXPECT_EQ(InsaneValues(), L"") << "saved at the end";
        if (&round == kRounds) gdi = GdiObjects();  // the first round fills what the system caches for good
        EXPECT_EQ(GdiObjects(), gdi);
        Open();
        EXPECT_EQ(InsaneValues(), L"") << "read again";
    }
}

// ---- Pasted input ----

// Pasted into every field: what one that takes input then holds (nullptr:
// no more than its limit); a read-only one keeps its text.
const std::pair<std::wstring, const wchar_t*> kPastes[] = {
    {L"1\t2\x01\x1B" L"3\x7F" L"4\r\n5", nullptr},
    {std::wstring(L"12\0" L"34", 5), L"12"},  // the clipboard's text ends at the zero
    {std::wstring(10000, L'7'), nullptr},
};

// Pasted into every field that takes input before calculating: a number or
// the tool's own message.
const std::wstring kOdd[] = {L"1e308", L"-0", L"nan", L"inf", std::wstring(48, L'9'), L".", L"-"};
const std::wstring kMessages[] = {L"", kInvalidValue, kTooLarge, L"Tallyvane Pro: The number is too large. (stop)\n"};

// The main window in three categories, and every tool in each of its modes:
// the number base in every base, the calculators at their first, second,
// fifth (the circle's sine, with its angle) and last formula, the currency
// with its rates typed.
TEST_F(PastedInputTest, EveryFieldKeepsPastedTextToItsLimitAndCalculatesOddNumbersToANumber) {
    const auto pasteAndCalculate = [&](HWND window, const wchar_t* what) {
        for (const auto& [text, holds] : kPastes) {
            for (HWND edit : Edits(window)) {
                const std::wstring before = Text(edit);
                PasteInto(edit, text);
                if (IsReadOnly(edit)) EXPECT_EQ(Text(edit), before) << what;
                else if (holds) EXPECT_EQ(Text(edit), holds) << what;
                else EXPECT_LE(Text(edit).size(), size_t(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0))) << what;
            }
        }
        SendMessageW(window, WM_COMMAND, ID_PASTE, 0);  // the Edit menu's Paste, of the long text
        if (window == main) EXPECT_EQ(ItemText(IDC_INPUT), std::wstring(48, L'7'));
        for (const std::wstring& value : kOdd) {
            const std::wstring shown = Calculate(window, value);
            EXPECT_NE(std::find(std::begin(kMessages), std::end(kMessages), shown), std::end(kMessages)) << what << ": " << shown;
        }
    };
    for (int category : {0, 2, 13}) {  // temperature, length, frequency
        Command(ID_CATEGORY_FIRST + category);
        ChooseUnit(IDC_TO_LIST, 1);
        pasteAndCalculate(main, L"main window");
        EXPECT_FALSE(ItemText(IDC_RESULT).empty());
    }
    for (const ToolMaker& maker : tools) {
        ASSERT_NE(OpenTool(maker.make()), nullptr) << maker.name;
        SendMessageW(dialog, WM_COMMAND, ID_MODIFY_RATES, 0);
        const int formulas = int(SendDlgItemMessageW(dialog, IDC_CALC_FORMULA, CB_GETCOUNT, 0, 0));
        std::vector<int> modes = {-1};
        if (formulas > 0) modes = {0, 1, std::min(4, formulas - 1), formulas - 1};
        if (lstrcmpW(maker.name, L"number base") == 0) modes = {IDC_BASE_DECIMAL, IDC_BASE_HEXADECIMAL, IDC_BASE_OCTAL, IDC_BASE_BINARY};
        for (int mode : modes) {
            if (formulas > 0) Choose(IDC_CALC_FORMULA, mode);
            else if (mode >= 0) SendDlgItemMessageW(dialog, mode, BM_CLICK, 0, 0);  // the number base's limit follows its base
            pasteAndCalculate(dialog, maker.name);
        }
        CloseTool();
    }
}

// A number pasted longer than its field is cut where the field ends, and
// what the field shows is what is calculated.
TEST_F(PastedInputTest, WhatAFieldShowsIsWhatIsCalculated) {
    OpenTool(std::make_unique<tv::PriceCompareDialog>(home->record));
    PasteInto(Field(IDC_PRICE_1), std::wstring(20, L'7'));
    PasteInto(Field(IDC_QUANTITY_1), L"1");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(TextOf(IDC_UNIT_PRICE_1), TextOf(IDC_PRICE_1) + L".00");
    // A full amount field against the same number written short.
    const std::wstring full = L"2" + std::wstring(31, L'0');
    const auto converted = [&](const std::wstring& amount) {
        PasteInto(Field(IDC_AMOUNT), amount);
        Press(IDC_CONVERT_BUTTON);
        return TextOf(IDC_CONVERTED_1);
    };
    OpenTool(std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(rates, tv::CalendarDate::Now())));
    EXPECT_EQ(converted(full), converted(L"2e31"));
    EXPECT_EQ(TextOf(IDC_AMOUNT), full);
    OpenTool(std::make_unique<tv::EuroRatesDialog>(home->record));
    EXPECT_EQ(converted(full), converted(L"2e31"));
}
