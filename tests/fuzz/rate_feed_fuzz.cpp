// The downloaded rate feed: what the reader accepts is a day and distinct codes with usable rates.
#include <set>

#include "fuzz.h"
#include "money/rate_feed.h"

void fuzz::Fuzz(std::string_view bytes, FuzzedDataProvider&) {
    const std::optional<tv::RateFeed> feed = tv::ReadRateFeed(bytes);
    if (!feed) return;
    FUZZ_CHECK(feed->rates.size() >= tv::kMinFeedCurrencies && feed->year >= 1601 && feed->year <= 9999);
    FUZZ_CHECK(feed->month >= 1 && feed->month <= 12 && feed->day >= 1 && feed->day <= 31);
    std::set<std::string> codes;
    for (const tv::FeedRate& rate : feed->rates) {
        FUZZ_CHECK(rate.code.size() == 3 && rate.code != "EUR" && codes.insert(rate.code).second);
        FUZZ_CHECK(std::isfinite(rate.rate) && rate.rate > 0 && std::isnormal(1.0 / rate.rate));
    }
}
