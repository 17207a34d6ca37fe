// The tool dialogs driven through their real controls: one pass that opens
// each tool once from the main window's menu and runs every check that needs
// it open; then every tool made modeless over damaged settings, given odd
// numbers, repainted and closed; then the money tools over rate files of our
// own and the rate update against a server on 127.0.0.1. The arithmetic is
// the native suite's.
#include <winternl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "app/window_text.h"
#include "gdi_creation_count.h"
#include "loopback_http_server.h"
#include "money/currency_dialog.h"
#include "money/currency_picker_dialog.h"
#include "money/rate_download.h"
#include "money/rate_feed.h"
#include "reference/code_list_dialog.h"
#include "reference/list_view_rows.h"
#include "tool_dialog_test_support.h"
#include "tools/circle_formulas.h"
#include "tools/permutations.h"

namespace {

using namespace wintest;
namespace fs = std::filesystem;

const char kRates[] = "20040115\r\nUSD 1.0\r\nCAD 0.75\r\nHKD 0.128\r\nEUR 1.25\r\nCNY 0.12\r\n";

void PressKeys(std::initializer_list<BYTE> keys) {
    for (BYTE key : keys) {
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    }
}

class ToolTest : public ToolDialogTest {
protected:
    void TearDown() override {
        ToolDialogTest::TearDown();
        fs::remove_all(folder);
    }
    // Enter pressed in a field as the user presses it, for the dialog's loop.
    void PressEnterIn(int id) {
        SetFocus(Field(id));
        SetForegroundWindow(dialog);
        PressKeys({VK_RETURN});
    }
    // A tool of the menu: each step runs from inside the dialog's own loop,
    // which handles what the step before left queued (keys); then help is
    // asked for and the title-bar OK closes it, or with `keys` F1 and Esc.
    struct Row {
        int command;
        const wchar_t* help;  // nullptr: none
        std::vector<std::function<void()>> steps;
        bool keys = false;
        std::function<void()> after = [] {};  // once it has closed
    };
    void OpenFromMenu(const Row& row) {
        SCOPED_TRACE(row.command);
        const size_t urls = helpUrls.size();
        size_t done = 0;
        std::function<void(HWND)> next = [&](HWND d) {
            dialog = d;
            row.steps[done++]();
            dialog = nullptr;
            if (done < row.steps.size()) return WhenDialogOpens(next);
            SetForegroundWindow(d);
            if (row.keys) return PressKeys({VK_F1, VK_ESCAPE});
            SendMessageW(d, WM_HELP, 0, 0);
            SendMessageW(d, WM_CLOSE, 0, 0);
        };
        WhenDialogOpens(next);
        Command(row.command);
        WhenDialogOpens(nullptr);
        EXPECT_EQ(done, row.steps.size()) << "closed early";
        ASSERT_EQ(helpUrls.size() - urls, row.help ? 1u : 0u);
        if (row.help) EXPECT_TRUE(helpUrls.back().ends_with(std::wstring(L"#") + row.help)) << helpUrls.back();
        row.after();
    }

    // A tool's steps: the formula chosen or the radio pressed (-1: neither)
    // and the fields typed; `button` tapped and its message told unless
    // `message` is nullptr; then the texts of `fields`.
    struct Step {
        int choice;
        std::vector<std::pair<int, const wchar_t*>> typed;
        const wchar_t* message;
        const wchar_t* shown;
    };
    void Calculate(const std::vector<int>& fields, const std::vector<Step>& steps, int button = IDC_CALC_BUTTON) {
        for (const auto& [choice, typed, message, shown] : steps) {
            if (choice >= IDC_BASE_DECIMAL) Press(choice);
            else if (choice >= 0) Choose(IDC_CALC_FORMULA, choice);
            for (auto [id, text] : typed) Type(id, text);
            if (message) EXPECT_EQ(Messages(button), message) << shown;
            EXPECT_EQ(Fields(fields), shown);
        }
    }
    std::wstring WriteRates(const std::string& bytes, std::wstring file = {}) {
        if (file.empty()) file = folder + L"CurRates.dat";
        fs::create_directories(fs::path(file).parent_path());
        std::ofstream(fs::path(file), std::ios::binary) << bytes;
        return file;
    }
    void OpenCurrency(const std::wstring& file) {
        tool = std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(file, tv::CalendarDate::Now()));
        dialog = tool->CreateModeless(main);
    }
    std::wstring Rates() const { return Fields({IDC_RATE_1, IDC_RATE_1 + 1, IDC_RATE_1 + 2, IDC_RATE_1 + 3}); }
    std::wstring Converted(const wchar_t* amount) {
        Type(IDC_AMOUNT, amount);
        Press(IDC_CONVERT_BUTTON);
        return Fields({IDC_CONVERTED_1, IDC_CONVERTED_1 + 1, IDC_CONVERTED_1 + 2, IDC_CONVERTED_1 + 3});
    }
    std::wstring ModifyRatesItem() { return MenuItems(dialog, IDMB_TOOLS, {ID_MODIFY_RATES}); }
    // Taps a currency button; the picker that opens gets `code` chosen and
    // OK. Returns the row the picker showed selected.
    std::wstring Pick(int button, const wchar_t* code) {
        std::wstring selected = L"(no picker)";
        WhenDialogOpens([&](HWND picker) {
            HWND list = GetDlgItem(picker, IDC_CODE_LIST);
            const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
            selected = row < 0 ? L"(none)" : tv::ListItemText(list, row);
            LVFINDINFOW find = {LVFI_STRING, code};
            tv::CodeListDialog::SelectRow(list, ListView_FindItem(list, -1, &find));
            SendMessageW(picker, WM_COMMAND, IDOK, 0);
        });
        Press(button);
        return selected;
    }

