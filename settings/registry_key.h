// The settings store on the real registry: one open key below a root
// (HKEY_CURRENT_USER for the program).
#pragma once

#include <windows.h>

#include "settings/app_settings.h"

namespace tv {

class RegistryKey final : public SettingsKey {
public:
    explicit RegistryKey(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
    ~RegistryKey() override { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    long Create(const wchar_t* path) override;
    long Open(const wchar_t* path) override;
    uint32_t QueryDword(const wchar_t* name, uint32_t defaultValue) override;
    long QueryString(const wchar_t* name, wchar_t* buffer, size_t chars) override;
    long SetDword(const wchar_t* name, uint32_t value) override;
    long SetString(const wchar_t* name, const wchar_t* data, size_t chars) override;
    void Close() override;

private:
    HKEY root_;
    HKEY key_ = nullptr;
};

class RegistrySettingsStore final : public SettingsStore {
public:
    std::unique_ptr<SettingsKey> NewKey() override { return std::make_unique<RegistryKey>(); }
};

}  // namespace tv
