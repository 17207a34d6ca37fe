#include "settings/app_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "fake_settings_store.h"

using tv::AppSettings;
using tv::kMoneyPath;
using tv::kSelectionPath;
using tv::kSettingsPath;

namespace {

// All but the selections as one text: "DeciSize Category FSize BoldFont
// GroupDigits|EuroSel|MoneySel|C0|C1|C2|C3".
std::wstring Fields(const AppSettings& s) {
    wchar_t t[160];
    std::swprintf(t, 160, L"%u %u %u %d %d|%ls|%ls|%ls|%ls|%ls|%ls", s.DeciSize, s.Category, s.FSize, s.BoldFont,
                  s.GroupDigits, s.EuroSel, s.MoneySel, s.CustomRates[0], s.CustomRates[1], s.CustomRates[2],
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
    for (int i = 0; i < tv::kCategoryCount; ++i) s.Selection[i] = 0xABCD0000u + i * 0x101u;
    std::wcscpy(s.EuroSel, L"DEMEURFRFITLNLG");
    std::wcscpy(s.MoneySel, L"CADUSDHKDEURCNY");
    for (int i = 0; i < tv::kCustomRateCount; ++i) std::swprintf(s.CustomRates[i], 16, L"0.%d5", i);
    return s;
}
const std::wstring kChanged = L"4 13 7 0 1|DEMEURFRFITLNLG|CADUSDHKDEURCNY|0.05|0.15|0.25|0.35";

// Each key's last name and number of values, as the store holds them.
std::wstring Written(const FakeSettingsStore& store) {
    std::wstring t;
    for (const auto& [path, values] : store.keys)
        t += path.substr(path.rfind(L'\\') + 1) + L':' + std::to_wstring(values.size()) + L' ';
    return t;
}

}  // namespace

TEST(Settings, FirstRunGivesTheDefaultsAndCreatesTwoKeys) {
    FakeSettingsStore store;
    AppSettings s = Loaded(store);
    EXPECT_EQ(Fields(s), L"2 0 1 1 0|EURDEMFRFITLNLG|USDCADHKDEURCNY|1.0|1.0|1.0|1.0");
    EXPECT_EQ(std::ranges::count(s.Selection, 0u), tv::kCategoryCount);
    EXPECT_EQ(Written(store), L"TallyvanePro:0 Money:0 ");  // Selection is made by the first save
}

// The value types and sizes are the registry tests' to check.
TEST(Settings, SaveWritesTheWholeRecordKeyByKeyAndLoadGivesItBack) {
    FakeSettingsStore store;
    const AppSettings saved = Changed();
    tv::SaveSettings(saved, store);
    EXPECT_EQ(Written(store), L"TallyvanePro:6 Money:5 Selection:14 ");
    std::vector<std::wstring> keys;  // each key created, then closed before the next
    std::ranges::copy_if(store.log, std::back_inserter(keys), [](const auto& e) { return !e.starts_with(L"Set"); });
    EXPECT_EQ(keys, (std::vector<std::wstring>{
                        L"Create Software\\TallyvanePro", L"Close Software\\TallyvanePro",
                        L"Create Software\\TallyvanePro\\Selection", L"Close Software\\TallyvanePro\\Selection",
                        L"Create Software\\TallyvanePro\\Money", L"Close Software\\TallyvanePro\\Money"}));

    const AppSettings loaded = Loaded(store);
    EXPECT_EQ(Fields(loaded), kChanged);
    EXPECT_TRUE(std::ranges::equal(loaded.Selection, saved.Selection));
}

// Values of the wrong type or size are the store's to refuse; the registry
// tests show the real one does.
TEST(Settings, StoredValuesAreReadWithTheLoadRules) {
    FakeSettingsStore store;
    auto& top = store.keys[kSettingsPath];
    top[L"BoldFont"] = top[L"GroupDigits"] = Dword(2);  // only 1 is true
    top[L"FSize"] = Dword(65537);                       // the low 16 bits
    top[L"Category"] = Dword(0x20005);
    top[L"DeciSize"] = Dword(9);  // damaged, loaded as it is
    store.keys[kMoneyPath][L"C0"] = L"AAABBBCCCDDDEEEF";  // fills the field without a terminator: cut to 15
    EXPECT_EQ(Fields(Loaded(store)), L"9 5 1 0 0|EURDEMFRFITLNLG|USDCADHKDEURCNY|AAABBBCCCDDDEEE|1.0|1.0|1.0");
    top[L"BoldFont"] = top[L"GroupDigits"] = Dword(1);
    EXPECT_EQ(Fields(Loaded(store)).substr(0, 9), L"9 5 1 1 1");
}

// A key that cannot be made or opened stops what depends on it. Loading
// from a store holding Changed() into a record with empty texts and every
// selection 7 shows what was read, defaulted or left alone.
TEST(Settings, EachKeyThatFailsStopsItsPart) {
    struct Case {
        const wchar_t* failing;
        const wchar_t* saved;
        std::wstring loaded;
        uint32_t selection1;
    };
    const uint32_t changed = Changed().Selection[1];
    const Case cases[] = {
        {L"Create Software\\TallyvanePro", L"", L"2 0 1 1 0||||||", 7},  // no text defaults either
        {L"Create Software\\TallyvanePro\\Selection", L"TallyvanePro:6 ", kChanged, changed},
        {L"Open Software\\TallyvanePro\\Selection", L"TallyvanePro:6 Money:5 Selection:14 ", kChanged, 0},
        {L"Create Software\\TallyvanePro\\Money", L"TallyvanePro:6 Selection:14 ",
         L"4 13 7 0 1|DEMEURFRFITLNLG|||||", changed},
    };
    for (const Case& c : cases) {
        FakeSettingsStore store;
        store.failing = {c.failing};
        tv::SaveSettings(Changed(), store);
        EXPECT_EQ(Written(store), c.saved) << c.failing;

        store.failing.clear();
        tv::SaveSettings(Changed(), store);
        store.failing = {c.failing};
        AppSettings s;
        std::ranges::fill(s.Selection, 7u);
        tv::LoadSettings(s, store);
        EXPECT_EQ(Fields(s), c.loaded) << c.failing;
        EXPECT_EQ(s.Selection[1], c.selection1) << c.failing;
    }
}

TEST(Settings, WriteAndReadErrorsAfterTheKeyIsOpenFallBackValueByValue) {
    FakeSettingsStore store;
    store.failing = {L"SetDword FSize", L"SetDword C3", L"SetString MoneySel"};
    tv::SaveSettings(Changed(), store);
    EXPECT_EQ(Written(store), L"TallyvanePro:5 Money:4 Selection:13 ");  // all but those three

    store.failing.clear();
    tv::SaveSettings(Changed(), store);
    store.failing = {L"QueryDword Category", L"QueryDword BoldFont", L"QueryString C1", L"QueryDword C0"};
    AppSettings s = Loaded(store);
    EXPECT_EQ(Fields(s), L"4 0 7 1 1|DEMEURFRFITLNLG|CADUSDHKDEURCNY|0.05|1.0|0.25|0.35");
    EXPECT_EQ(s.Selection[0], 0u);
    EXPECT_EQ(s.Selection[1], Changed().Selection[1]);
}