    const std::wstring folder = (fs::temp_directory_path() / L"tv-money-tests" / L"").wstring();
};

// A stored category and decimal count that name nothing start the pass; the
// settings the tools change are what a restart reads back.
TEST_F(ToolTest, EachToolOpensOnceFromTheMenuAndWorksThroughItsControls) {
    Close();
    for (auto [name, value] : {std::pair{L"Category", DWORD{77}}, std::pair{L"DeciSize", DWORD{9}}})
        RegSetKeyValueW(HKEY_CURRENT_USER, tv::kSettingsPath, name, REG_DWORD, &value, sizeof value);
    Open();
    EXPECT_EQ(home->record.Category, tv::kTemperature);
    SetWindowTextW(Item(IDC_INPUT), L"1234");
    Click(IDC_CONVERT_BUTTON);

    // Without the rate file in Documents: the message, and no dialog.
    const std::wstring userRates = tv::ExchangeRateTable::OfUserFile().Path();
    fs::remove(userRates);
    EXPECT_TRUE(CloseMessageBoxes(main, [&] { Command(ID_CURRENCY); })
                    .starts_with(L"Tallyvane Pro: The currency exchange rate file does not exist. Please"));
    WriteRates(kRates, userRates);

    const std::vector<int> bases = {IDC_BASE_INPUT, IDC_BASE_OUTPUT_1, IDC_BASE_OUTPUT_2, IDC_BASE_OUTPUT_3};
    const std::vector<int> prices = {IDC_PRICE_1, IDC_QUANTITY_1, IDC_UNIT_PRICE_1, IDC_PRICE_2, IDC_QUANTITY_2, IDC_UNIT_PRICE_2};
    const std::vector<int> codes = {IDC_SOURCE_CURRENCY, IDC_TARGET_CURRENCY_1, IDC_TARGET_CURRENCY_1 + 1,
                                    IDC_TARGET_CURRENCY_1 + 2, IDC_TARGET_CURRENCY_4};

    const Row rows[] = {
        // Opening saves the repaired category; F1 asks for the topic and Esc is
        // the title-bar OK: it stores, and the main window shows it at once.
        {ID_OPTIONS, L"options", {[&] {
             EXPECT_EQ(StoredDword(tv::kSettingsPath, L"Category"), DWORD{tv::kTemperature});
             EXPECT_EQ(SendMessageW(Field(IDC_DECIMAL_PLACES), CB_GETCURSEL, 0, 0), 2);  // the default
             SendMessageW(Field(IDC_DECIMAL_PLACES), CB_SETCURSEL, 0, 0);              // (Unlimited)
             SetFocus(Field(IDC_DIGIT_GROUPING));
             CheckDlgButton(dialog, IDC_DIGIT_GROUPING, BST_CHECKED);
         }}, true, [&] { EXPECT_EQ(ItemText(IDC_RESULT), L"1,234.00000000"); }},
        {ID_ABOUT, nullptr, {[] {}}},
        // Opens in decimal; each base clears everything and offers its labels,
        // digits and length; Enter converts instead of closing.
        {ID_NUMBER_BASE, L"numbase", {[&] {
             ShowWindow(dialog, SW_SHOWNORMAL);  // as its loop does once idle: keys reach it
             home->record.GroupDigits = true;
             Calculate(bases, {{-1, {{IDC_BASE_INPUT, L"255"}}, L"", L"255 | [FF] | [377] | [1111 1111]"}}, IDC_CONVERT_BUTTON);
             home->record.GroupDigits = false;
             // A 1 converted in the base before (binary shows whole nibbles), then the base's own.
             const std::tuple<const wchar_t*, int, const wchar_t*, const wchar_t*, int> modes[] = {
                 {L"1 | [1] | [1] | [0001]", IDC_BASE_BINARY, L"Hexadecimal | Octal | Decimal", L"01", 64},
                 {L"1 | [1] | [1] | [1]", IDC_BASE_OCTAL, L"Hexadecimal | Decimal | Binary", L"01234567", 22},
                 {L"1 | [1] | [1] | [0001]", IDC_BASE_DECIMAL, L"Hexadecimal | Octal | Binary", L"0123456789", 20},
                 {L"1 | [1] | [1] | [0001]", IDC_BASE_HEXADECIMAL, L"Decimal | Octal | Binary", L"0123456789ABCDEF", 16}};
             for (auto [converted, radio, labels, keys, limit] : modes) {
                 SCOPED_TRACE(keys);
                 Calculate(bases, {{-1, {{IDC_BASE_INPUT, L"1"}}, L"", converted}, {radio, {}, nullptr, L" | [] | [] | []"}},
                           IDC_CONVERT_BUTTON);
                 EXPECT_EQ(Fields({IDC_BASE_LABEL_1, IDC_BASE_LABEL_2, IDC_BASE_LABEL_3}), labels);
                 EXPECT_EQ(AccessibleName(Field(IDC_BASE_INPUT)), TextOf(radio) + L" number");
                 std::wstring enabled;  // the keypad keys that can be tapped, as their captions
                 for (int id = IDC_KEY_0; id <= IDC_KEY_F; ++id) enabled += IsWindowEnabled(Field(id)) ? TextOf(id) : L"";
                 EXPECT_EQ(enabled + std::to_wstring(Limit(IDC_BASE_INPUT)), keys + std::to_wstring(limit));
             }
             Type(IDC_BASE_INPUT, L"A1F");
             PressEnterIn(IDC_BASE_INPUT);
         }, [&] { EXPECT_EQ(TextOf(IDC_BASE_OUTPUT_1), L"2591"); }}},
        // A quantity of 0 keeps the unit price; Clear All is a keypad key that
        // empties every field; Enter prices instead of closing.
        {ID_PRICE_COMPARISON, L"pricecmp", {[&] {
             home->record.GroupDigits = true;
             ShowWindow(dialog, SW_SHOWNORMAL);
             Calculate(prices, {{-1, {{IDC_PRICE_1, L"9"}, {IDC_QUANTITY_1, L"0"}, {IDC_UNIT_PRICE_1, L"earlier"},
                                      {IDC_PRICE_2, L"123456"}, {IDC_QUANTITY_2, L"1"}}, L"",
                                 L"9 | 0 | [earlier] | 123456 | 1 | [123,456.00]"}}, IDC_CONVERT_BUTTON);
             SetFocus(Field(IDC_QUANTITY_2));
             Press(IDC_CLEAR_ALL);
             EXPECT_EQ(Fields(prices), L" |  | [] |  |  | []");
             EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
             Type(IDC_PRICE_1, L"3.99");
             Type(IDC_QUANTITY_1, L"2");
             PressEnterIn(IDC_QUANTITY_1);
         }, [&] { EXPECT_EQ(TextOf(IDC_UNIT_PRICE_1), L"2.00"); }}},
        // Over the Documents folder's rate file: six decimals converted as
        // shown; a code the file lacks switches Modify Rates on, a second such
        // pick switches it back; a new source refreshes every row.
        {ID_CURRENCY, L"curr", {[&] {
             EXPECT_EQ(Fields(codes) + L" | " + Rates(),
                       L"USD | CAD | HKD | EUR | CNY | [1.333333] | [7.812500] | [0.800000] | [8.333333]");
             EXPECT_EQ(ModifyRatesItem(), L"Modify Rates; ");
             EXPECT_EQ(GetFocus(), Field(IDC_AMOUNT));
             home->record.GroupDigits = true;
             EXPECT_EQ(Converted(L"10000"), L"[13,333.33] | [78,125.00] | [8,000.00] | [83,333.33]");
             home->record.GroupDigits = false;
             EXPECT_EQ(Pick(IDC_TARGET_CURRENCY_1 + 1, L"JPY"), L"HKD");
             EXPECT_EQ(AccessibleName(Field(IDC_CONVERTED_1 + 1)), L"JPY amount");  // read by its new currency
             EXPECT_EQ(Rates(), L"1.333333 | 0.000000 | 0.800000 | 8.333333");
             EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
             EXPECT_EQ(Fields({IDC_CONVERTED_1, IDC_CONVERTED_1 + 1}), L"[13333.33] | [0.00]");  // at once
             Type(IDC_RATE_1 + 1, L"2.5");
             Pick(IDC_TARGET_CURRENCY_4, L"AED");
             EXPECT_EQ(Rates(), L"[1.333333] | [2.5] | [0.800000] | [0.000000]");
             EXPECT_EQ(Converted(L"2"), L"[2.67] | [5.00] | [1.60] | [0.00]");
             EXPECT_EQ(Pick(IDC_SOURCE_CURRENCY, L"EUR"), L"USD");
             EXPECT_EQ(Rates(), L"1.666667 | 0.000000 | 1.000000 | 0.000000");  // two missing: switched once
             Type(IDC_RATE_1 + 1, L"140");
         }}},
        // Fixed rates, hidden; no Tools.
        {ID_EURO_RATES, L"euro", {[&] {
             EXPECT_EQ(Fields(codes), L"EUR | DEM | FRF | ITL | NLG");
             EXPECT_FALSE(IsWindowVisible(Field(IDC_RATE_1)));
             EXPECT_TRUE(GetMenuState(GetMenu(dialog), 1, MF_BYPOSITION) & MF_GRAYED);  // Tools
             EXPECT_EQ(Converted(L"1"), L"[1.96] | [6.56] | [1936.27] | [2.20]");
             EXPECT_EQ(Pick(IDC_SOURCE_CURRENCY, L"ITL"), L"EUR");
             EXPECT_EQ(Pick(IDC_TARGET_CURRENCY_1, L"EUR"), L"DEM");
             EXPECT_EQ(Converted(L"1000"), L"[0.52] | [3.39] | [1000.00] | [1.14]");
         }}},
        // Sizes and sales tax share their help topic; care labels have none.
        {ID_CLOTHING_SIZES, L"clothes", {[] {}}},
        {ID_SALES_TAX, L"clothes", {[] {}}},
        {ID_CARE_LABELS, nullptr, {[] {}}},
        {ID_DIALING_CODES, nullptr, {[] {}}},
        {ID_CITY_AREA_CODES, nullptr, {[] {}}},
        // The count follows a change of either picker, counted from From.
        {ID_DAYS_BETWEEN, L"dbtwd", {[&] {
             EXPECT_EQ(Fields({IDC_DAYS_COUNT}), L"[0]");  // both pickers on today
             SYSTEMTIME to = {2004, 1, 0, 1}, from = {2004, 3, 0, 1};
             SendMessageW(Field(IDC_DAYS_TO), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&to));
             // What a picker sends when the user changes it: From, then To a month on.
             for (auto [id, when, count] :
                  {std::tuple{IDC_DAYS_FROM, from, L"-60"}, {IDC_DAYS_TO, SYSTEMTIME{2004, 2, 0, 1}, L"-29"}}) {
                 SendMessageW(Field(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&when));
                 NMDATETIMECHANGE change = {{Field(id), UINT_PTR(id), DTN_DATETIMECHANGE}, GDT_VALID, when};
                 SendMessageW(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change));
                 EXPECT_EQ(TextOf(IDC_DAYS_COUNT), count);
             }
         }}},
        // Pi to 31 digits; the formula group sets the fields; the angle unit is
        // read at Calculate; a refusal keeps the result.
        {ID_CIRCLE, L"circle", {[&] {
             home->record.DeciSize = 0;  // unlimited: up to 14 decimals
             const std::vector<int> circle = {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT, IDC_CALC_RESULT};
             EXPECT_EQ(TextOf(IDC_CIRCLE_PI), L"3.1415926535897932384626433832795");
             EXPECT_FALSE(IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)));
             Calculate(circle, {{-1, {{IDC_CIRCLE_RADIUS, L"1"}}, L"", L"1 | [] | [] | [6.28318530717959]"}});
             Calculate(circle, {{tv::kArcLength, {}, nullptr, L"1 |  | [] | []"},
                               {tv::kSine, {{IDC_CIRCLE_ANGLE, L"90"}}, nullptr, L"[] | 90 | [] | []"}});
             EXPECT_TRUE(IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)));
             Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kRadian);
             Calculate(circle, {{-1, {}, L"", L"[] | 90 | [] | [0.89399666360056]"}});  // sin 90 radians
             Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kDegree);  // waits for the next Calculate
             Calculate(circle, {{-1, {}, nullptr, L"[] | 90 | [] | [0.89399666360056]"},
                                {tv::kTangent, {{IDC_CALC_RESULT, L"before"}}, kInvalidValue.c_str(),  // tan 90 degrees
                                 L"[] | 90 | [] | [before]"}});
         }}},
        // The result is selected in the formula's output, here the ohms.
        {ID_ELECTRICAL, L"elect", {[&] {
             home->record.DeciSize = 1;
             Calculate({IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS, IDC_ELEC_AMPERES},
                       {{5, {{IDC_ELEC_WATTS, L"10"}, {IDC_ELEC_AMPERES, L"3"}}, L"", L"10 | [] | [1.11] | 3"}});
             EXPECT_EQ(GetFocus(), Field(IDC_ELEC_OHMS));
             EXPECT_EQ(SendMessageW(Field(IDC_ELEC_OHMS), EM_GETSEL, 0, 0), MAKELRESULT(0, 4));  // all of it
         }}},
        // Counts ungrouped, and refuses with messages that keep the result.
        {ID_PERMUTATION, nullptr, {[&] {
             home->record.GroupDigits = true;
             Calculate({IDC_PERM_SET_SIZE, IDC_PERM_ITEMS_TAKEN, IDC_CALC_RESULT},
                       {{-1, {{IDC_PERM_SET_SIZE, L"20"}, {IDC_PERM_ITEMS_TAKEN, L"20"}}, L"", L"20 | 20 | [2432902008176640000]"},
                        {-1, {{IDC_PERM_SET_SIZE, L"3"}, {IDC_PERM_ITEMS_TAKEN, L"4"}, {IDC_CALC_RESULT, L"18446744073709551615"}},
                         kInvalidValue.c_str(), L"3 | 4 | [18446744073709551615]"},  // more items than the set holds
                        {-1, {{IDC_PERM_SET_SIZE, L"30"}, {IDC_PERM_ITEMS_TAKEN, L"20"}}, kTooLarge.c_str(),
                         L"30 | 20 | [18446744073709551615]"},  // beyond 64 bits
                        {tv::kFactorial, {}, nullptr, L"30 | [] | [18446744073709551615]"}});
         }}},
    };
    for (const Row& row : rows) OpenFromMenu(row);
    fs::remove(userRates);

    // In the main window F1 asks for its own topic, and Esc ends the program;
    // a restart reads back what the tools chose.
    SetFocus(Item(IDC_TO_LIST));
    Key(VK_F1);
    EXPECT_TRUE(helpUrls.back().starts_with(L"file:///") && helpUrls.back().ends_with(L"/TallyvanePro.htm#unit"))
        << helpUrls.back();
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(main));
    Close();
    Open();
    const auto& s = home->record;
    EXPECT_EQ(std::wstring(s.MoneySel) + L" " + s.CustomRates[0] + L" " + s.CustomRates[1] + L" " + s.CustomRates[2] + L" " +
                  s.CustomRates[3] + L" " + s.EuroSel,
              L"EURCADJPYEURAED 1.666667 140 1.000000 0.000000 ITLEURFRFITLNLG");
    // Stored as earlier versions stored them: texts in fixed 16-character fields.
    std::wstring types;
    for (auto [path, name] : {std::pair{tv::kSettingsPath, L"GroupDigits"}, {tv::kSelectionPath, L"C13"},
                              {tv::kSettingsPath, L"EuroSel"}, {tv::kMoneyPath, L"MoneySel"}, {tv::kMoneyPath, L"C1"}}) {
        DWORD type = 0, size = 0;
        RegGetValueW(HKEY_CURRENT_USER, path, name, RRF_RT_ANY, &type, nullptr, &size);
        types += std::to_wstring(type) + L":" + std::to_wstring(size) + L" ";
    }
    EXPECT_EQ(types, L"4:4 4:4 1:32 1:32 1:32 ");  // REG_DWORD, REG_SZ
}

