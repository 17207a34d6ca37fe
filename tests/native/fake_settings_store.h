// An in-memory registry for the settings orders: keys by path, typed values
// with their byte sizes, a log of every call, and failures on demand.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "settings/app_settings.h"

class FakeSettingsStore final : public tv::SettingsStore {
public:
    static constexpr long kNotFound = 2;       // ERROR_FILE_NOT_FOUND
    static constexpr long kMoreData = 234;     // ERROR_MORE_DATA
    static constexpr long kAccessDenied = 5;   // ERROR_ACCESS_DENIED

    struct Value {
        bool isDword = false;
        uint32_t dword = 0;
        std::vector<wchar_t> text;  // UTF-16 units as written, terminator included
        size_t Bytes() const { return isDword ? 4 : text.size() * 2; }
    };
    using Key = std::map<std::wstring, Value>;

    std::map<std::wstring, Key> keys;
    std::vector<std::wstring> log;            // "Create <path>", "SetDword <name>", …
    std::set<std::wstring> failing;           // entries of the same form fail

    std::unique_ptr<tv::SettingsKey> NewKey() override;

    void PutDword(const std::wstring& path, const std::wstring& name, uint32_t v) {
        Value value;
        value.isDword = true;
        value.dword = v;
        keys[path][name] = value;
    }
    // Stores the characters of `text` and, when terminated, a terminator.
    void PutText(const std::wstring& path, const std::wstring& name, const std::wstring& text,
                 bool terminated = true) {
        Value value;
        value.text.assign(text.begin(), text.end());
        if (terminated) value.text.push_back(L'\0');
        keys[path][name] = value;
    }
    const Value* Find(const std::wstring& path, const std::wstring& name) const {
        auto k = keys.find(path);
        if (k == keys.end()) return nullptr;
        auto v = k->second.find(name);
        return v == k->second.end() ? nullptr : &v->second;
    }
};

class FakeSettingsKey final : public tv::SettingsKey {
public:
    explicit FakeSettingsKey(FakeSettingsStore& store) : store_(store) {}

    long Create(const wchar_t* path) override {
        if (Fails(L"Create ", path)) return FakeSettingsStore::kAccessDenied;
        store_.keys[path];
        path_ = path;
        return 0;
    }
    long Open(const wchar_t* path) override {
        if (Fails(L"Open ", path)) return FakeSettingsStore::kAccessDenied;
        if (!store_.keys.count(path)) return FakeSettingsStore::kNotFound;
        path_ = path;
        return 0;
    }
    uint32_t QueryDword(const wchar_t* name, uint32_t defaultValue) override {
        if (Fails(L"QueryDword ", name) || path_.empty()) return defaultValue;
        const auto* v = store_.Find(path_, name);
        if (!v || v->Bytes() != 4) return defaultValue;
        if (v->isDword) return v->dword;
        return (static_cast<uint32_t>(v->text[1]) << 16) | (v->text[0] & 0xFFFF);
    }
    long QueryString(const wchar_t* name, wchar_t* buffer, size_t chars) override {
        std::fill(buffer, buffer + chars, L'\0');
        if (Fails(L"QueryString ", name) || path_.empty()) return FakeSettingsStore::kAccessDenied;
        const auto* v = store_.Find(path_, name);
        if (!v) return FakeSettingsStore::kNotFound;
        if (v->Bytes() > chars * 2) return FakeSettingsStore::kMoreData;
        if (v->isDword) {
            buffer[0] = static_cast<wchar_t>(v->dword & 0xFFFF);
            buffer[1] = static_cast<wchar_t>(v->dword >> 16);
        } else {
            std::copy(v->text.begin(), v->text.end(), buffer);
        }
        return 0;
    }
    long SetDword(const wchar_t* name, uint32_t value) override {
        if (Fails(L"SetDword ", name) || path_.empty()) return FakeSettingsStore::kAccessDenied;
        store_.PutDword(path_, name, value);
        return 0;
    }
    long SetString(const wchar_t* name, const wchar_t* data, size_t chars) override {
        if (Fails(L"SetString ", name) || path_.empty()) return FakeSettingsStore::kAccessDenied;
        FakeSettingsStore::Value v;
        v.text.assign(data, data + chars);
        store_.keys[path_][name] = v;
        return 0;
    }
    void Close() override {
        if (!path_.empty()) store_.log.push_back(L"Close " + path_);
        path_.clear();
    }
    ~FakeSettingsKey() override { Close(); }

private:
    bool Fails(const wchar_t* op, const std::wstring& what) {
        std::wstring entry = op + what;
        store_.log.push_back(entry);
        return store_.failing.count(entry) > 0;
    }

    FakeSettingsStore& store_;
    std::wstring path_;
};

inline std::unique_ptr<tv::SettingsKey> FakeSettingsStore::NewKey() {
    return std::make_unique<FakeSettingsKey>(*this);
}
