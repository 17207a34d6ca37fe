// The rate file written from a feed, read back as the currency converter
// reads it: the date and every worth must come back exactly.
#pragma once

#include "fuzz_support.h"
#include "money/exchange_rate_table.h"
#include "money/rate_feed.h"
#include "platform/ansi_code_page.h"

namespace fuzz {

inline void CheckRateFileRoundTrip(const tv::RateFeed& feed) {
    const std::string file = tv::RateFileText(feed);
    for (char c : file) FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    FUZZ_CHECK(file.size() >= 2 && file.substr(file.size() - 2) == "\r\n");
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate{});
    table.LoadText(tv::WidenFromAnsi(file));
    FUZZ_CHECK(table.Date().year == feed.year && table.Date().month == feed.month && table.Date().day == feed.day);
    FUZZ_CHECK(table.Date().IsValid());
    FUZZ_CHECK(table.ValueOf(L"EUR") == 1.0);
    for (const tv::FeedRate& rate : feed.rates) {
        const std::wstring code(rate.code.begin(), rate.code.end());
        FUZZ_CHECK(table.ValueOf(code) == 1.0 / rate.rate);
        FUZZ_CHECK(table.CrossRate(code, L"EUR") == 1.0 / rate.rate);
    }
}

}  // namespace fuzz
