// The harness the fuzz targets share: a check that stops the run (libFuzzer
// counts the abort as a crash and keeps the input), data-file bytes as the
// readers see them, typed text and a locale's number format from bytes, and
// the reading back of what the program shows or writes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>

#include "money/exchange_rate_table.h"
#include "money/rate_feed.h"
#include "numfmt/number_text.h"
#include "platform/ansi_code_page.h"
#include "reference/code_list.h"
#include "reference/data_text.h"

namespace fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}
#define FUZZ_CHECK(condition) ((condition) ? void() : fuzz::Fail(__FILE__, __LINE__, #condition))

inline std::string_view Bytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A data file's text as the program reads it: its buffer always ends in two zero bytes.
inline std::optional<std::wstring> DataFileText(const uint8_t* data, size_t size) {
    return tv::DecodeDataText(std::string(Bytes(data, size)) + std::string(2, '\0'));
}

// The rows `reader` reads from a data file: one a line, the one the reader
// cuts from that line alone, each handed to `check` with its line.
template <typename Check>
void CheckEachRow(const uint8_t* data, size_t size, const tv::RowReader& reader, Check check) {
    const std::optional<std::wstring> text = DataFileText(data, size);
    if (!text) return;
    const tv::ListRows rows(*text, reader, tv::kMostCodeListRows);
    const std::vector<std::wstring_view> lines = tv::SplitLines(*text);
    FUZZ_CHECK(rows.Count() == lines.size());
    for (size_t i = 0; i < rows.Count(); ++i) {
        FUZZ_CHECK(rows.Row(i) == tv::ReadRow(reader, lines[i]));
        check(rows.Row(i), lines[i]);
    }
}

// Typed text: each byte its Latin-1 character, except that FE starts a 16-bit
// unit in the next two bytes and FF a code point beyond the basic plane in the
// next three (little-endian), so ASCII seeds stay readable.
inline std::wstring WideText(std::string_view bytes) {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto at = [&](size_t k) { return i + k < bytes.size() ? static_cast<uint8_t>(bytes[i + k]) : 0u; };
        if (at(0) == 0xFE) {
            text += static_cast<wchar_t>(at(1) | at(2) << 8);
            i += 2;
        } else if (at(0) == 0xFF) {
            text += static_cast<wchar_t>(0x10000 + ((at(1) | at(2) << 8 | at(3) << 16) % 0x100000));
            i += 3;
        } else {
            text += static_cast<wchar_t>(at(0));
        }
    }
    return text;
}

struct Locale {
    tv::NumberFormat format;
    bool readable = true;  // separators that no digit, sign or other separator contains, so a number reads back
};

inline Locale LocaleFrom(FuzzedDataProvider& in) {
    static const wchar_t* const kDecimal[] = {L".", L",", L"\u066B", L"\u00B7", L"::"};
    static const wchar_t* const kThousands[] = {L",", L".", L" ", L"\u00A0", L"'", L"\u202F", L""};
    Locale locale;
    tv::NumberFormat& f = locale.format;
    f.decimals = in.ConsumeIntegralInRange(0u, 9u);
    f.leadingZero = in.ConsumeBool();
    f.grouping = tv::GroupingFromLocaleText(WideText(in.ConsumeRandomLengthString(12)));
    f.negativeOrder = in.ConsumeIntegralInRange(0u, 5u);
    locale.readable = in.ConsumeIntegralInRange(0, 7) != 0;  // else anything at all: only nothing may break
    f.decimalSep = locale.readable ? in.PickValueInArray(kDecimal) : WideText(in.ConsumeRandomLengthString(4));
    f.thousandSep = locale.readable ? in.PickValueInArray(kThousands) : WideText(in.ConsumeRandomLengthString(4));
    if (locale.readable && f.thousandSep == f.decimalSep) f.thousandSep = L"";
    return locale;
}

