// Stand-ins for what the platform supplies: the user's locale and the registry.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "numfmt/number_text.h"
#include "settings/app_settings.h"

// A number format of our choosing, standing in for the user's locale. It
// refuses input that would need rounding: the display code must hand it texts
// whose decimals it can show as they are.
struct FakeNumberGrouping final : tv::NumberGrouping {
    explicit FakeNumberGrouping(tv::NumberFormat format = {}) : f(std::move(format)) {}
    std::wstring DecimalSeparator() const override { return f.decimalSep; }
    tv::NumberFormat Format() const override { return f; }
    std::wstring Group(std::wstring_view plain, int decimals) const override {
        tv::NumberFormat g = f;
        if (decimals != tv::kLocaleDecimals) g.decimals = static_cast<unsigned>(decimals);
        const size_t point = plain.find(L'.');
        if (point != plain.npos && plain.size() - point - 1 > g.decimals) {
            ADD_FAILURE() << "grouping asked to round " << std::string(plain.begin(), plain.end());
        }
        return tv::ApplyNumberFormat(plain, g);
    }
    tv::NumberFormat f;
};

// A format from its decimal and thousands separators, grouping, negative order and leading zero.
inline tv::NumberFormat Format(std::wstring decimal, std::wstring thousand, unsigned grouping = 3,
                               unsigned negativeOrder = 1, bool leadingZero = true) {
    return {.leadingZero = leadingZero, .grouping = grouping, .decimalSep = std::move(decimal),
            .thousandSep = std::move(thousand), .negativeOrder = negativeOrder};
}

// An in-memory registry: keys by path, each value its UTF-16 units as written
// (a DWORD is two, low first), and the calls that fail ("Create <path>",
// "SetDword <name>", …) with the system's error codes.
struct FakeSettingsStore final : tv::SettingsStore {
    std::map<std::wstring, std::map<std::wstring, std::wstring>> keys;
    std::set<std::wstring> failing;
    static std::wstring Dword(uint32_t v) { return {wchar_t(v & 0xFFFF), wchar_t(v >> 16)}; }

    struct Key final : tv::SettingsKey {
        explicit Key(FakeSettingsStore& store) : s(store) {}
        bool Fails(const wchar_t* op, const std::wstring& what) const { return s.failing.count(op + what) > 0; }
        long Create(const wchar_t* p) override {
            if (Fails(L"Create ", p)) return 5;  // access denied
            s.keys[path = p];
            return 0;
        }
        long Open(const wchar_t* p) override {
            if (Fails(L"Open ", p) || !s.keys.count(p)) return 2;  // not found
            path = p;
            return 0;
        }
        const std::wstring* Read(const wchar_t* op, const wchar_t* name) {
            return Fails(op, name) || path.empty() || !s.keys[path].count(name) ? nullptr : &s.keys[path][name];
        }
        uint32_t QueryDword(const wchar_t* name, uint32_t defaultValue) override {
            const std::wstring* v = Read(L"QueryDword ", name);  // any type, if four bytes
            return v && v->size() == 2 ? uint32_t((*v)[1]) << 16 | ((*v)[0] & 0xFFFF) : defaultValue;
        }
        long QueryString(const wchar_t* name, wchar_t* buffer, size_t chars) override {
            std::fill(buffer, buffer + chars, L'\0');
            const std::wstring* v = Read(L"QueryString ", name);
            if (!v || v->size() > chars) return v ? 234 : 2;  // more data, not found
            std::copy(v->begin(), v->end(), buffer);
            return 0;
        }
        long Write(const wchar_t* op, const wchar_t* name, std::wstring units) {
            if (Fails(op, name) || path.empty()) return 5;
            s.keys[path][name] = std::move(units);
            return 0;
        }
        long SetDword(const wchar_t* name, uint32_t v) override { return Write(L"SetDword ", name, Dword(v)); }
        long SetString(const wchar_t* name, const wchar_t* data, size_t chars) override {
            return Write(L"SetString ", name, std::wstring(data, chars));
        }
        void Close() override { path.clear(); }
        FakeSettingsStore& s;
        std::wstring path;
    };
    std::unique_ptr<tv::SettingsKey> NewKey() override { return std::make_unique<Key>(*this); }
};