// ---- Every tool over damaged settings, given odd numbers and repainted ----

// Each damaged together before the first round; the rules of loading them
// are the native and registry tests'; here the program runs over them.
using Damage = std::tuple<const wchar_t*, const wchar_t*, DWORD, std::string>;  // path, name, type, bytes
std::string Bytes(const std::wstring& text) {  // with its terminator
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}
const Damage kDamage[] = {
    {tv::kSettingsPath, L"FSize", REG_SZ, Bytes(L"1")},  // a text read as a number's bytes
    {tv::kSettingsPath, L"DeciSize", REG_QWORD, "\x78\x56\x34\x12\x78\x56\x34\x12"},
    {tv::kSettingsPath, L"EuroSel", REG_SZ, Bytes(std::wstring(10000, L'9'))},
    {tv::kMoneyPath, L"MoneySel", REG_SZ, Bytes(L"USDXXXYYYZZZQQQ")},  // codes no rate file has
    {tv::kMoneyPath, L"C0", REG_SZ, Bytes(L"1e999")},
    {tv::kMoneyPath, L"C3", REG_MULTI_SZ, std::string("n\0a\0n\0\0\0\0\0", 10)},
};

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

// Objects made by two full repaints of `window`, after a first one that may
// fill what the window keeps for later.
long MadeByRepaints(tv::MessageLoop& loop, HWND window) {
    long before = 0;
    for (int i = 0; i < 3; ++i) {
        if (i == 1) before = GdiObjectsCreated();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        loop.RunPending();
    }
    return GdiObjectsCreated() - before;
}

