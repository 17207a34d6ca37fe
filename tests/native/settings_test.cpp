#include "settings/app_settings.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "fake_settings_store.h"

using tv::AppSettings;
using tv::kMoneyPath;
using tv::kSelectionPath;
using tv::kSettingsPath;

namespace {

std::wstring Text(const wchar_t* field) { return field; }

AppSettings Loaded(FakeSettingsStore& store) {
    AppSettings s;
    tv::LoadSettings(s, store);
    return s;
}

AppSettings Changed() {
    AppSettings s;
    s.DeciSize = 4;
    s.Category = 13;
    s.FSize = 7;
    s.BoldFont = false;
    s.GroupDigits = true;
    for (int i = 0; i < tv::kCategoryCount; ++i) s.Selection[i] = 0xABCD0000u + i * 0x101u;
    std::wcscpy(s.EuroSel, L"DEMEURFRFITLNLG");
    std::wcscpy(s.MoneySel, L"CADUSDHKDEURCNY");
    for (int i = 0; i < tv::kCustomRateCount; ++i) std::swprintf(s.CustomRates[i], 16, L"0.%d5", i);
    return s;
}

void ExpectSame(const AppSettings& a, const AppSettings& b) {
    EXPECT_EQ(a.DeciSize, b.DeciSize);
    EXPECT_EQ(a.Category, b.Category);
    EXPECT_EQ(a.FSize, b.FSize);
    EXPECT_EQ(a.BoldFont, b.BoldFont);
    EXPECT_EQ(a.GroupDigits, b.GroupDigits);
    for (int i = 0; i < tv::kCategoryCount; ++i) EXPECT_EQ(a.Selection[i], b.Selection[i]) << i;
    EXPECT_EQ(Text(a.EuroSel), Text(b.EuroSel));
    EXPECT_EQ(Text(a.MoneySel), Text(b.MoneySel));
    for (int i = 0; i < tv::kCustomRateCount; ++i) EXPECT_EQ(Text(a.CustomRates[i]), Text(b.CustomRates[i]));
}

}  // namespace

TEST(Settings, FirstRunGivesTheDefaultsAndCreatesTwoKeys) {
    FakeSettingsStore store;
    AppSettings s = Loaded(store);
    EXPECT_EQ(s.DeciSize, 2);
    EXPECT_EQ(s.Category, 0);
    EXPECT_EQ(s.FSize, 1);
    EXPECT_TRUE(s.BoldFont);
    EXPECT_FALSE(s.GroupDigits);
    for (uint32_t sel : s.Selection) EXPECT_EQ(sel, 0u);
    EXPECT_EQ(Text(s.EuroSel), L"EURDEMFRFITLNLG");
    EXPECT_EQ(Text(s.MoneySel), L"USDCADHKDEURCNY");
    for (auto& rate : s.CustomRates) EXPECT_EQ(Text(rate), L"1.0");

    EXPECT_TRUE(store.keys.count(kSettingsPath));
    ASSERT_TRUE(store.keys.count(kMoneyPath));
    EXPECT_TRUE(store.keys.at(kMoneyPath).empty());
    EXPECT_FALSE(store.keys.count(kSelectionPath));  // made by the first save
}

