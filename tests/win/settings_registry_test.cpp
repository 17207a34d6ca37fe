// The settings orders on the real registry, in the test run's own Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "app/app_globals.h"
#include "settings/registry_key.h"
#include "units/combo_unit_list.h"
#include "units/unit_category.h"

namespace {

struct Stored {
    DWORD type = 0;
    DWORD size = 0;
    BYTE data[256] = {};
    bool found = false;
};

Stored Read(const wchar_t* path, const wchar_t* name) {
    Stored s;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return s;
    s.size = sizeof s.data;
    s.found = RegQueryValueExW(key, name, nullptr, &s.type, s.data, &s.size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return s;
}

bool KeyExists(const wchar_t* path) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

DWORD ValueCount(const wchar_t* path) {
    HKEY key;
    DWORD count = 0;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
}

void Put(const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void PutDword(const wchar_t* path, const wchar_t* name, DWORD v) { Put(path, name, REG_DWORD, &v, 4); }

void PutText(const wchar_t* path, const wchar_t* name, const std::wstring& text) {
    Put(path, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
}

class RegistrySettings : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, tv::kSettingsPath); }
    tv::AppSettings Load() {
        tv::AppSettings s;
        tv::LoadSettings(s, store);
        return s;
    }
    tv::RegistrySettingsStore store;
};

}  // namespace

TEST_F(RegistrySettings, FirstRunCreatesTheMainAndMoneyKeysOnly) {
    tv::AppSettings s = Load();
    EXPECT_EQ(s.DeciSize, 2);
    EXPECT_TRUE(s.BoldFont);
    EXPECT_EQ(std::wstring(s.EuroSel), L"EURDEMFRFITLNLG");
    EXPECT_EQ(std::wstring(s.MoneySel), L"USDCADHKDEURCNY");
    EXPECT_EQ(std::wstring(s.CustomRates[3]), L"1.0");
    EXPECT_TRUE(KeyExists(tv::kSettingsPath));
    EXPECT_TRUE(KeyExists(tv::kMoneyPath));
    EXPECT_EQ(ValueCount(tv::kMoneyPath), 0u);
    EXPECT_FALSE(KeyExists(tv::kSelectionPath));
}

TEST_F(RegistrySettings, SavedValuesHaveTheirTypesAndSizes) {
    tv::AppSettings s = Load();
    s.GroupDigits = true;
    s.Selection[13] = 0x00070E02u;
    std::wcscpy(s.CustomRates[1], L"0.75");
    tv::SaveSettings(s, store);

    for (const wchar_t* name : {L"BoldFont", L"FSize", L"Category", L"DeciSize", L"GroupDigits"}) {
        Stored v = Read(tv::kSettingsPath, name);
        ASSERT_TRUE(v.found) << name;
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(v.size, 4u) << name;
    }
    EXPECT_EQ(*reinterpret_cast<DWORD*>(Read(tv::kSettingsPath, L"GroupDigits").data), 1u);
    Stored euro = Read(tv::kSettingsPath, L"EuroSel");
    EXPECT_EQ(euro.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(euro.size, 32u);
    for (int i = 0; i < 14; ++i) {
        Stored c = Read(tv::kSelectionPath, (L"C" + std::to_wstring(i)).c_str());
        EXPECT_EQ(c.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(c.size, 4u);
    }
    for (const wchar_t* name : {L"MoneySel", L"C0", L"C1", L"C2", L"C3"}) {
        Stored v = Read(tv::kMoneyPath, name);
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(v.size, 32u) << name;
    }
    EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(Read(tv::kMoneyPath, L"C1").data)), L"0.75");

    tv::AppSettings again = Load();
    EXPECT_TRUE(again.GroupDigits);
    EXPECT_EQ(again.Selection[13], 0x00070E02u);
    EXPECT_EQ(std::wstring(again.CustomRates[1]), L"0.75");
}

TEST_F(RegistrySettings, DamagedValuesFallBackOrAreCut) {
    PutDword(tv::kSettingsPath, L"BoldFont", 2);
    PutDword(tv::kSettingsPath, L"FSize", 65537);
    PutText(tv::kSettingsPath, L"DeciSize", L"10");        // six bytes: not a number
    const BYTE two[2] = {5, 0};
    Put(tv::kSettingsPath, L"Category", REG_BINARY, two, 2);
    PutText(tv::kMoneyPath, L"MoneySel", std::wstring(40, L'Q'));
    Put(tv::kMoneyPath, L"C0", REG_SZ, L"ABCDEFGHIJKLMNOP", 32);  // fills the field, no end
    tv::AppSettings s = Load();
    EXPECT_FALSE(s.BoldFont);
    EXPECT_EQ(s.FSize, 1);
    EXPECT_EQ(s.DeciSize, 2);
    EXPECT_EQ(s.Category, 0);
    EXPECT_EQ(std::wstring(s.MoneySel), L"USDCADHKDEURCNY");
    // Refused for want of a terminator, or cut to the field: never read past it.
    const std::wstring rate = s.CustomRates[0];
    EXPECT_TRUE(rate == L"ABCDEFGHIJKLMNO" || rate == L"1.0") << rate.size();
}

TEST_F(RegistrySettings, AUnitSelectionSurvivesARestartWithItsHighBits) {
    tv::SettingsHome first{{}, &store};
    tv::LoadSettings(first.record, store);
    first.record.Selection[tv::kPressure] = 0xBEEF0000u;
    tv::CreateUnitCategory(tv::kPressure, first)->Convert(1, 13, 3);  // destroyed: saved

    tv::SettingsHome second{{}, &store};
    tv::LoadSettings(second.record, store);
    EXPECT_EQ(second.record.Selection[tv::kPressure], 0xBEEF030Du);

    HWND from = CreateWindowW(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 100, 200,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(from, nullptr);
    tv::ComboUnitList list(from);
    auto pressure = tv::CreateUnitCategory(tv::kPressure, second);
    pressure->FillFromList(list);
    EXPECT_EQ(SendMessageW(from, CB_GETCOUNT, 0, 0), 17);
    EXPECT_EQ(SendMessageW(from, CB_GETCURSEL, 0, 0), 13);
    wchar_t text[64] = {};
    SendMessageW(from, CB_GETLBTEXT, 13, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"mm Hg");
    SendMessageW(from, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"PSI (lb-f/in\u00B2)");

    // A damaged stored position selects the first unit, never nothing.
    second.record.Selection[tv::kTorque] = 0x0000FFFFu;
    auto torque = tv::CreateUnitCategory(tv::kTorque, second);
    torque->FillFromList(list);
    EXPECT_EQ(SendMessageW(from, CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(from, CB_GETCURSEL, 0, 0), 0);
    DestroyWindow(from);
}
