#include "settings/app_settings.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <iterator>

#include "units/unit_category.h"

namespace tv {
namespace {

void CopyText(wchar_t (&field)[kSettingTextChars], const wchar_t* text) {
    std::wcsncpy(field, text, kSettingTextChars - 1);
    field[kSettingTextChars - 1] = L'\0';
}

// "C0", "C1", ...: the names of the numbered values.
struct IndexedName {
    explicit IndexedName(int i) { std::swprintf(text, 8, L"C%d", i); }
    wchar_t text[8];
};

// Reads a text field; on failure the default text. A stored text that fills
// the field exactly has no terminator, so the last character is always cut.
void LoadText(SettingsKey& key, const wchar_t* name, wchar_t (&field)[kSettingTextChars],
              const wchar_t* defaultText, size_t shortest) {
    if (key.QueryString(name, field, kSettingTextChars) != 0) CopyText(field, defaultText);
    field[kSettingTextChars - 1] = L'\0';
    // No dialog writes a control character or a selection of fewer than five
    // codes: such a text is damaged, and read as an unreadable one is.
    const size_t length = std::wcslen(field);
    if (length < shortest || std::any_of(field, field + length, [](wchar_t c) { return c < L' '; })) {
        CopyText(field, defaultText);
    }
}

// A damaged number is loaded as it is and read by its users as the default
// (DeciSize, Category) or the first unit (a Selection's units); it is saved
// as what they read it as.
uint16_t SavedDeciSize(uint16_t deciSize) { return deciSize <= kMostDeciSize ? deciSize : AppSettings{}.DeciSize; }
uint16_t SavedCategory(uint16_t category) { return category < kCategoryCount ? category : 0; }
uint32_t SavedSelection(int category, uint32_t selection) {
    const int count = UnitTableFor(category).count;
    const int from = SelectionFrom(selection), to = SelectionTo(selection);
    return WithUnits(selection, from < count ? from : 0, to < count ? to : 0);
}

}  // namespace

bool IsZoomStep(uint32_t zoom) { return std::ranges::find(kZoomSteps, static_cast<int>(zoom)) != std::end(kZoomSteps); }

int NextZoom(int zoom, int direction) {
    if (direction > 0) {
        for (int step : kZoomSteps)
            if (step > zoom) return step;
        return std::end(kZoomSteps)[-1];
    }
    if (direction < 0) {
        for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step)
            if (*step < zoom) return *step;
        return kZoomSteps[0];
    }
    return 100;
}

void LoadSettings(AppSettings& s, SettingsStore& store) {
    auto key = store.NewKey();
    if (key->Create(kSettingsPath) != 0) return;
    s.BoldFont = key->QueryDword(L"BoldFont", s.BoldFont ? 1 : 0) == 1;
    s.FSize = static_cast<uint16_t>(key->QueryDword(L"FSize", 1));
    s.Category = static_cast<uint16_t>(key->QueryDword(L"Category", 0));
    s.DeciSize = static_cast<uint16_t>(key->QueryDword(L"DeciSize", s.DeciSize));
    s.GroupDigits = key->QueryDword(L"GroupDigits", s.GroupDigits ? 1 : 0) == 1;
    s.Zoom = key->QueryDword(L"Zoom", 100);
    if (!IsZoomStep(s.Zoom)) s.Zoom = 100;
    LoadText(*key, L"EuroSel", s.EuroSel, kDefaultEuroSel, kSelectionChars);
    key->Close();

    if (key->Open(kSelectionPath) != 0) {
        for (auto& sel : s.Selection) sel = 0;
    } else {
        for (int i = 0; i < kCategoryCount; ++i) {
            s.Selection[i] = key->QueryDword(IndexedName(i).text, 0);
        }
        key->Close();
    }

    if (key->Create(kMoneyPath) == 0) {
        LoadText(*key, L"MoneySel", s.MoneySel, kDefaultMoneySel, kSelectionChars);
        for (int i = 0; i < kCustomRateCount; ++i) {
            LoadText(*key, IndexedName(i).text, s.CustomRates[i], kDefaultCustomRate, 0);
        }
        key->Close();
    }
}

void SaveSettings(const AppSettings& s, SettingsStore& store) {
    auto key = store.NewKey();
    if (key->Create(kSettingsPath) != 0) return;
    key->SetDword(L"BoldFont", s.BoldFont ? 1 : 0);
    key->SetDword(L"FSize", s.FSize);
    key->SetDword(L"Category", SavedCategory(s.Category));
    key->SetDword(L"DeciSize", SavedDeciSize(s.DeciSize));
    key->SetDword(L"GroupDigits", s.GroupDigits ? 1 : 0);
    key->SetDword(L"Zoom", IsZoomStep(s.Zoom) ? s.Zoom : 100);
    key->SetString(L"EuroSel", s.EuroSel, kSettingTextChars);
    key->Close();

    // Without the Selection key nothing after it is written either.
    if (key->Create(kSelectionPath) != 0) return;
    for (int i = 0; i < kCategoryCount; ++i) key->SetDword(IndexedName(i).text, SavedSelection(i, s.Selection[i]));
    key->Close();

    if (key->Create(kMoneyPath) == 0) {
        key->SetString(L"MoneySel", s.MoneySel, kSettingTextChars);
        for (int i = 0; i < kCustomRateCount; ++i) {
            key->SetString(IndexedName(i).text, s.CustomRates[i], kSettingTextChars);
        }
        key->Close();
    }
}

}  // namespace tv
