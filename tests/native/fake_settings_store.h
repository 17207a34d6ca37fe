// An in-memory registry for the settings orders: keys by path, each value its
// UTF-16 units as written (a DWORD is two, low first; bytes are units × 2),
// and failures on demand.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "settings/app_settings.h"

struct FakeSettingsStore final : tv::SettingsStore {
    std::map<std::wstring, std::map<std::wstring, std::wstring>> keys;
    std::set<std::wstring> failing;  // calls that fail: "Create <path>", "SetDword <name>", …

    static std::wstring Dword(uint32_t v) { return {wchar_t(v & 0xFFFF), wchar_t(v >> 16)}; }
    std::unique_ptr<tv::SettingsKey> NewKey() override;
};

class FakeSettingsKey final : public tv::SettingsKey {
public:
    explicit FakeSettingsKey(FakeSettingsStore& store) : store_(store) {}

    long Create(const wchar_t* path) override {
        if (Fails(L"Create ", path)) return kAccessDenied;
        store_.keys[path_ = path];
        return 0;
    }
    long Open(const wchar_t* path) override {
        if (Fails(L"Open ", path) || !store_.keys.count(path)) return kNotFound;
        path_ = path;
        return 0;
    }
    uint32_t QueryDword(const wchar_t* name, uint32_t defaultValue) override {
        const std::wstring* v = Read(L"QueryDword ", name);  // any type, if four bytes
        return v && v->size() == 2 ? uint32_t((*v)[1]) << 16 | ((*v)[0] & 0xFFFF) : defaultValue;
    }
    long QueryString(const wchar_t* name, wchar_t* buffer, size_t chars) override {
        std::fill(buffer, buffer + chars, L'\0');
        const std::wstring* v = Read(L"QueryString ", name);
        if (!v || v->size() > chars) return v ? kMoreData : kNotFound;
        std::copy(v->begin(), v->end(), buffer);
        return 0;
    }
    long SetDword(const wchar_t* name, uint32_t value) override {
        return Write(L"SetDword ", name, FakeSettingsStore::Dword(value));
    }
    long SetString(const wchar_t* name, const wchar_t* data, size_t chars) override {
        return Write(L"SetString ", name, std::wstring(data, chars));
    }
    void Close() override { path_.clear(); }

private:
    enum : long { kNotFound = 2, kAccessDenied = 5, kMoreData = 234 };  // the system's error codes

    bool Fails(const wchar_t* op, const std::wstring& what) { return store_.failing.count(op + what) > 0; }
    const std::wstring* Read(const wchar_t* op, const wchar_t* name) {
        if (Fails(op, name) || path_.empty() || !store_.keys[path_].count(name)) return nullptr;
        return &store_.keys[path_][name];
    }
    long Write(const wchar_t* op, const wchar_t* name, std::wstring units) {
        if (Fails(op, name) || path_.empty()) return kAccessDenied;
        store_.keys[path_][name] = std::move(units);
        return 0;
    }

    FakeSettingsStore& store_;
    std::wstring path_;
};

inline std::unique_ptr<tv::SettingsKey> FakeSettingsStore::NewKey() {
    return std::make_unique<FakeSettingsKey>(*this);
}
