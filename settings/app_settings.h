// The settings record and the two operations that move it to and from its
// store. The store is the registry in the program and an in-memory fake in
// tests; both speak the small SettingsKey interface below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "units/unit_tables.h"

namespace tv {

// Every string field holds 15 characters and a terminator; the store always
// reads and writes the whole 16-character field.
constexpr size_t kSettingTextChars = 16;
constexpr int kCustomRateCount = 4;
// The characters of EuroSel and MoneySel: five three-letter codes.
constexpr size_t kSelectionChars = 15;
// The largest DeciSize, the Options dialog's last position.
constexpr uint16_t kMostDeciSize = 4;

struct AppSettings {
    uint16_t DeciSize = 2;
    uint16_t Category = 0;
    uint16_t FSize = 1;
    bool BoldFont = true;
    bool GroupDigits = false;
    uint32_t Selection[kCategoryCount] = {};
    wchar_t EuroSel[kSettingTextChars] = {};
    wchar_t MoneySel[kSettingTextChars] = {};
    wchar_t CustomRates[kCustomRateCount][kSettingTextChars] = {};
    // Added after the handheld: how large every window is drawn, in percent.
    uint32_t Zoom = 100;
};

// The sizes the Options dialog offers and Ctrl+Plus and Ctrl+Minus step
// through, in percent; a stored zoom that is none of them loads as 100.
inline constexpr int kZoomSteps[] = {100, 125, 150, 200, 250, 300};
bool IsZoomStep(uint32_t zoom);
// The next size up (direction 1) or down (-1) from `zoom`, kept within the
// steps; direction 0 gives 100.
int NextZoom(int zoom, int direction);

// Text defaults that LoadSettings applies when the stored value is unusable.
inline constexpr const wchar_t* kDefaultEuroSel = L"EURDEMFRFITLNLG";
inline constexpr const wchar_t* kDefaultMoneySel = L"USDCADHKDEURCNY";
inline constexpr const wchar_t* kDefaultCustomRate = L"1.0";

// Paths below the current user's root.
inline constexpr const wchar_t* kSettingsPath = L"Software\\TallyvanePro";
inline constexpr const wchar_t* kSelectionPath = L"Software\\TallyvanePro\\Selection";
inline constexpr const wchar_t* kMoneyPath = L"Software\\TallyvanePro\\Money";

// One open key of the store. Functions returning long give 0 on success and a
// system error code otherwise.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // Opens the key, creating it when absent.
    virtual long Create(const wchar_t* path) = 0;
    // Opens an existing key.
    virtual long Open(const wchar_t* path) = 0;
    // The stored 32-bit value, or defaultValue when it cannot be read.
    virtual uint32_t QueryDword(const wchar_t* name, uint32_t defaultValue) = 0;
    // Zeroes buffer[0..chars) and reads the text into it; a text that does not
    // fit (terminator included), or a value that is not text, is an error.
    virtual long QueryString(const wchar_t* name, wchar_t* buffer, size_t chars) = 0;
    virtual long SetDword(const wchar_t* name, uint32_t value) = 0;
    // Writes exactly `chars` characters of data as a string value.
    virtual long SetString(const wchar_t* name, const wchar_t* data, size_t chars) = 0;
    virtual void Close() = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::unique_ptr<SettingsKey> NewKey() = 0;
};

// Fills `settings` from the store; missing or unreadable values keep defaults,
// and so do texts with a control character and selections of fewer than 15
// characters. Numbers out of their range are loaded as they are.
void LoadSettings(AppSettings& settings, SettingsStore& store);

// Writes the whole record, each number out of its range as its users read it:
// DeciSize and Category as their defaults, a Selection's units as the first
// (its upper 16 bits as they are). Errors are silent.
void SaveSettings(const AppSettings& settings, SettingsStore& store);

// The record and store the running program uses; set up once at start-up.
struct SettingsHome {
    AppSettings record;
    SettingsStore* store = nullptr;
    void Save() const {
        if (store) SaveSettings(record, *store);
    }
};

}  // namespace tv
