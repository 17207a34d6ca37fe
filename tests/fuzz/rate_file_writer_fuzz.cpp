// The update's rate-file writer over any day and any rates the feed reader can accept: the feed written as XML
// must read back as the feed of the same rate file, and that file must read back exactly.
#include <charconv>

#include "fuzz.h"
#include "money/exchange_rate_table.h"
#include "money/rate_feed.h"
#include "platform/ansi_code_page.h"

void fuzz::Fuzz(std::string_view, FuzzedDataProvider& in) {
    tv::RateFeed feed{
        in.ConsumeIntegralInRange(1601, 9999), in.ConsumeIntegralInRange(1, 12), in.ConsumeIntegralInRange(1, 28), {}};
    char text[40];
    std::string xml(
        text, std::snprintf(text, sizeof text, "<Cube><Cube time='%04d-%02d-%02d'>", feed.year, feed.month, feed.day));
    for (int k = 0; in.remaining_bytes() >= 8 && k < 64; ++k) {
        const double rate = in.ConsumeFloatingPoint<double>();
        if (!(rate > 0) || !std::isnormal(1.0 / rate) || !std::isfinite(rate)) continue;
        feed.rates.push_back({{char('A' + k / 26), char('A' + k % 26), 'Q'}, rate});
        xml += "<Cube currency='" + feed.rates.back().code + "' rate='" +
               std::string(text, std::to_chars(text, text + sizeof text, rate).ptr) + "'/>";
    }
    const std::optional<tv::RateFeed> read = tv::ReadRateFeed(xml + "</Cube></Cube>");
    FUZZ_CHECK(read.has_value() == (feed.rates.size() >= tv::kMinFeedCurrencies));
    FUZZ_CHECK(!read || tv::RateFileText(*read) == tv::RateFileText(feed));
    const std::string file = tv::RateFileText(feed);
    FUZZ_CHECK(std::ranges::all_of(file, [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate{});
    table.LoadText(tv::WidenFromAnsi(file));
    FUZZ_CHECK(table.Date().year == feed.year && table.Date().month == feed.month && table.Date().day == feed.day);
    for (const tv::FeedRate& rate : feed.rates)
        FUZZ_CHECK(table.CrossRate(std::wstring(rate.code.begin(), rate.code.end()), L"EUR") == 1.0 / rate.rate);
}
