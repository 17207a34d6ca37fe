// Damaged settings: every value the program keeps under its registry key,
// written with the wrong type, the wrong size, numbers out of range or texts
// of ten thousand characters. The program starts, every tool opens and
// calculates, and its next saves write values of the right type, size and
// range.
#include <windows.h>

#include <cwctype>
#include <functional>
#include <string>
#include <vector>

#include "money/rate_update.h"
#include "settings/app_settings.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

// One value of the settings record in the registry.
struct Stored {
    const wchar_t* path;
    std::wstring name;
    bool text;
};

std::vector<Stored> EveryStoredValue() {
    std::vector<Stored> values;
    for (const wchar_t* name : {L"BoldFont", L"FSize", L"Category", L"DeciSize", L"GroupDigits"}) {
        values.push_back({tv::kSettingsPath, name, false});
    }
    values.push_back({tv::kSettingsPath, L"EuroSel", true});
    for (int i = 0; i < tv::kCategoryCount; ++i) values.push_back({tv::kSelectionPath, L"C" + std::to_wstring(i), false});
    values.push_back({tv::kMoneyPath, L"MoneySel", true});
    for (int i = 0; i < tv::kCustomRateCount; ++i) values.push_back({tv::kMoneyPath, L"C" + std::to_wstring(i), true});
    return values;
}

void Put(const Stored& v, DWORD type, const void* data, size_t bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, v.path, v.name.c_str(), type, data, static_cast<DWORD>(bytes)), 0)
        << v.name.c_str();
}
void PutText(const Stored& v, const std::wstring& text, DWORD type = REG_SZ) {
    Put(v, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}
void PutDword(const Stored& v, DWORD value) { Put(v, REG_DWORD, &value, sizeof value); }

// The value's type and bytes as the registry holds them.
std::pair<DWORD, std::string> Read(const Stored& v) {
    char data[64] = {};
    DWORD type = 0, size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, v.path, v.name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size)) {
        return {REG_NONE, ""};
    }
    return {type, std::string(data, size)};
}

// What is wrong with the saved value, or nothing.
std::wstring Insanity(const Stored& v) {
    const auto [type, bytes] = Read(v);
    if (v.text) {
        if (type != REG_SZ || bytes.size() != tv::kSettingTextChars * sizeof(wchar_t)) return L"not a 32-byte text";
        const auto* text = reinterpret_cast<const wchar_t*>(bytes.data());
        const std::wstring shown(text, std::wcslen(text));  // within the field: it ends in a zero
        if (shown.size() >= tv::kSettingTextChars) return L"no terminator";
        for (wchar_t c : shown) {
            if (c < L' ') return L"a control character";
        }
        if (v.name.ends_with(L"Sel") && shown.size() != tv::kSelectionChars) return L"not five codes: " + shown;
        return L"";
    }
    if (type != REG_DWORD || bytes.size() != 4) return L"not a DWORD";
    const DWORD n = *reinterpret_cast<const DWORD*>(bytes.data());
    const std::wstring number = std::to_wstring(n);
    if (v.path == tv::kSelectionPath) {
        const int count = tv::UnitTableFor(std::stoi(v.name.substr(1))).count;
        return int(n & 0xFF) < count && int((n >> 8) & 0xFF) < count ? L"" : L"units beyond the table: " + number;
    }
    if (v.name == L"BoldFont" || v.name == L"GroupDigits") return n <= 1 ? L"" : L"not a flag: " + number;
    if (v.name == L"Category") return n < tv::kCategoryCount ? L"" : L"no category: " + number;
    if (v.name == L"DeciSize") return n <= tv::kMostDeciSize ? L"" : L"no decimal places: " + number;
    return n <= 0xFFFF ? L"" : L"beyond 16 bits: " + number;  // FSize
}

class DamagedSettingsTest : public MainWindowTest {
protected:
    void TearDown() override {
        tool.reset();
        MainWindowTest::TearDown();
    }

    // Every saved value that is wrong, a line each.
    std::wstring InsaneValues() {
        std::wstring found;
        for (const Stored& v : EveryStoredValue()) {
            const std::wstring wrong = Insanity(v);
            if (!wrong.empty()) found += v.path + (L"\\" + v.name) + L": " + wrong + L"\n";
        }
        return found;
    }

    // A result that is a number or the program's "Overflow", never the
    // runtime's texts for what is no number.
    static bool ShowsNoNonNumber(const std::wstring& text) {
        std::wstring lower;
        for (wchar_t c : text) lower += static_cast<wchar_t>(std::towlower(c));
        return lower.find(L"nan") == std::wstring::npos && lower.find(L"inf") == std::wstring::npos;
    }