// The messages sent to a dying dialog, and those that still find its object attached.
HWND g_dying = nullptr;
int g_reached = 0, g_seen = 0;
LRESULT CALLBACK WatchSent(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_dying) {
        ++g_seen;
        if (GetWindowLongPtrW(sent->hwnd, DWLP_USER)) ++g_reached;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Typed into every field that takes input before calculating: a number or the tool's own message.
const std::wstring kOdd[] = {L"1e308", L"-0", L"nan", L"inf", std::wstring(48, L'9'), L".", L"-"};
const std::wstring kMessages[] = {L"", kInvalidValue, kTooLarge, L"Tallyvane Pro: The number is too large. (stop)\n"};

class EveryToolTest : public ToolDialogTest {
protected:
    // Each odd number in every field of `window` that takes input, cut to its
    // limit as typing cuts it, and the action button pressed.
    void CalculateOddNumbers(HWND window, const wchar_t* what) {
        std::vector<HWND> edits;
        for (HWND edit = nullptr; (edit = FindWindowExW(window, edit, L"Edit", nullptr));) edits.push_back(edit);
        const auto takesInput = [](HWND edit) {
            return !(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) && IsWindowVisible(edit);
        };
        for (const std::wstring& value : kOdd) {
            for (HWND edit : edits) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
                if (takesInput(edit)) SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(value.c_str()));
            }
            const std::wstring shown = CloseMessageBoxes(window, [&] {
                for (int button : {IDC_CALC_BUTTON, IDC_CONVERT_BUTTON})
                    if (HWND b = GetDlgItem(window, button)) SendMessageW(window, WM_COMMAND, button, LPARAM(b));
                loop.RunPending();
            });
            EXPECT_NE(std::ranges::find(kMessages, shown), std::end(kMessages)) << what << ": " << shown;
            for (HWND edit : edits) {  // no output shows the runtime's texts for what is no number
                std::wstring lower = Text(edit);
                CharLowerW(lower.data());
                EXPECT_TRUE(takesInput(edit) || (lower.find(L"nan") == lower.npos && lower.find(L"inf") == lower.npos))
                    << what << ": " << value << ": " << lower;
            }
        }
    }
};

