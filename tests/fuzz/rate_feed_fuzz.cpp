// The downloaded rate feed, and the rate file the update writes from what the reader accepts.
#include <set>

#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<tv::RateFeed> feed = tv::ReadRateFeed(fuzz::Bytes(data, size));
    if (!feed) return 0;
    FUZZ_CHECK(feed->rates.size() >= tv::kMinFeedCurrencies);
    FUZZ_CHECK(feed->year >= 1601 && feed->year <= 9999 && feed->month >= 1 && feed->month <= 12 && feed->day >= 1 &&
               feed->day <= 31);
    std::set<std::string> codes;
    for (const tv::FeedRate& rate : feed->rates) {
        FUZZ_CHECK(rate.code.size() == 3 && rate.code != "EUR" && codes.insert(rate.code).second);
        for (char c : rate.code) FUZZ_CHECK(c >= 'A' && c <= 'Z');
        FUZZ_CHECK(std::isfinite(rate.rate) && rate.rate > 0 && std::isnormal(1.0 / rate.rate));
    }
    fuzz::CheckRateFileRoundTrip(*feed);
    return 0;
}