// The grouping the program hands the display code, over ApplyNumberFormat;
// unless `mayRound`, the display code promises never to ask it to round.
class Grouping final : public tv::NumberGrouping {
public:
    Grouping(tv::NumberFormat f, bool mayRound) : f_(std::move(f)), mayRound_(mayRound) {}
    std::wstring DecimalSeparator() const override { return f_.decimalSep; }
    std::wstring Group(std::wstring_view plain, int decimals) const override {
        tv::NumberFormat f = f_;
        FUZZ_CHECK(decimals >= 0 || decimals == tv::kLocaleDecimals);
        if (decimals != tv::kLocaleDecimals) f.decimals = static_cast<unsigned>(decimals);
        const size_t point = plain.find(L'.');
        FUZZ_CHECK(mayRound_ || point == std::wstring_view::npos || plain.size() - point - 1 <= f.decimals);
        std::wstring grouped = tv::ApplyNumberFormat(plain, f);
        refused = grouped.empty();
        return grouped;
    }
    mutable bool refused = false;  // the last text, so the caller shows its own

private:
    tv::NumberFormat f_;
    bool mayRound_;
};

// The format of the program's own texts, shown when the locale refuses one.
inline tv::NumberFormat PlainFormat() { return {.decimalSep = L".", .thousandSep = L""}; }

// A number as shown, read back: its value and how many decimals it shows.
struct ReadBack {
    double value;
    size_t decimals;
};

inline std::optional<ReadBack> ReadShown(std::wstring text, const tv::NumberFormat& f) {
    static const std::wregex kNegative(L"\\((.*)\\)|- ?(.*)|(.*?) ?-");  // the negative orders
    std::wsmatch sign;
    const bool negative = std::regex_match(text, sign, kNegative);
    if (negative) text = sign[1].matched ? sign.str(1) : sign[2].matched ? sign.str(2) : sign.str(3);
    std::string plain;
    for (size_t i = 0; i < text.size();) {
        if (!f.thousandSep.empty() && text.compare(i, f.thousandSep.size(), f.thousandSep) == 0) {
            i += f.thousandSep.size();
        } else if (!f.decimalSep.empty() && text.compare(i, f.decimalSep.size(), f.decimalSep) == 0) {
            plain += '.';
            i += f.decimalSep.size();
        } else if (text[i] >= L'0' && text[i] <= L'9') {
            plain += static_cast<char>(text[i++]);
        } else {
            return std::nullopt;
        }
    }
    if (plain.empty() || plain == "." || std::ranges::count(plain, '.') > 1) return std::nullopt;
    const size_t point = plain.find('.');
    const double value = std::strtod(plain.c_str(), nullptr);
    return ReadBack{negative ? -value : value, point == std::string::npos ? 0 : plain.size() - point - 1};
}

// Whether `shown` is `value` to within half its last decimal (and the reading's own rounding).
inline bool Near(double shown, double value, size_t decimals, double extra = 0) {
    const double half = 0.5 * std::pow(10.0, -static_cast<double>(decimals)) + extra;
    return std::fabs(shown - value) <= half * (1 + 1e-9) + 4 * std::ldexp(std::max(std::fabs(value), 1e-300), -52);
}

// The rate file written from a feed, read back as the currency converter reads it: the date and every worth exactly.
inline void CheckRateFileRoundTrip(const tv::RateFeed& feed) {
    const std::string file = tv::RateFileText(feed);
    for (char c : file) FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    FUZZ_CHECK(file.ends_with("\r\n"));
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate{});
    table.LoadText(tv::WidenFromAnsi(file));
    FUZZ_CHECK(table.Date().year == feed.year && table.Date().month == feed.month && table.Date().day == feed.day);
    FUZZ_CHECK(table.Date().IsValid() && table.ValueOf(L"EUR") == 1.0);
    for (const tv::FeedRate& rate : feed.rates) {
        const std::wstring code(rate.code.begin(), rate.code.end());
        FUZZ_CHECK(table.ValueOf(code) == 1.0 / rate.rate && table.CrossRate(code, L"EUR") == 1.0 / rate.rate);
    }
}

}  // namespace fuzz