// Two rounds, over the damage and then over what the first round saved: the
// main window and every tool calculate odd numbers to a number or a message,
// repaint with the objects they hold, and the tools close with OK (which
// saves) or, in the second round, with work queued that never reaches their
// object. The second round leaves held as many GDI objects as the first.
TEST_F(EveryToolTest, OverDamagedSettingsEachCalculatesOddNumbersRepaintsWithoutMakingObjectsAndLeaksNothing) {
    ASSERT_TRUE(CountGdiCreations());
    Close();
    for (const auto& [path, name, type, bytes] : kDamage)
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path, name, type, bytes.data(), DWORD(bytes.size())), 0) << name;
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    long held = 0;
    for (int round = 0; round < 2; ++round) {
        Open();
        Command(ID_CATEGORY_FIRST + (round ? 13 : 2));  // frequency, length
        ChooseUnit(IDC_TO_LIST, 1);
        CalculateOddNumbers(main, L"main window");
        EXPECT_FALSE(ItemText(IDC_RESULT).empty());
        SendMessageW(Item(IDC_KEY_0 + 7), BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(MadeByRepaints(loop, main), 0);
        for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
            tool = maker.make();
            dialog = tool->CreateModeless(main);
            ASSERT_NE(dialog, nullptr) << maker.name;
            EXPECT_EQ(MadeByRepaints(loop, dialog), 0) << maker.name;  // a fresh tool: its first paint may make them
            // A mode a round: the circle's sine (with its angle) and each list's last formula, two bases.
            SendMessageW(dialog, WM_COMMAND, ID_MODIFY_RATES, 0);
            if (const int formulas = int(SendMessageW(Field(IDC_CALC_FORMULA), CB_GETCOUNT, 0, 0)); formulas > 0)
                Choose(IDC_CALC_FORMULA, round ? formulas - 1 : std::min(4, formulas - 1));
            if (lstrcmpW(maker.name, L"number base") == 0) Press(round ? IDC_BASE_HEXADECIMAL : IDC_BASE_BINARY);
            CalculateOddNumbers(dialog, maker.name);
            if (round == 0) {
                SendMessageW(dialog, WM_COMMAND, IDOK, 0);  // the dialogs that keep settings keep them now
            } else {
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
                for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), CBN_SELCHANGE), LPARAM(child));
                HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchSent, nullptr, GetCurrentThreadId());
                g_dying = dialog;
                g_seen = g_reached = 0;
                tool.reset();
                UnhookWindowsHookEx(hook);
                EXPECT_GT(g_seen, 0) << maker.name;  // WM_DESTROY at least
                EXPECT_EQ(g_reached, 0) << maker.name;
            }
            tool.reset();
            dialog = nullptr;
            Pump(loop);  // what was queued finds no window
        }
        Close();
        if (round == 0) held = GdiObjects();  // the first round fills what the system caches for good
        EXPECT_EQ(GdiObjects(), held);
    }
}

