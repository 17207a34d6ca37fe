// The settings on the real registry, in the test run's own Wine prefix: only
// what the registry adds to the native tests' fake store.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <utility>

#include "settings/registry_key.h"

namespace {

// A value's type and size in bytes; zeros when it is missing.
std::pair<DWORD, DWORD> TypeAndSize(const wchar_t* path, const wchar_t* name) {
    DWORD type = 0, size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path, name, RRF_RT_ANY, &type, nullptr, &size) != 0) return {0, 0};
    return {type, size};
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

TEST_F(RegistrySettings, SavedValuesHaveTheirTypesAndSizesAndLoadBack) {
    tv::AppSettings s = Load();
    s.GroupDigits = true;
    std::wcscpy(s.CustomRates[1], L"0.75");
    s.Selection[tv::kPressure] = 0xBEEF030Du;  // a DWORD's high bits too
    tv::SaveSettings(s, store);
    struct Value { const wchar_t *path, *name; DWORD type, size; };
    for (const Value& v : {Value{tv::kSettingsPath, L"GroupDigits", REG_DWORD, 4},
                           Value{tv::kSettingsPath, L"EuroSel", REG_SZ, 32},
                           Value{tv::kSelectionPath, L"C13", REG_DWORD, 4},
                           Value{tv::kMoneyPath, L"MoneySel", REG_SZ, 32}, Value{tv::kMoneyPath, L"C1", REG_SZ, 32}})
        EXPECT_EQ(TypeAndSize(v.path, v.name), std::pair(v.type, v.size)) << v.name;
    tv::AppSettings again = Load();
    EXPECT_TRUE(again.GroupDigits);
    EXPECT_STREQ(again.CustomRates[1], L"0.75");
    EXPECT_EQ(again.Selection[tv::kPressure], 0xBEEF030Du);
}

TEST_F(RegistrySettings, DamagedValuesFallBackOrAreCut) {
    const std::wstring q(40, L'Q');
    struct Value { const wchar_t *path, *name; const wchar_t* text; DWORD size; };
    for (const Value& v : {Value{tv::kSettingsPath, L"DeciSize", L"10", 6},  // six bytes: not a number
                           Value{tv::kMoneyPath, L"MoneySel", q.c_str(), 82},
                           Value{tv::kMoneyPath, L"C0", L"ABCDEFGHIJKLMNOP", 32}})  // fills the field, no end
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, v.path, v.name, REG_SZ, v.text, v.size), 0);
    tv::AppSettings s = Load();
    EXPECT_EQ(s.DeciSize, 2);
    EXPECT_STREQ(s.MoneySel, L"USDCADHKDEURCNY");
    // Refused for want of a terminator, or cut to the field: never read past it.
    const std::wstring rate = s.CustomRates[0];
    EXPECT_TRUE(rate == L"ABCDEFGHIJKLMNO" || rate == L"1.0") << rate.size();
}

}  // namespace
