// The update's rate-file writer over any day and any rates the feed reader can accept: the feed written as XML
// must read back as itself, and the rate file written from it must read back exactly.
#include <charconv>
#include <set>

#include "fuzz.h"
#include "tools/day_count.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    tv::RateFeed feed{};
    feed.year = in.ConsumeIntegralInRange(1601, 9999);
    feed.month = in.ConsumeIntegralInRange(1, 12);
    feed.day = in.ConsumeIntegralInRange(1, 31);
    const auto field = [](int value) { return static_cast<uint16_t>(value); };
    if (!tv::FileTimeTicks({.year = field(feed.year), .month = field(feed.month), .day = field(feed.day)})) return 0;
    std::set<std::string> codes;
    while (in.remaining_bytes() >= 11 && feed.rates.size() < 64) {
        std::string code(3, 'A');
        for (char& c : code) c = static_cast<char>('A' + in.ConsumeIntegral<uint8_t>() % 26);
        // Any bit pattern: the rates the reader refuses are left out as it leaves them out.
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        double rate;
        std::memcpy(&rate, &bits, sizeof rate);
        if (code == "EUR" || !codes.insert(code).second) continue;
        if (std::isfinite(rate) && rate > 0 && std::isnormal(1.0 / rate)) feed.rates.push_back({code, rate});
    }
    fuzz::CheckRateFileRoundTrip(feed);

    char day[16], value[40];
    std::snprintf(day, sizeof day, "%04d-%02d-%02d", feed.year, feed.month, feed.day);
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope><Cube><Cube time='" + std::string(day) + "'>\n";
    for (const tv::FeedRate& rate : feed.rates) {
        xml += "<Cube currency='" + rate.code + "' rate='" +
               std::string(value, std::to_chars(value, value + sizeof value, rate.rate).ptr) + "'/>\n";
    }
    const std::optional<tv::RateFeed> read = tv::ReadRateFeed(xml + "</Cube></Cube></gesmes:Envelope>\n");
    FUZZ_CHECK(read.has_value() == (feed.rates.size() >= tv::kMinFeedCurrencies));
    if (!read) return 0;
    FUZZ_CHECK(read->year == feed.year && read->month == feed.month && read->day == feed.day);
    FUZZ_CHECK(read->rates.size() == feed.rates.size());
    for (size_t i = 0; i < feed.rates.size(); ++i) {
        FUZZ_CHECK(read->rates[i].code == feed.rates[i].code && read->rates[i].rate == feed.rates[i].rate);
    }
    return 0;
}