using MoneyTest = ToolTest;

// A saved row the file has no rate for shows the row's own rate; the Edit
// menu names each row after its code and copies it once converted.
TEST_F(MoneyTest, SavedRatesFillRowsTheFileLacksAndTheEditMenuCopiesEachRow) {
    lstrcpyW(home->record.MoneySel, L"USDCADXXXEURCNY");
    lstrcpyW(home->record.CustomRates[1], L"7.75");
    OpenCurrency(WriteRates(kRates));
    EXPECT_EQ(Rates(), L"1.333333 | 7.75 | 0.800000 | 8.333333");
    EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
    const auto edit = {ID_COPY_OUTPUT_FIRST, ID_COPY_OUTPUT_FIRST + 1, ID_COPY_OUTPUT_FIRST + 2, ID_COPY_OUTPUT_FIRST + 3};
    EXPECT_EQ(MenuItems(dialog, IDMB_EDIT, edit), L"Copy CAD (grey); Copy XXX (grey); Copy EUR (grey); Copy CNY (grey); ");
    Converted(L"100");
    SendMessageW(dialog, WM_COMMAND, ID_COPY_OUTPUT_FIRST + 2, 0);
    EXPECT_EQ(MenuItems(dialog, IDMB_EDIT, edit), L"Copy CAD; Copy XXX; Copy EUR; Copy CNY; ");
    Type(IDC_AMOUNT, L"");
    SendMessageW(dialog, WM_COMMAND, ID_PASTE, 0);
    EXPECT_EQ(TextOf(IDC_AMOUNT), L"80.00");
}