TEST(Settings, SaveWritesEveryValueInOrderWithItsTypeAndSize) {
    FakeSettingsStore store;
    AppSettings s = Changed();
    tv::SaveSettings(s, store);
    std::vector<std::wstring> expected = {
        L"Create Software\\TallyvanePro", L"SetDword BoldFont", L"SetDword FSize",
        L"SetDword Category", L"SetDword DeciSize", L"SetDword GroupDigits", L"SetString EuroSel",
        L"Close Software\\TallyvanePro", L"Create Software\\TallyvanePro\\Selection"};
    for (int i = 0; i < 14; ++i) expected.push_back(L"SetDword C" + std::to_wstring(i));
    expected.push_back(L"Close Software\\TallyvanePro\\Selection");
    expected.push_back(L"Create Software\\TallyvanePro\\Money");
    expected.push_back(L"SetString MoneySel");
    for (int i = 0; i < 4; ++i) expected.push_back(L"SetString C" + std::to_wstring(i));
    expected.push_back(L"Close Software\\TallyvanePro\\Money");
    EXPECT_EQ(store.log, expected);

    EXPECT_EQ(store.Find(kSettingsPath, L"BoldFont")->dword, 0u);
    EXPECT_EQ(store.Find(kSettingsPath, L"GroupDigits")->dword, 1u);
    EXPECT_TRUE(store.Find(kSelectionPath, L"C13")->isDword);
    for (const wchar_t* name : {L"MoneySel", L"C0", L"C3"}) {
        EXPECT_EQ(store.Find(kMoneyPath, name)->Bytes(), 32u) << name;
    }
    EXPECT_EQ(store.Find(kSettingsPath, L"EuroSel")->Bytes(), 32u);
}

TEST(Settings, SaveThenLoadGivesTheSameRecord) {
    FakeSettingsStore store;
    const AppSettings saved = Changed();
    tv::SaveSettings(saved, store);
    ExpectSame(Loaded(store), saved);
}

TEST(Settings, StoredValuesAreReadWithTheLoadRules) {
    FakeSettingsStore store;
    store.PutDword(kSettingsPath, L"BoldFont", 2);
    store.PutDword(kSettingsPath, L"GroupDigits", 2);
    store.PutDword(kSettingsPath, L"FSize", 65537);
    store.PutDword(kSettingsPath, L"Category", 0x20005);
    store.PutDword(kSettingsPath, L"DeciSize", 9);  // damaged, loaded as it is
    AppSettings s = Loaded(store);
    EXPECT_FALSE(s.BoldFont);
    EXPECT_FALSE(s.GroupDigits);
    EXPECT_EQ(s.FSize, 1);
    EXPECT_EQ(s.Category, 5);
    EXPECT_EQ(s.DeciSize, 9);

    store.PutDword(kSettingsPath, L"GroupDigits", 1);
    store.PutDword(kSettingsPath, L"BoldFont", 1);
    s = Loaded(store);
    EXPECT_TRUE(s.GroupDigits);
    EXPECT_TRUE(s.BoldFont);
}

TEST(Settings, ValuesOfTheWrongKindOrSizeGiveTheDefaults) {
    FakeSettingsStore store;
    store.PutText(kSettingsPath, L"DeciSize", L"four");   // not four bytes
    store.PutText(kSettingsPath, L"Category", L"", false);  // no bytes at all
    store.PutText(kMoneyPath, L"MoneySel", std::wstring(40, L'X'));
    store.PutText(kSettingsPath, L"EuroSel", L"EURDEMFRFITLNLGX");  // 16 + terminator
    store.PutText(kMoneyPath, L"C2", L"2.5");
    AppSettings s = Loaded(store);
    EXPECT_EQ(s.DeciSize, 2);
    EXPECT_EQ(s.Category, 0);
    EXPECT_EQ(Text(s.MoneySel), L"USDCADHKDEURCNY");
    EXPECT_EQ(Text(s.EuroSel), L"EURDEMFRFITLNLG");
    EXPECT_EQ(Text(s.CustomRates[2]), L"2.5");
    EXPECT_EQ(Text(s.CustomRates[1]), L"1.0");
}

TEST(Settings, ATextFillingTheWholeFieldIsCutToFifteenCharacters) {
    FakeSettingsStore store;
    store.PutText(kMoneyPath, L"MoneySel", L"AAABBBCCCDDDEEEF", false);  // 32 bytes, no end
    AppSettings s = Loaded(store);
    EXPECT_EQ(Text(s.MoneySel), L"AAABBBCCCDDDEEE");
}