    // Starts the program over the damage, converts, opens every tool, types
    // "12" into its fields, calculates and closes it with OK; ends the
    // program. Both saves, at the first deactivation and at the end, are sane.
    void StartUseAndEnd() {
        Open();
        ASSERT_TRUE(IsWindow(main));
        ASSERT_NE(window->Category(), nullptr);
        SetWindowTextW(Item(IDC_INPUT), L"12");
        Click(IDC_CONVERT_BUTTON);
        EXPECT_FALSE(ItemText(IDC_RESULT).empty());
        EXPECT_TRUE(ShowsNoNonNumber(ItemText(IDC_RESULT))) << ItemText(IDC_RESULT);
        SendMessageW(main, WM_ACTIVATE, WA_INACTIVE, 0);  // a tool coming up saves
        EXPECT_EQ(InsaneValues(), L"") << "saved at the first deactivation";

        // The update asks the registry for its source: an address or none, never a crash.
        const std::optional<tv::RatesUrl> source = tv::RatesSource();
        if (source) EXPECT_FALSE(source->host.empty());

        const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
        for (const ToolMaker& maker : EveryTool(home->record, rates, tv::shell::ProgramFolder())) {
            tool = maker.make();
            HWND dialog = tool->CreateModeless(main);
            ASSERT_NE(dialog, nullptr) << maker.name;
            std::vector<HWND> edits;
            for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t cls[16] = {};
                GetClassNameW(child, cls, 16);
                if (lstrcmpiW(cls, L"Edit") != 0) continue;
                edits.push_back(child);
                if (!(GetWindowLongW(child, GWL_STYLE) & ES_READONLY) && IsWindowVisible(child)) {
                    SetWindowTextW(child, L"12");
                }
            }
            const std::wstring shown = CloseMessageBoxes(dialog, [&] {
                for (int button : {IDC_CALC_BUTTON, IDC_CONVERT_BUTTON}) {
                    if (HWND b = GetDlgItem(dialog, button)) {
                        SendMessageW(dialog, WM_COMMAND, button, reinterpret_cast<LPARAM>(b));
                    }
                }
                Pump(loop, 10);
            });
            EXPECT_EQ(shown, L"") << maker.name;
            for (HWND edit : edits) EXPECT_TRUE(ShowsNoNonNumber(Text(edit))) << maker.name << ": " << Text(edit);
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);  // the dialogs that keep settings keep them now
            tool.reset();
            loop.RunPending();
        }
        Close();
        EXPECT_EQ(InsaneValues(), L"") << "saved at the end";
        Open();  // and a restart reads what was saved
        ASSERT_TRUE(IsWindow(main));
        EXPECT_EQ(InsaneValues(), L"");
    }

    std::unique_ptr<tv::ToolDialog> tool;
};

}  // namespace

// Numbers as texts, raw bytes and quad words; texts as numbers, bytes and
// lists of texts.
TEST_F(DamagedSettingsTest, ValuesOfTheWrongType) {
    int i = 0;
    for (const Stored& v : EveryStoredValue()) {
        switch (i++ % 3) {
            case 0:
                if (v.text) PutDword(v, 0x00410041);  // "AA" were it read as text
                else PutText(v, L"1");             // four bytes, a number were it read as one
                break;
            case 1: {
                const std::wstring letters = L"USDCADHKDEURCNY";
                if (v.text) Put(v, REG_BINARY, letters.c_str(), 32);
                else Put(v, REG_BINARY, "\xFF\xFF\xFF\x7F", 4);
                break;
            }
            default: {
                const ULONGLONG quad = 0x1234567812345678ull;
                if (v.text) Put(v, REG_MULTI_SZ, L"EUR\0DEM\0", 18);
                else Put(v, REG_QWORD, &quad, sizeof quad);
                break;
            }
        }
    }
    PutDword({tv::kMoneyPath, L"RatesUrl", true}, 7);
    StartUseAndEnd();
}

// Numbers of 0, 1 and 3 bytes; texts of 0, 1 and 3 bytes, the last without
// their terminator.
TEST_F(DamagedSettingsTest, ValuesOfTheWrongSize) {
    const char bytes[4] = {'7', 0, '9', 0};
    const size_t sizes[] = {0, 1, 3};
    int i = 0;
    for (const Stored& v : EveryStoredValue()) Put(v, v.text ? REG_SZ : REG_DWORD, bytes, sizes[i++ % 3]);
    Put({tv::kMoneyPath, L"RatesUrl", true}, REG_SZ, bytes, 3);
    StartUseAndEnd();
}

// Numbers beyond what their fields mean, in every width; texts too short,
// with control characters, and rates no number fits.
TEST_F(DamagedSettingsTest, NumbersOutOfRangeAndTextsNoDialogWrites) {
    const DWORD numbers[] = {0xFFFFFFFF, 0x80000000, 14, 5, 0x10002, 0xFFFF};
    int i = 0;
    for (const Stored& v : EveryStoredValue()) {
        if (!v.text) PutDword(v, numbers[i++ % std::size(numbers)]);
    }
    PutText({tv::kSettingsPath, L"EuroSel", true}, L"EUR");
    PutText({tv::kMoneyPath, L"MoneySel", true}, L"USDXXXYYYZZZQQQ");  // codes the rate file lacks: the rates show
    PutText({tv::kMoneyPath, L"C0", true}, L"1e999");
    PutText({tv::kMoneyPath, L"C1", true}, L"-0");
    PutText({tv::kMoneyPath, L"C2", true}, std::wstring(L"\x01\x02\t\r\n", 5));
    PutText({tv::kMoneyPath, L"C3", true}, L"nan");
    PutText({tv::kMoneyPath, L"RatesUrl", true}, L"ftp://\x01");
    StartUseAndEnd();
}

// Every value a text of ten thousand characters, the numbers' too.
TEST_F(DamagedSettingsTest, TextsOfTenThousandCharacters) {
    const std::wstring huge(10000, L'9');
    for (const Stored& v : EveryStoredValue()) PutText(v, huge);
    PutText({tv::kMoneyPath, L"RatesUrl", true}, L"https://" + huge);
    StartUseAndEnd();
}