TEST_F(MoneyTest, PickerFindsTheCodeInAnyCaseAndOnlyLeavesWithARowOrWithNoList) {
    tv::CurrencyPickerDialog picker(tv::CurrencyListKind::kCurrencyCodes, L"cad",
                                    WriteRates("USD\tUS Dollar\r\nCAD\tCanadian Dollar\r\n", folder + L"codes.dat"));
    HWND window = picker.CreateModeless(main);
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    SendMessageW(window, WM_COMMAND, IDOK, 0);  // beeps and stays
    EXPECT_EQ(picker.Result(), -1);
    tv::CodeListDialog::SelectRow(list, 0);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(picker.Code(), L"USD");

    tv::CurrencyPickerDialog empty(tv::CurrencyListKind::kEuroCodes, L"DEM", folder + L"missing.dat");
    SendMessageW(empty.CreateModeless(main), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(empty.Result(), IDOK);
    EXPECT_EQ(empty.Code(), L"DEM");
}

// A feed of the source's shape: the day's rates as units per euro.
const std::string kFeed =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "\t<gesmes:subject>Reference rates</gesmes:subject>\n\t<Cube>\n\t\t<Cube time='2026-12-04'>\n"
    "<Cube currency='USD' rate='1.1612'/><Cube currency='JPY' rate='180.12'/><Cube currency='BGN' rate='1.9558'/>\n"
    "<Cube currency='CZK' rate='24.215'/><Cube currency='DKK' rate='7.4691'/><Cube currency='GBP' rate='0.87215'/>\n"
    "<Cube currency='HUF' rate='383.05'/><Cube currency='PLN' rate='4.2265'/><Cube currency='SEK' rate='10.9390'/>\n"
    "<Cube currency='CAD' rate='1.6223'/><Cube currency='HKD' rate='9.0368'/><Cube currency='CNY' rate='8.2216'/>\n"
    "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";

const std::wstring kBegins =
    L"Tallyvane Pro: Download is about to begin. Please make sure an Internet connection is connected and ready. "
    L"(information)\n";

class RateUpdateTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        ASSERT_FALSE(server.Url().empty());
        SetSource(server.Url());
        file = WriteRates(kRates);
        // An old time, so that any touch of the file shows.
        HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME old = {0x5A2B0000, 0x01D5F000};
        SetFileTime(h, nullptr, nullptr, &old);
        CloseHandle(h);
        OpenCurrency(file);
    }
    void TearDown() override {
        server.Stop();
        tv::SetRateDownloadTimeLimitForTesting(15000);
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ToolTest::TearDown();
    }
    static void SetSource(const std::wstring& url) {
        RegSetKeyValueW(HKEY_CURRENT_USER, tv::kMoneyPath, L"RatesUrl", REG_SZ, url.c_str(),
                        static_cast<DWORD>((url.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring UpdateItem() { return MenuItems(dialog, IDMB_TOOLS, {ID_UPDATE_CURRENCY_DATA}); }
    // Chooses Update Currency Data and waits for its end; the boxes it showed, closed.
    std::wstring Update() {
        return CloseMessageBoxes(dialog, [&] {
            SendMessageW(dialog, WM_COMMAND, ID_UPDATE_CURRENCY_DATA, 0);
            for (int i = 0; i < 400 && UpdateItem() != L"Update Currency Data; "; ++i) Pump(loop, 25);
        });
    }
    // The rate file's bytes and time of last change, and whether a temporary file is left.
    std::string FileState() const {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data);
        std::ifstream in(fs::path(file), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {}) + "@" + std::to_string(data.ftLastWriteTime.dwHighDateTime) + ":" +
               std::to_string(data.ftLastWriteTime.dwLowDateTime) +
               (fs::exists(fs::path(folder) / L"CurRates.tmp") ? " and CurRates.tmp" : "");
    }

    LoopbackHttpServer server;
    std::wstring file;
};

// Each failure leaves the file as it was and says so, with its cause on a
// second line; the day's feed then replaces the file, and the converter shows
// its rates and date. The source address refused is one the native suite refuses.
TEST_F(RateUpdateTest, EveryFailureLeavesTheFileAsItWasAndSaysWhyTheDaysFeedReplacesIt) {
    const std::string big(tv::kMaxFeedBytes + 1, ' ');
    HANDLE held = INVALID_HANDLE_VALUE;
    const std::wstring large = L"The answer was too large to be a day's rates.";
    const std::wstring replaced = L"The rate file could not be replaced: it is read-only or in use by another program, or the disk is full.";
    const std::tuple<const char*, LoopbackHttpServer::Reply, std::function<void()>, std::wstring> cases[] = {
        {"404", {"404 Not Found", kFeed}, nullptr, L"The server answered with status 404."},
        {"over 1 MiB, announced", {"200 OK", kFeed + big}, nullptr, large},
        {"over 1 MiB, streamed", {"200 OK", kFeed + big, false}, nullptr, large},
        {"malformed", {"200 OK", kFeed.substr(0, kFeed.size() / 2)}, nullptr,
         L"The answer was not a rate feed: its markup is broken or of a kind a feed does not use."},
        {"stalls past the limit", {"200 OK", kFeed, true, true}, [] { tv::SetRateDownloadTimeLimitForTesting(1000); },
         L"No answer came within 15 seconds."},
        {"after a stall, a sound feed to a read-only file", {"200 OK", kFeed}, [&] {
             tv::SetRateDownloadTimeLimitForTesting(15000);
             SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
         }, replaced},
        {"refused address", {"200 OK", kFeed}, [] { SetSource(L"http://192.0.2.1/eurofxref-daily.xml"); },
         L"The address of the rates in the settings (RatesUrl) cannot be used."},
        {"no server there", {"200 OK", kFeed}, [&] { SetSource(L"http://127.0.0.1:9/eurofxref-daily.xml"); },
         L"No connection could be made: the computer is offline or the server's name was not found."},
        {"file held open", {"200 OK", kFeed}, [&] {
             held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         }, replaced},
    };
    const std::string before = FileState();
    for (const auto& [name, reply, prepare, cause] : cases) {
        SCOPED_TRACE(name);
        const int requests = server.Requests();
        server.SetReply(reply);
        if (prepare) prepare();
        EXPECT_EQ(Update(), kBegins + L"Tallyvane Pro: Rate File download has failed!\n" + cause + L" (exclamation)\n");
        EXPECT_EQ(server.Requests() - requests, std::string(name).starts_with("refused") || std::string(name).starts_with("no server") ? 0 : 1);
        EXPECT_EQ(Rates(), L"[1.333333] | [7.812500] | [0.800000] | [8.333333]");
        if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetSource(server.Url());
        EXPECT_EQ(FileState(), before);
    }

    server.SetReply({"200 OK", kFeed});
    EXPECT_EQ(Update(), kBegins + L"Tallyvane Pro: Rate File has been successfully downloaded. (information)\n");
    EXPECT_EQ(tv::RateTransfersAlive(), 0);  // WinHTTP let go of it too
    EXPECT_EQ(Rates(), L"[1.397089] | [7.782294] | [0.861178] | [7.080262]");
    EXPECT_EQ(Converted(L"100"), L"[139.71] | [778.23] | [86.12] | [708.03]");
    const std::string written = FileState();
    EXPECT_EQ(written.substr(0, written.find("JPY")), "20261204\r\nEUR 1\r\nUSD 0.861178091629349\r\n");
    EXPECT_EQ(written.find("CurRates.tmp"), std::string::npos);
    WhenDialogOpens([&](HWND about) {  // the date "About Currency Data" shows
        EXPECT_EQ(Text(GetDlgItem(about, IDC_RATES_DATE)), L"Friday, December 4, 2026");
        SendMessageW(about, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(dialog, WM_COMMAND, ID_ABOUT_CURRENCY_DATA, 0);
}

// With no rate file, the first open offers the day's rates: Yes fetches them
// and opens with them, or says why not and closes; No closes. A rate file
// that is there but cannot be read is named, with why, and the converter closes.
TEST_F(RateUpdateTest, TheFirstOpenOffersTheDaysRatesAndAnUnreadableFileIsNamed) {
    const std::wstring offer = L"Tallyvane Pro: " + tv::StringResource(IDS_NO_RATE_FILE) +
                               L"\n\nDownload the day's rates now? (question)\n";
    const std::tuple<int, LoopbackHttpServer::Reply, std::wstring> cases[] = {
        {IDYES, {"200 OK", kFeed}, offer + kBegins + L"Tallyvane Pro: Rate File has been successfully downloaded. (information)\n"},
        {IDYES, {"404 Not Found", kFeed}, offer + kBegins +
             L"Tallyvane Pro: Rate File download has failed!\nThe server answered with status 404. (exclamation)\n"},
        {IDNO, {"200 OK", kFeed}, offer},
    };
    for (const auto& [answer, reply, told] : cases) {
        tool.reset();
        DeleteFileW(file.c_str());
        server.SetReply(reply);
        EXPECT_EQ(CloseMessageBoxes(main, [&] {
                      OpenCurrency(file);
                      for (int i = 0; i < 400 && IsWindow(dialog) && Rates() == L" |  |  | "; ++i) Pump(loop, 25);
                  }, answer), told);
        const bool opened = answer == IDYES && reply.status.starts_with("200");
        EXPECT_EQ(IsWindow(dialog) != FALSE, opened) << told;
        EXPECT_EQ(fs::exists(fs::path(file)), opened);
        if (opened) EXPECT_EQ(Rates(), L"[1.397089] | [7.782294] | [0.861178] | [7.080262]");
    }
    tool.reset();
    WriteRates("\xFF\xFE", file);  // a mark and no text
    HANDLE locked = CreateFileW(fs::path(file).replace_filename(L"Locked.dat").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, CREATE_ALWAYS, 0, nullptr);
    for (const auto& [path, why] : {std::pair{file, L"It is no rate file: it holds no text, or is far larger than any."},
                                    {fs::path(file).replace_filename(L"Locked.dat").wstring(), L"Another program is using it."}}) {
        EXPECT_EQ(CloseMessageBoxes(main, [&] { OpenCurrency(path); }),
                  L"Tallyvane Pro: The currency exchange rate file " + path + L" could not be read.\n" + why + L" (stop)\n");
        EXPECT_FALSE(IsWindow(dialog));
    }
    CloseHandle(locked);
}

// While a transfer stalls the command is grey and the dialog still works;
// closing then returns at once, and what WinHTTP held goes with the connection.
TEST_F(RateUpdateTest, ClosingDuringAStalledTransferReturnsAtOnce) {
    server.SetReply({"200 OK", "", true, true});
    EXPECT_EQ(CloseMessageBoxes(dialog, [&] { SendMessageW(dialog, WM_COMMAND, ID_UPDATE_CURRENCY_DATA, 0); }), kBegins);
    for (int i = 0; i < 100 && server.Requests() == 0; ++i) Pump(loop, 20);
    EXPECT_EQ(UpdateItem(), L"Update Currency Data (grey); ");
    EXPECT_EQ(Converted(L"1"), L"[1.33] | [7.81] | [0.80] | [8.33]");
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(CloseMessageBoxes(dialog, [&] {
                  SendMessageW(dialog, WM_COMMAND, IDOK, 0);
                  tool.reset();
              }), L"");
    EXPECT_LT(GetTickCount64() - start, 1000u);
    server.Stop();
    for (int i = 0; i < 100 && tv::RateTransfersAlive() > 0; ++i) Sleep(20);
    EXPECT_EQ(tv::RateTransfersAlive(), 0);
}

}  // namespace