TEST(Settings, NoRegistryAtAllKeepsTheBuiltInDefaults) {
    FakeSettingsStore store;
    store.failing = {L"Create Software\\TallyvanePro"};
    AppSettings s = Loaded(store);
    EXPECT_EQ(s.DeciSize, 2);
    EXPECT_EQ(Text(s.EuroSel), L"");  // the text defaults are not applied
    EXPECT_EQ(Text(s.MoneySel), L"");
    EXPECT_EQ(Text(s.CustomRates[0]), L"");

    store.log.clear();
    tv::SaveSettings(Changed(), store);
    EXPECT_EQ(store.log, std::vector<std::wstring>{L"Create Software\\TallyvanePro"});
    EXPECT_TRUE(store.keys.empty());
}

TEST(Settings, WithoutTheSelectionKeyEveryCategoryStartsAtItsFirstUnits) {
    FakeSettingsStore store;
    tv::SaveSettings(Changed(), store);
    store.keys.erase(kSelectionPath);
    AppSettings s = Changed();  // slots full before loading
    tv::LoadSettings(s, store);
    for (uint32_t sel : s.Selection) EXPECT_EQ(sel, 0u);
    EXPECT_EQ(Text(s.MoneySel), L"CADUSDHKDEURCNY");
    EXPECT_EQ(Text(s.EuroSel), L"DEMEURFRFITLNLG");
}

TEST(Settings, ASelectionKeyThatCannotBeCreatedStopsTheMoneyValuesToo) {
    FakeSettingsStore store;
    store.failing = {L"Create Software\\TallyvanePro\\Selection"};
    tv::SaveSettings(Changed(), store);
    EXPECT_EQ(store.Find(kSettingsPath, L"Category")->dword, 13u);
    EXPECT_EQ(store.Find(kSettingsPath, L"EuroSel")->text[0], L'D');
    EXPECT_FALSE(store.keys.count(kSelectionPath));
    EXPECT_FALSE(store.keys.count(kMoneyPath));
}

TEST(Settings, AMoneyKeyThatCannotBeCreatedLeavesItsFieldsAlone) {
    FakeSettingsStore store;
    store.PutText(kMoneyPath, L"MoneySel", L"EUREURUSDUSDCAD");
    store.failing = {L"Create Software\\TallyvanePro\\Money"};
    AppSettings s;
    std::wcscpy(s.MoneySel, L"before");
    tv::LoadSettings(s, store);
    EXPECT_EQ(Text(s.MoneySel), L"before");
    EXPECT_EQ(Text(s.EuroSel), L"EURDEMFRFITLNLG");
}

TEST(Settings, WriteErrorsAfterTheKeyIsOpenDoNotStopTheRest) {
    FakeSettingsStore store;
    store.failing = {L"SetDword FSize", L"SetDword C3", L"SetString MoneySel"};
    tv::SaveSettings(Changed(), store);
    EXPECT_EQ(store.Find(kSettingsPath, L"FSize"), nullptr);
    EXPECT_NE(store.Find(kSettingsPath, L"GroupDigits"), nullptr);
    EXPECT_EQ(store.Find(kSelectionPath, L"C3"), nullptr);
    EXPECT_NE(store.Find(kSelectionPath, L"C4"), nullptr);
    EXPECT_NE(store.Find(kMoneyPath, L"C3"), nullptr);
}

TEST(Settings, ReadErrorsFallBackValueByValue) {
    FakeSettingsStore store;
    tv::SaveSettings(Changed(), store);
    store.failing = {L"QueryDword Category", L"QueryString C1", L"QueryDword C0"};
    AppSettings s = Loaded(store);
    EXPECT_EQ(s.Category, 0);
    EXPECT_EQ(s.DeciSize, 4);
    EXPECT_EQ(Text(s.CustomRates[1]), L"1.0");
    EXPECT_EQ(Text(s.CustomRates[2]), L"0.25");
    EXPECT_EQ(s.Selection[0], 0u);
    EXPECT_EQ(s.Selection[1], Changed().Selection[1]);
}
