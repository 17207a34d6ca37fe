#include "settings/registry_key.h"

#include <cstring>

namespace tv {

long RegistryKey::Create(const wchar_t* path) {
    Close();
    DWORD disposition = 0;
    // The handheld asked for access 0; the desktop needs the rights spelled out.
    return RegCreateKeyExW(root_, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                           &disposition);
}

long RegistryKey::Open(const wchar_t* path) {
    Close();
    return RegOpenKeyExW(root_, path, 0, KEY_READ | KEY_WRITE, &key_);
}

uint32_t RegistryKey::QueryDword(const wchar_t* name, uint32_t defaultValue) {
    if (!key_) return defaultValue;
    DWORD value = 0;
    DWORD size = sizeof(value);
    // Any type is read as four bytes; anything shorter is damaged.
    if (RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        size != sizeof(value)) {
        return defaultValue;
    }
    return value;
}

long RegistryKey::QueryString(const wchar_t* name, wchar_t* buffer, size_t chars) {
    std::memset(buffer, 0, chars * sizeof(wchar_t));
    if (!key_) return ERROR_INVALID_HANDLE;
    DWORD size = static_cast<DWORD>(chars * sizeof(wchar_t));
    DWORD type = REG_NONE;
    const long status = RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (status != ERROR_SUCCESS) return status;
    // A number or raw bytes read as text would show as garbage.
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        std::memset(buffer, 0, chars * sizeof(wchar_t));
        return ERROR_INVALID_DATATYPE;
    }
    return ERROR_SUCCESS;
}

long RegistryKey::SetDword(const wchar_t* name, uint32_t value) {
    if (!key_) return ERROR_INVALID_HANDLE;
    DWORD v = value;
    return RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof(v));
}

long RegistryKey::SetString(const wchar_t* name, const wchar_t* data, size_t chars) {
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                          static_cast<DWORD>(chars * sizeof(wchar_t)));
}

void RegistryKey::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

}  // namespace tv
