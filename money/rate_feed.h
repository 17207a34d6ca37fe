// The daily euro reference-rate feed the rate update downloads, read by a
// strict reader of our own, and the rate file written from it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// One currency of the feed: `rate` units of it buy one euro.
struct FeedRate {
    std::string code;
    double rate;
};

// The feed's date and its currencies in the feed's order; the euro itself is not among them.
struct RateFeed {
    int year;
    int month;
    int day;
    std::vector<FeedRate> rates;
};

// Fewer currencies than this is a damaged or foreign document, not a day's rates.
inline constexpr size_t kMinFeedCurrencies = 10;
// The feed is a few kilobytes; anything near this is not the feed.
inline constexpr size_t kMaxFeedBytes = 1024 * 1024;

// The first thing that makes a document no feed, as the reader meets it; the
// update's message tells it, one string each in value order.
enum class FeedProblem {
    kTooLarge = 1,     // over kMaxFeedBytes
    kControlCharacter, // a control character XML forbids
    kStrayText,        // text outside the root or among the rates
    kMarkup,           // markup the reader does not take: a DTD, an unknown entity, a broken tag
    kUnmatchedEnd,     // an end tag that closes no open element
    kSecondRoot,
    kTooDeep,
    kNotARate,         // among the day's rates, something other than an empty rate Cube
    kBadCode,          // not three capital letters, EUR, or a code given twice
    kBadRate,          // not a positive plain decimal
    kRateOutsideDay,
    kBadDay,           // no dated Cube, a second one, or a date that is none
    kUnfinished,       // the document ends inside an element, or has none
    kTooFewRates,      // fewer than kMinFeedCurrencies
};

// The feed in `xml`, or nothing unless it is well-formed XML without a DTD or
// unknown entities, holds exactly one dated Cube of at least
// kMinFeedCurrencies distinct currency Cubes (three capital letters, not EUR,
// a positive plain decimal rate), and nothing else inside that Cube; then
// `problem`, when given, tells why.
std::optional<RateFeed> ReadRateFeed(std::string_view xml, FeedProblem* problem = nullptr);

// The rate file ExchangeRateTable::LoadText reads: the date as yyyymmdd, then
// EUR 1, then each currency's worth in euros (1 / rate, 17 digits) in feed
// order; ASCII, every line ended by CR LF.
std::string RateFileText(const RateFeed& feed);

}  // namespace tv
