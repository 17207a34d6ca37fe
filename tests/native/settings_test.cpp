#include "settings/app_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

#include "fakes.h"

using tv::AppSettings;
using tv::kMoneyPath;
using tv::kSettingsPath;

namespace {

// All but the selections as one text: "DeciSize Category FSize BoldFont
// GroupDigits Zoom|EuroSel|MoneySel|C0|C1|C2|C3".
std::wstring Fields(const AppSettings& s) {
    wchar_t t[160];
    std::swprintf(t, 160, L"%u %u %u %d %d %u|%ls|%ls|%ls|%ls|%ls|%ls", s.DeciSize, s.Category, s.FSize,
                  s.BoldFont, s.GroupDigits, s.Zoom, s.EuroSel, s.MoneySel, s.CustomRates[0], s.CustomRates[1], s.CustomRates[2],
                  s.CustomRates[3]);
    return t;
}

std::wstring Dword(uint32_t v) { return FakeSettingsStore::Dword(v); }

AppSettings Loaded(FakeSettingsStore& store) {
    AppSettings s;
    tv::LoadSettings(s, store);
    return s;
}

AppSettings Changed() {
    AppSettings s{.DeciSize = 4, .Category = 13, .FSize = 7, .BoldFont = false, .GroupDigits = true};
    s.Zoom = 250;
    // Units within every category's table, upper bits their own.
    for (int i = 0; i < tv::kCategoryCount; ++i) s.Selection[i] = 0xABC00000u + (i << 16) + (i % 3) * 0x101u + 1;
    std::wcscpy(s.EuroSel, L"DEMEURFRFITLNLG");
    std::wcscpy(s.MoneySel, L"CADUSDHKDEURCNY");
    for (int i = 0; i < tv::kCustomRateCount; ++i) std::swprintf(s.CustomRates[i], 16, L"0.%d5", i);
    return s;
}
const std::wstring kChanged = L"4 13 7 0 1 250|DEMEURFRFITLNLG|CADUSDHKDEURCNY|0.05|0.15|0.25|0.35";

// Each key's last name and number of values, as the store holds them.
std::wstring Written(const FakeSettingsStore& store) {
    std::wstring t;
    for (const auto& [path, values] : store.keys)
        t += path.substr(path.rfind(L'\\') + 1) + L':' + std::to_wstring(values.size()) + L' ';
    return t;
}

}  // namespace

TEST(Settings, FirstRunGivesTheDefaultsThenSaveWritesTheWholeRecordAndLoadGivesItBack) {
    FakeSettingsStore store;
    AppSettings s = Loaded(store);
    EXPECT_EQ(Fields(s), L"2 0 1 1 0 100|EURDEMFRFITLNLG|USDCADHKDEURCNY|1.0|1.0|1.0|1.0");
    EXPECT_EQ(Written(store), L"TallyvanePro:0 Money:0 ");  // Selection is made by the first save

    // The value types and sizes are the registry tests' to check.
    const AppSettings saved = Changed();
    tv::SaveSettings(saved, store);
    EXPECT_EQ(Written(store), L"TallyvanePro:7 Money:5 Selection:14 ");
    s = Loaded(store);
    EXPECT_EQ(Fields(s), kChanged);
    EXPECT_TRUE(std::ranges::equal(s.Selection, saved.Selection));
}

// A key that cannot be made or opened stops what depends on it; a value that
// cannot be written or read falls back on its own. The record loaded into
// has empty texts and every selection 7: what is left alone shows.
TEST(Settings, EachKeyOrValueThatFailsStopsItsPart) {
    FakeSettingsStore store;
    store.failing = {L"Create Software\\TallyvanePro"};
    tv::SaveSettings(Changed(), store);
    EXPECT_EQ(Written(store), L"");
    AppSettings s;
    std::ranges::fill(s.Selection, 7u);
    tv::LoadSettings(s, store);
    EXPECT_TRUE(Fields(s) == L"2 0 1 1 0 100||||||" && s.Selection[0] == 7u);  // no text defaults either
    store.failing = {L"SetDword FSize", L"SetDword C3", L"SetString MoneySel"};
    tv::SaveSettings(Changed(), store);
    EXPECT_EQ(Written(store), L"TallyvanePro:6 Money:4 Selection:13 ");
    store.failing = {L"QueryDword Category", L"QueryString C1", L"Open Software\\TallyvanePro\\Selection"};
    tv::LoadSettings(s, store);
    EXPECT_EQ(Fields(s), L"4 0 1 0 1 250|DEMEURFRFITLNLG|USDCADHKDEURCNY|0.05|1.0|0.25|0.35");
    EXPECT_EQ(s.Selection[0], 0u);
}

// Texts no dialog writes load as unreadable ones do; numbers beyond their
// range load as they are (their low 16 bits) and are saved as the program
// reads them. Values of the wrong type or size are the store's to refuse; the
// registry tests show the real one does.
TEST(Settings, DamagedTextsLoadAsDefaultsAndDamagedNumbersAreSavedAsTheyAreRead) {
    FakeSettingsStore store;
    auto& top = store.keys[kSettingsPath];
    auto& money = store.keys[kMoneyPath];
    top[L"EuroSel"] = L"EURDEMFRF";                       // three codes
    money[L"MoneySel"] = std::wstring(L"USDCAD\x01KDEURCNY");  // a control character
    money[L"C1"] = L"";                                   // emptied by its user: kept
    money[L"C2"] = std::wstring(L"7\0\x02", 3);            // what follows the end is never read
    money[L"C3"] = L"AAABBBCCCDDDEEEF";  // fills the field without a terminator: cut to 15
    top[L"BoldFont"] = top[L"GroupDigits"] = Dword(2);  // only 1 is true
    top[L"FSize"] = Dword(0x10003);
    top[L"DeciSize"] = Dword(5);
    top[L"Category"] = Dword(0x2000E);
    top[L"Zoom"] = Dword(175);  // no size the program offers
    auto& selection = store.keys[tv::kSelectionPath];
    selection[L"C0"] = Dword(0x12340302);  // temperature has units 0 to 2
    selection[L"C1"] = Dword(0x12340809);  // mass has 0 to 8
    AppSettings s = Loaded(store);
    EXPECT_EQ(Fields(s), L"5 14 3 0 0 100|EURDEMFRFITLNLG|USDCADHKDEURCNY|1.0||7|AAABBBCCCDDDEEE");
    EXPECT_EQ(s.Selection[0], 0x12340302u);

    // Saved as read (each value's units joined).
    tv::SaveSettings(s, store);
    EXPECT_EQ(top[L"DeciSize"] + top[L"Category"], Dword(2) + Dword(0));
    EXPECT_EQ(selection[L"C0"] + selection[L"C1"], Dword(0x12340002) + Dword(0x12340800));
}

// Ctrl+Plus and Ctrl+Minus step through the sizes the Options dialog offers,
// from any zoom, and stop at the ends.
TEST(Settings, ZoomStepsUpAndDownThroughTheOfferedSizes) {
    const int cases[][3] = {{100, 1, 125}, {125, 1, 150}, {150, 1, 200}, {250, 1, 300}, {300, 1, 300}, {175, 1, 200},
                            {300, -1, 250}, {200, -1, 150}, {125, -1, 100}, {100, -1, 100}, {175, -1, 150},
                            {250, 0, 100}, {999, -1, 300}, {0, 1, 100}};
    for (const auto& [from, direction, to] : cases) EXPECT_EQ(tv::NextZoom(from, direction), to) << from << " " << direction;
}
