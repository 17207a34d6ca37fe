// The tool dialogs driven through their real controls: one pass that opens
// each tool once from the main window's menu and runs every check that needs
// it open, then the money tools over rate files of our own and the rate
// update against a server on 127.0.0.1. The arithmetic is the native suite's.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>

#include "app/keypad_panel.h"
#include "loopback_http_server.h"
#include "money/currency_data_dialog.h"
#include "money/currency_dialog.h"
#include "money/currency_picker_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/rate_download.h"
#include "money/rate_feed.h"
#include "money/rate_update.h"
#include "reference/code_list_dialog.h"
#include "reference/list_view_rows.h"
#include "tool_dialog_test_support.h"
#include "tools/area_volume_formulas.h"
#include "tools/circle_formulas.h"
#include "tools/electrical_formulas.h"
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
            // Exactly over the main window: no control reaches past the
            // handheld screen's width. The keypad tools' wider templates may.
            RECT r, m;
            GetWindowRect(d, &r);
            GetWindowRect(main, &m);
            if (GetDlgItem(d, IDC_KEY_0)) r.right = m.right;
            EXPECT_TRUE(EqualRect(&r, &m));
            dialog = d;
            row.steps[done++]();
            dialog = nullptr;
            if (done < row.steps.size()) return WhenDialogOpens(next);
            if (row.keys) {
                SetForegroundWindow(d);
                return PressKeys({VK_F1, VK_ESCAPE});
            }
            SendMessageW(d, WM_HELP, 0, 0);
            SendMessageW(d, WM_CLOSE, 0, 0);
        };
        WhenDialogOpens(next);
        Command(row.command);
        WhenDialogOpens(nullptr);
        EXPECT_EQ(done, row.steps.size()) << "closed early";
        EXPECT_TRUE(IsWindow(main));
        ASSERT_EQ(helpUrls.size() - urls, row.help ? 1u : 0u);
        if (row.help) EXPECT_TRUE(helpUrls.back().ends_with(std::wstring(L"#") + row.help)) << helpUrls.back();
        row.after();
    }

    // A calculator's steps: the formula chosen (-1: kept) and the fields
    // typed; Calculate tapped and its message told unless `message` is
    // nullptr; then the texts of `fields`.
    struct Step {
        int formula;
        std::vector<std::pair<int, const wchar_t*>> typed;
        const wchar_t* message;
        const wchar_t* shown;
    };
    void Calculate(const std::vector<int>& fields, const std::vector<Step>& steps) {
        for (const auto& [formula, typed, message, shown] : steps) {
            if (formula >= 0) Choose(IDC_CALC_FORMULA, formula);
            for (auto [id, text] : typed) Type(id, text);
            if (message) EXPECT_EQ(Messages(), message) << shown;
            EXPECT_EQ(Fields(fields), shown);
        }
    }
    std::wstring WriteRates(const std::string& bytes, std::wstring file = {}) {
        if (file.empty()) file = folder + L"CurRates.dat";
        fs::create_directories(fs::path(file).parent_path());
        std::ofstream(fs::path(file), std::ios::binary) << bytes;
        return file;
    }
    void OpenModeless(std::unique_ptr<tv::ToolDialog> made) {
        tool = std::move(made);
        dialog = tool->CreateModeless(main);
    }
    void OpenCurrency(const std::wstring& file) {
        OpenModeless(std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(file, tv::CalendarDate::Now())));
    }
    std::wstring Codes() const {
        return Fields({IDC_SOURCE_CURRENCY, IDC_TARGET_CURRENCY_1, IDC_TARGET_CURRENCY_1 + 1, IDC_TARGET_CURRENCY_1 + 2,
                       IDC_TARGET_CURRENCY_4});
    }
    std::wstring Rates() const { return Fields({IDC_RATE_1, IDC_RATE_1 + 1, IDC_RATE_1 + 2, IDC_RATE_1 + 3}); }
    std::wstring Converted(const wchar_t* amount) {
        Type(IDC_AMOUNT, amount);
        Press(IDC_CONVERT_BUTTON);
        return Fields({IDC_CONVERTED_1, IDC_CONVERTED_1 + 1, IDC_CONVERTED_1 + 2, IDC_CONVERTED_1 + 3});
    }
    std::wstring ModifyRatesItem() { return MenuItems(dialog, IDMB_TOOLS, {ID_MODIFY_RATES}); }
    // The date "About Currency Data" shows.
    std::wstring ShownRatesDate() {
        std::wstring shown;
        WhenDialogOpens([&](HWND about) {
            shown = Text(GetDlgItem(about, IDC_RATES_DATE));
            SendMessageW(about, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(dialog, WM_COMMAND, ID_ABOUT_CURRENCY_DATA, 0);
        return shown;
    }
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
    ASSERT_NE(window->Category(), nullptr);
    EXPECT_EQ(home->record.Category, tv::kTemperature);
    SetWindowTextW(Item(IDC_INPUT), L"1234");
    Click(IDC_CONVERT_BUTTON);

    // Without the rate file in Documents: the message, no dialog, nothing kept.
    const std::wstring userRates = tv::ExchangeRateTable::OfUserFile().Path();
    fs::remove(userRates);
    lstrcpyW(home->record.MoneySel, L"GBPCADHKDEURCNY");
    const std::wstring missing = CloseMessageBoxes(main, [&] { Command(ID_CURRENCY); });
    EXPECT_TRUE(missing.starts_with(L"Tallyvane Pro: The currency exchange rate file does not exist. Please") &&
                missing.find(L"Update Currency Data in the Tools menu brings it up to date. (stop)") != std::wstring::npos)
        << missing;
    EXPECT_EQ(std::wstring(home->record.MoneySel), L"GBPCADHKDEURCNY");
    lstrcpyW(home->record.MoneySel, L"USDCADHKDEURCNY");
    WriteRates(kRates, userRates);

    const auto baseOutputs = [&] { return Fields({IDC_BASE_OUTPUT_1, IDC_BASE_OUTPUT_2, IDC_BASE_OUTPUT_3}); };
    const auto convertBase = [&](const wchar_t* input) {
        Type(IDC_BASE_INPUT, input);
        Press(IDC_CONVERT_BUTTON);
        return baseOutputs();
    };
    const auto copyItems = [&] {
        return MenuItems(dialog, IDMB_EDIT, {ID_COPY_OUTPUT_FIRST, ID_COPY_OUTPUT_FIRST + 1, ID_COPY_OUTPUT_FIRST + 2});
    };
    const std::vector<int> area = {IDC_AREA_BASE, IDC_AREA_WIDTH, IDC_AREA_HEIGHT, IDC_CALC_RESULT};
    const std::vector<int> circle = {IDC_CIRCLE_RADIUS, IDC_CIRCLE_ANGLE, IDC_CIRCLE_HEIGHT, IDC_CALC_RESULT};
    const std::vector<int> electrical = {IDC_ELEC_WATTS, IDC_ELEC_VOLTS, IDC_ELEC_OHMS, IDC_ELEC_AMPERES};
    const std::vector<int> prices = {IDC_PRICE_1, IDC_QUANTITY_1, IDC_UNIT_PRICE_1,
                                     IDC_PRICE_2, IDC_QUANTITY_2, IDC_UNIT_PRICE_2};
    const auto pixel = [](HWND window, int x, int y) {
        HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    };

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
        // Opens in decimal on its colour; a blank or too large number keeps the
        // outputs; each base clears everything and offers its digits, labels
        // and length; the keypad types capitals; the Copy items follow the
        // outputs; Enter converts instead of closing.
        {ID_NUMBER_BASE, L"numbase", {[&] {
             home->record.GroupDigits = true;
             EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_BASE_DECIMAL), BST_CHECKED);
             EXPECT_EQ(GetFocus(), Field(IDC_BASE_INPUT));
             ShowWindow(dialog, SW_SHOWNORMAL);  // as its loop does once idle: keys and pixels reach it
             RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
             RECT client;
             GetClientRect(dialog, &client);
             // The client area's last pixel, below the keypad, on the tool's colour.
             EXPECT_EQ(pixel(dialog, client.right - 3, client.bottom - 3), RGB(218, 194, 240));
             EXPECT_EQ(convertBase(L"255"), L"[FF] | [377] | [1111 1111]");
             for (const wchar_t* input : {L"  ", L"18446744073709551616"}) {
                 Type(IDC_BASE_INPUT, input);
                 EXPECT_EQ(Messages(IDC_CONVERT_BUTTON), L"Tallyvane Pro: The number is too large. (stop)\n") << input;
                 EXPECT_EQ(baseOutputs(), L"[FF] | [377] | [1111 1111]") << input;
             }
             home->record.GroupDigits = false;
             const std::tuple<int, const wchar_t*, const wchar_t*, int> bases[] = {
                 {IDC_BASE_BINARY, L"Hexadecimal | Octal | Decimal", L"01", 64},
                 {IDC_BASE_OCTAL, L"Hexadecimal | Decimal | Binary", L"01234567", 22},
                 {IDC_BASE_DECIMAL, L"Hexadecimal | Octal | Binary", L"0123456789", 20},
                 {IDC_BASE_HEXADECIMAL, L"Decimal | Octal | Binary", L"0123456789ABCDEF", 16}};
             for (auto [radio, labels, keys, limit] : bases) {
                 SCOPED_TRACE(keys);
                 convertBase(L"1");
                 Press(radio);
                 EXPECT_EQ(TextOf(IDC_BASE_INPUT) + L" | " + baseOutputs(), L" | [] | [] | []");
                 EXPECT_EQ(Fields({IDC_BASE_LABEL_1, IDC_BASE_LABEL_2, IDC_BASE_LABEL_3}), labels);
                 std::wstring enabled;  // the keypad keys that can be tapped, as their captions
                 for (int id = IDC_KEY_0; id <= IDC_KEY_F; ++id) enabled += IsWindowEnabled(Field(id)) ? TextOf(id) : L"";
                 EXPECT_EQ(enabled, keys);
                 EXPECT_EQ(Limit(IDC_BASE_INPUT), limit);
             }
             SetFocus(Field(IDC_BASE_INPUT));
             for (int id : {IDC_KEY_A, IDC_KEY_0 + 1, IDC_KEY_F}) Tap(id);
             Press(IDC_CONVERT_BUTTON);
             SetFocus(Field(IDC_BASE_OUTPUT_1));  // a tapped output becomes the keypad's target
             Tap(IDC_KEY_CLEAR);
             EXPECT_EQ(TextOf(IDC_BASE_INPUT) + L" | " + baseOutputs(), L"A1F | [] | [5037] | [101000011111]");
             EXPECT_EQ(copyItems(), L"Copy Decimal (grey); Copy Octal; Copy Binary; ");
             SendMessageW(dialog, WM_COMMAND, ID_COPY_OUTPUT_FIRST + 1, 0);
             Press(IDC_BASE_OCTAL);
             SendMessageW(dialog, WM_COMMAND, ID_PASTE, 0);
             EXPECT_EQ(TextOf(IDC_BASE_INPUT), L"5037");  // what Copy Octal put on the clipboard
             EXPECT_EQ(copyItems(), L"Copy Hexadecimal (grey); Copy Decimal (grey); Copy Binary (grey); ");
             SetFocus(Field(IDC_BASE_INPUT));
             SetForegroundWindow(dialog);
             PressKeys({VK_RETURN});
         }, [&] { EXPECT_EQ(TextOf(IDC_BASE_OUTPUT_1), L"A1F"); }}},
        // A quantity of 0 keeps the unit price; Clear All is a keypad key that
        // empties every field, drawn as one; Enter prices instead of closing.
        {ID_PRICE_COMPARISON, L"pricecmp", {[&] {
             home->record.GroupDigits = true;
             EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
             ShowWindow(dialog, SW_SHOWNORMAL);
             const wchar_t* const typed[] = {L"9", L"0", L"earlier", L"123456", L"1", L""};
             for (size_t i = 0; i < prices.size(); ++i) Type(prices[i], typed[i]);
             Press(IDC_CONVERT_BUTTON);
             EXPECT_EQ(Fields(prices), L"9 | 0 | [earlier] | 123456 | 1 | [123,456.00]");
             SetFocus(Field(IDC_QUANTITY_2));
             Press(IDC_CLEAR_ALL);
             EXPECT_EQ(Fields(prices), L" |  | [] |  |  | []");
             EXPECT_EQ(GetFocus(), Field(IDC_PRICE_1));
             for (int id : {IDC_KEY_0 + 1, IDC_KEY_POINT, IDC_KEY_0 + 5}) Tap(id);
             EXPECT_EQ(TextOf(IDC_PRICE_1), L"1.5");
             // Clear All's top-left pixel: a keypad key's bevel, held down.
             SendMessageW(Field(IDC_CLEAR_ALL), BM_SETSTATE, TRUE, 0);
             RedrawWindow(Field(IDC_CLEAR_ALL), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
             EXPECT_EQ(pixel(Field(IDC_CLEAR_ALL), 0, 0), tv::KeypadButton::kDarkEdge);
             Type(IDC_PRICE_1, L"3.99");
             Type(IDC_QUANTITY_1, L"2");
             SetFocus(Field(IDC_QUANTITY_1));
             SetForegroundWindow(dialog);
             PressKeys({VK_RETURN});
         }, [&] { EXPECT_EQ(TextOf(IDC_UNIT_PRICE_1), L"2.00"); }}},
        // Over the Documents folder's rate file: six decimals converted as
        // shown; a code the file lacks switches Modify Rates on, a second such
        // pick switches it back; a new source refreshes every row.
        {ID_CURRENCY, L"curr", {[&] {
             EXPECT_EQ(Codes(), L"USD | CAD | HKD | EUR | CNY");
             EXPECT_EQ(Rates(), L"[1.333333] | [7.812500] | [0.800000] | [8.333333]");
             EXPECT_EQ(ModifyRatesItem(), L"Modify Rates; ");
             EXPECT_EQ(GetFocus(), Field(IDC_AMOUNT));
             EXPECT_EQ(Limit(IDC_AMOUNT) * 100 + Limit(IDC_RATE_1), 3215);
             home->record.GroupDigits = true;
             EXPECT_EQ(Converted(L"10000"), L"[13,333.33] | [78,125.00] | [8,000.00] | [83,333.33]");
             home->record.GroupDigits = false;
             EXPECT_EQ(Pick(IDC_TARGET_CURRENCY_1 + 1, L"JPY"), L"HKD");
             EXPECT_EQ(Rates(), L"1.333333 | 0.000000 | 0.800000 | 8.333333");
             EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
             EXPECT_EQ(Fields({IDC_CONVERTED_1, IDC_CONVERTED_1 + 1}), L"[13333.33] | [0.00]");  // at once
             Type(IDC_RATE_1 + 1, L"2.5");
             Pick(IDC_TARGET_CURRENCY_4, L"AED");
             EXPECT_EQ(Rates(), L"[1.333333] | [2.5] | [0.800000] | [0.000000]");
             EXPECT_EQ(Converted(L"2"), L"[2.67] | [5.00] | [1.60] | [0.00]");
             EXPECT_EQ(Pick(IDC_SOURCE_CURRENCY, L"EUR"), L"USD");
             EXPECT_EQ(Rates(), L"1.666667 | 0.000000 | 1.000000 | 0.000000");  // two missing: switched once
             EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
             Type(IDC_RATE_1 + 1, L"140");
         }}},
        // Fixed rates, hidden; no Tools.
        {ID_EURO_RATES, L"euro", {[&] {
             EXPECT_EQ(Codes(), L"EUR | DEM | FRF | ITL | NLG");
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
        // All of pi shows; the formula group sets the fields; the angle unit is
        // read at Calculate; a refusal keeps the result.
        {ID_CIRCLE, L"circle", {[&] {
             home->record.DeciSize = 0;  // unlimited: up to 14 decimals
             EXPECT_EQ(TextOf(IDC_CIRCLE_PI), L"3.1415926535897932384626433832795");
             EXPECT_TRUE(ShowsWholeText(Field(IDC_CIRCLE_PI)));
             EXPECT_EQ(Limit(IDC_CIRCLE_RADIUS), 31);
             EXPECT_FALSE(IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)));
             Calculate(circle, {{-1, {{IDC_CIRCLE_RADIUS, L"1"}}, L"", L"1 | [] | [] | [6.28318530717959]"},
                                {tv::kArcLength, {}, nullptr, L"1 |  | [] | []"},
                                {tv::kSine, {{IDC_CIRCLE_ANGLE, L"90"}}, nullptr, L"[] | 90 | [] | []"}});
             EXPECT_TRUE(IsWindowEnabled(Field(IDC_CIRCLE_ANGLE_UNIT)));
             Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kRadian);
             Calculate(circle, {{-1, {}, L"", L"[] | 90 | [] | [0.89399666360056]"}});  // sin 90 radians
             Choose(IDC_CIRCLE_ANGLE_UNIT, tv::kDegree);  // waits for the next Calculate
             Calculate(circle, {{-1, {}, nullptr, L"[] | 90 | [] | [0.89399666360056]"},
                                {tv::kTangent, {{IDC_CALC_RESULT, L"before"}}, kInvalidValue.c_str(),  // tan 90 degrees
                                 L"[] | 90 | [] | [before]"}});
         }}},
        // The result is selected in the formula's output; a refusal or a new
        // formula keeps the inputs.
        {ID_ELECTRICAL, L"elect", {[&] {
             home->record.DeciSize = 1;
             home->record.GroupDigits = true;
             Calculate(electrical, {{-1, {{IDC_ELEC_WATTS, L"4000000"}, {IDC_ELEC_OHMS, L"1"}}, L"",  // volts
                                     L"4000000 | [2,000.00] | 1 | []"},
                                    {5, {{IDC_ELEC_WATTS, L"10"}, {IDC_ELEC_AMPERES, L"3"}}, L"",  // ohms
                                     L"10 | [] | [1.11] | 3"}});
             EXPECT_EQ(GetFocus(), Field(IDC_ELEC_OHMS));
             EXPECT_EQ(SendMessageW(Field(IDC_ELEC_OHMS), EM_GETSEL, 0, 0), MAKELRESULT(0, 4));  // all of it selected
             Calculate(electrical, {{-1, {{IDC_ELEC_AMPERES, L"0"}}, kInvalidValue.c_str(), L"10 | [] | [1.11] | 0"},
                                    {11, {}, nullptr, L"[] |  | 1.11 | []"}});  // watts: the ohms become an input
         }}},
        // Opens on rectangle area; each formula empties the fields it does not read.
        {ID_AREA_VOLUME, L"areavol", {[&] {
             home->record.DeciSize = 5;  // out of range: formatted as the default
             Calculate(area, {{-1, {}, nullptr, L" |  | [] | []"},
                              {tv::kPrismVolume, {{IDC_AREA_BASE, L"200"}, {IDC_AREA_WIDTH, L"300"}, {IDC_AREA_HEIGHT, L"40"}},
                               L"", L"200 | 300 | 40 | [2,400,000.0000]"},
                              {tv::kRectangleArea, {}, nullptr, L"200 | 300 | [] | []"},
                              {tv::kTriangleArea, {}, nullptr, L"200 | [] |  | []"}});
         }}},
        // Counts ungrouped, and refuses with messages that keep the result.
        {ID_PERMUTATION, nullptr, {[&] {
             EXPECT_EQ(Limit(IDC_PERM_SET_SIZE), 15);
             const std::vector<int> fields = {IDC_PERM_SET_SIZE, IDC_PERM_ITEMS_TAKEN, IDC_CALC_RESULT};
             Calculate(fields, {{-1, {{IDC_PERM_SET_SIZE, L"20"}, {IDC_PERM_ITEMS_TAKEN, L"20"}}, L"",
                                 L"20 | 20 | [2432902008176640000]"}});
             Type(IDC_CALC_RESULT, L"18446744073709551615");  // the widest count
             EXPECT_TRUE(ShowsWholeText(Field(IDC_CALC_RESULT)));
             Calculate(fields, {{-1, {{IDC_PERM_SET_SIZE, L"3"}, {IDC_PERM_ITEMS_TAKEN, L"4"}}, kInvalidValue.c_str(),
                                 L"3 | 4 | [18446744073709551615]"},  // more items than the set holds
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
    EXPECT_EQ(std::wstring(home->record.MoneySel), L"EURCADJPYEURAED");
    const auto& rates = home->record.CustomRates;
    EXPECT_EQ(std::wstring(rates[0]) + L" " + rates[1] + L" " + rates[2] + L" " + rates[3],
              L"1.666667 140 1.000000 0.000000");
    EXPECT_EQ(std::wstring(home->record.EuroSel), L"ITLEURFRFITLNLG");
}

using MoneyTest = ToolTest;

// A saved row the file has no rate for shows the row's own rate; the Edit
// menu names each row after its code; the data window shows the file's date.
TEST_F(MoneyTest, SavedRatesFillRowsTheFileLacksEditMenuCopiesEachRowAndTheDateShows) {
    lstrcpyW(home->record.MoneySel, L"USDCADXXXEURCNY");
    lstrcpyW(home->record.CustomRates[1], L"7.75");
    OpenCurrency(WriteRates(kRates));
    EXPECT_EQ(Rates(), L"1.333333 | 7.75 | 0.800000 | 8.333333");
    EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
    ASSERT_TRUE(OpenClipboard(dialog));
    EmptyClipboard();
    CloseClipboard();
    const auto edit = {ID_COPY_OUTPUT_FIRST, ID_COPY_OUTPUT_FIRST + 1, ID_COPY_OUTPUT_FIRST + 2,
                       ID_COPY_OUTPUT_FIRST + 3, ID_PASTE};
    EXPECT_EQ(MenuItems(dialog, IDMB_EDIT, edit),
              L"Copy CAD (grey); Copy XXX (grey); Copy EUR (grey); Copy CNY (grey); Paste (grey); ");
    Converted(L"100");
    SendMessageW(dialog, WM_COMMAND, ID_COPY_OUTPUT_FIRST + 2, 0);
    EXPECT_EQ(MenuItems(dialog, IDMB_EDIT, edit), L"Copy CAD; Copy XXX; Copy EUR; Copy CNY; Paste; ");
    Type(IDC_AMOUNT, L"");
    SendMessageW(dialog, WM_COMMAND, ID_PASTE, 0);
    EXPECT_EQ(TextOf(IDC_AMOUNT), L"80.00");
    // The file's date in the long format, or Unknown.
    EXPECT_EQ(ShownRatesDate(), L"Thursday, January 15, 2004");
    tv::CalendarDate damaged;
    damaged.SetDate(2004, 13, 15);
    EXPECT_EQ(tv::LongDateText(damaged), L"Unknown");
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

TEST_F(MoneyTest, HeldSidewaysTheConverterScrollsToTheControlThatTakesTheFocus) {
    Close();
    tv::shell::SetDeviceScreenLogicalSize(320, 240);
    Open();
    OpenModeless(std::make_unique<tv::EuroRatesDialog>(home->record));
    ASSERT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_VSCROLL);
    const LONG top = Placed(Field(IDC_FROM_CURRENCY_LABEL)).top;
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_GT(Placed(Field(IDC_KEY_0)).bottom, client.bottom);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Field(IDC_KEY_0)), TRUE);
    Pump(loop);
    EXPECT_LE(Placed(Field(IDC_KEY_0)).bottom, client.bottom);
    EXPECT_LT(Placed(Field(IDC_FROM_CURRENCY_LABEL)).top, 0);
    SendMessageW(dialog, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(Placed(Field(IDC_FROM_CURRENCY_LABEL)).top, top);
}

// A feed of the source's shape: the day's rates as units per euro.
std::string Feed(const char* rows) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope "
                       "xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                       "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                       "\t<gesmes:subject>Reference rates</gesmes:subject>\n\t<Cube>\n\t\t<Cube time='2026-12-04'>\n") +
           rows + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

const char kDayRows[] =
    "<Cube currency='USD' rate='1.1612'/><Cube currency='JPY' rate='180.12'/><Cube currency='BGN' rate='1.9558'/>\n"
    "<Cube currency='CZK' rate='24.215'/><Cube currency='DKK' rate='7.4691'/><Cube currency='GBP' rate='0.87215'/>\n"
    "<Cube currency='HUF' rate='383.05'/><Cube currency='PLN' rate='4.2265'/><Cube currency='SEK' rate='10.9390'/>\n"
    "<Cube currency='CAD' rate='1.6223'/><Cube currency='HKD' rate='9.0368'/><Cube currency='CNY' rate='8.2216'/>\n";

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

// Each failure leaves the file as it was and says so; the day's feed then
// replaces the file, and the converter shows its rates and date.
TEST_F(RateUpdateTest, EveryFailureLeavesTheFileAsItWasAndTheDaysFeedReplacesIt) {
    const std::string feed = Feed(kDayRows), big(tv::kMaxFeedBytes + 1, ' ');
    HANDLE held = INVALID_HANDLE_VALUE;
    const std::tuple<const char*, LoopbackHttpServer::Reply, std::function<void()>> cases[] = {
        {"404", {"404 Not Found", feed}, nullptr},
        {"over 1 MiB, announced", {"200 OK", feed + big}, nullptr},
        {"over 1 MiB, streamed", {"200 OK", feed + big, false}, nullptr},
        {"malformed", {"200 OK", feed.substr(0, feed.size() / 2)}, nullptr},
        {"stalls past the limit", {"200 OK", feed, true, true}, [] { tv::SetRateDownloadTimeLimitForTesting(1000); }},
        {"after a stall, a sound feed to a read-only file", {"200 OK", feed}, [&] {
             tv::SetRateDownloadTimeLimitForTesting(15000);
             SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
         }},
        {"refused address", {"200 OK", feed}, [] { SetSource(L"http://192.0.2.1/eurofxref-daily.xml"); }},
        {"file held open", {"200 OK", feed}, [&] {
             held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
    };
    const std::wstring failed = kBegins + L"Tallyvane Pro: Rate File download has failed! (exclamation)\n";
    const std::string before = FileState();
    EXPECT_EQ(UpdateItem(), L"Update Currency Data; ");
    for (const auto& [name, reply, prepare] : cases) {
        SCOPED_TRACE(name);
        const int requests = server.Requests();
        server.SetReply(reply);
        if (prepare) prepare();
        EXPECT_EQ(Update(), failed);
        EXPECT_EQ(server.Requests() - requests, std::string(name).starts_with("refused") ? 0 : 1);
        EXPECT_EQ(Rates(), L"[1.333333] | [7.812500] | [0.800000] | [8.333333]");
        if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetSource(server.Url());
        EXPECT_EQ(FileState(), before);
    }

    server.SetReply({"200 OK", feed});
    EXPECT_EQ(Update(), kBegins + L"Tallyvane Pro: Rate File has been successfully downloaded. (information)\n");
    EXPECT_EQ(tv::RateTransfersAlive(), 0);  // WinHTTP let go of it too
    EXPECT_EQ(Rates(), L"[1.397089] | [7.782294] | [0.861178] | [7.080262]");
    EXPECT_EQ(Converted(L"100"), L"[139.71] | [778.23] | [86.12] | [708.03]");
    const std::string written = FileState();
    EXPECT_EQ(written.substr(0, written.find("JPY")), "20261204\r\nEUR 1\r\nUSD 0.861178091629349\r\n");
    EXPECT_EQ(written.find("CurRates.tmp"), std::string::npos);
    EXPECT_EQ(ShownRatesDate(), L"Friday, December 4, 2026");
}

TEST_F(RateUpdateTest, ClosingDuringAStalledTransferReturnsAtOnce) {
    server.SetReply({"200 OK", "", true, true});
    const std::string before = FileState();
    EXPECT_EQ(CloseMessageBoxes(dialog, [&] { SendMessageW(dialog, WM_COMMAND, ID_UPDATE_CURRENCY_DATA, 0); }),
              kBegins);
    for (int i = 0; i < 100 && server.Requests() == 0; ++i) Pump(loop, 20);
    ASSERT_EQ(server.Requests(), 1);
    // While it runs: the command is grey and the pointer says work goes on.
    EXPECT_EQ(UpdateItem(), L"Update Currency Data (grey); ");
    SendMessageW(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_APPSTARTING));
    EXPECT_EQ(Converted(L"1"), L"[1.33] | [7.81] | [0.80] | [8.33]");  // the dialog still works

    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(CloseMessageBoxes(dialog, [&] {
                  SendMessageW(dialog, WM_COMMAND, IDOK, 0);
                  tool.reset();
                  Pump(loop);
              }),
              L"");
    EXPECT_LT(GetTickCount64() - start, 1000u);
    EXPECT_EQ(FileState(), before);
    // What WinHTTP still held goes once the connection ends.
    server.Stop();
    for (int i = 0; i < 100 && tv::RateTransfersAlive() > 0; ++i) Sleep(20);
    EXPECT_EQ(tv::RateTransfersAlive(), 0);
}

// Without an address, or with an empty one, the source is the default; one
// longer than any accepted is refused, not cut. What is accepted is the native suite's.
TEST_F(RateUpdateTest, TheSourceIsTheRegistrysAddressWhenSetAndOnlyASafeOne) {
    auto source = [](const wchar_t* url) {
        if (url) SetSource(url);
        else RegDeleteKeyValueW(HKEY_CURRENT_USER, tv::kMoneyPath, L"RatesUrl");
        const std::optional<tv::RatesUrl> parsed = tv::RatesSource();
        return parsed ? (parsed->secure ? L"https " : L"http ") + parsed->host + L" " + std::to_wstring(parsed->port) +
                            L" " + parsed->path
                      : L"(refused)";
    };
    EXPECT_EQ(source(nullptr), L"https www.ecb.europa.eu 443 /stats/eurofxref/eurofxref-daily.xml");
    EXPECT_EQ(source(L""), source(nullptr));
    EXPECT_EQ(source((L"https://rates.example.org/" + std::wstring(5000, L'a')).c_str()), L"(refused)");
}

}  // namespace
