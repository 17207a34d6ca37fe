// The rate update's portable half: the feed reader on the source's real
// layout and on every malformed shape, the rate file written from it, and
// the addresses the update accepts.
#include <gtest/gtest.h>

#include <sstream>

#include "money/exchange_rate_table.h"
#include "money/rate_feed.h"
#include "money/rates_url.h"

namespace {

// The source's layout: a gesmes envelope, tabs, single quotes, a Cube of a day.
const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
    "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
    "\t<Cube>\n\t\t<Cube time='2026-12-04'>\n";
const std::string kTail = "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
// Twelve of the source's currencies of one day, in its order.
const char kRates[] = "USD 1.1612 JPY 180.12 BGN 1.9558 CZK 24.215 DKK 7.4691 GBP 0.87215 HUF 383.05 PLN 4.2265 "
                      "RON 5.0910 SEK 10.9390 CHF 0.9367 ZAR 19.8410";

// The feed with its first `count` currencies, one Cube a line.
std::string FirstRates(size_t count) {
    std::istringstream pairs(kRates);
    std::string rows, code, rate;
    for (size_t i = 0; i < count && pairs >> code >> rate; ++i) {
        rows += "\t\t\t<Cube currency='" + code + "' rate='" + rate + "'/>\n";
    }
    return kHead + rows + kTail;
}
const std::string kFeed = FirstRates(12);

// The feed with `from` replaced by `to` once.
std::string With(const std::string& from, const std::string& to) {
    std::string text = kFeed;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// `depth` elements, one inside the other, the innermost empty.
std::string Nested(int depth) {
    std::string open, close;
    for (int i = 1; i < depth; ++i) open += "<a>", close += "</a>";
    return open + "<a/>" + close;
}

}  // namespace

TEST(RateFeed, TheSourcesLayoutReadsInOrderAndItsFileReadsBackAsTheSameRates) {
    const std::optional<tv::RateFeed> feed = tv::ReadRateFeed(kFeed);
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->year * 10000 + feed->month * 100 + feed->day, 20261204);
    ASSERT_EQ(feed->rates.size(), 12u);
    std::istringstream pairs(kRates);
    for (const tv::FeedRate& r : feed->rates) {
        std::string code, rate;
        pairs >> code >> rate;
        EXPECT_TRUE(r.code == code && r.rate == std::stod(rate)) << code;
    }
    // Double quotes, an end tag for an empty rate, comments, a reference in
    // text, sixteen elements deep (the envelope counted), a byte order mark.
    for (const std::string& accepted :
         {With("<Cube currency='JPY' rate='180.12'/>", "<!-- yen --><Cube currency=\"JPY\" rate = \"180.12\" ></Cube>"),
          With("Reference rates", "Reference &amp; rates &#233;"),
          With("<gesmes:subject>", Nested(15) + "<gesmes:subject>"), "\xEF\xBB\xBF" + kFeed}) {
        EXPECT_EQ(tv::ReadRateFeed(accepted).value_or(tv::RateFeed{}).rates.size(), 12u) << accepted;
    }
    EXPECT_EQ(tv::ReadRateFeed(FirstRates(tv::kMinFeedCurrencies)).value().rates.size(), tv::kMinFeedCurrencies);

    const std::string file = tv::RateFileText(*feed);
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate());
    table.LoadText(std::wstring(file.begin(), file.end()));
    EXPECT_TRUE(table.Date().year == 2026 && table.Date().month == 12 && table.Date().day == 4);
    EXPECT_EQ(table.ValueOf(L"EUR"), 1.0);
    EXPECT_NEAR(table.ValueOf(L"ZAR") * 19.8410, 1.0, 1e-15);

    const tv::RateFeed small{987, 3, 1, {{"USD", 2.0}, {"JPY", 3.0}, {"CAD", 4.0}}};
    EXPECT_EQ(tv::RateFileText(small), "09870301\r\nEUR 1\r\nUSD 0.5\r\nJPY 0.33333333333333331\r\nCAD 0.25\r\n");
}

// Each refused with the first problem the reader meets, which the update's
// message tells.
TEST(RateFeed, EveryMalformedShapeIsRefusedForItsFirstProblem) {
    using enum tv::FeedProblem;
    const struct {
        const char* what;
        std::string text;
        tv::FeedProblem why;
    } refused[] = {
        {"no time", With(" time='2026-12-04'", ""), kRateOutsideDay}, {"30 February", With("2026-12-04", "2026-02-30"), kBadDay},
        {"one-digit month", With("2026-12-04", "2026-1-04"), kBadDay}, {"year 1600", With("2026-12-04", "1600-12-04"), kBadDay},
        {"nine currencies", FirstRates(tv::kMinFeedCurrencies - 1), kTooFewRates}, {"rate 0", With("1.1612", "0"), kBadRate},
        {"rate 1e400", With("1.1612", "1e400"), kBadRate}, {"inverse beyond range", With("1.1612", "1e-320"), kBadRate},
        {"rate without a leading digit", With("1.1612", ".5"), kBadRate},
        {"lower-case code", With("'USD'", "'usd'"), kBadCode}, {"a code twice", With("'JPY'", "'USD'"), kBadCode},
        {"the base listed", With("'USD'", "'EUR'"), kBadCode}, {"a rate without its code", With("currency='USD' ", ""), kNotARate},
        {"an entity in an attribute", With("xmlns=", "note='&xxe;' xmlns="), kMarkup},
        {"a DOCTYPE", With("<gesmes:Envelope", "<!DOCTYPE x [<!ENTITY xxe SYSTEM \"file:///x\">]><gesmes:Envelope"), kMarkup},
        {"a Cube inside a rate", With("rate='1.1612'/>", "rate='1.1612'><Cube currency='XAU' rate='1'/></Cube>"), kNotARate},
        {"text among the rates", With("\t\t\t<Cube currency='JPY'", "junk<Cube currency='JPY'"), kStrayText},
        {"two days", With("\t\t</Cube>\n\t", "</Cube><Cube time='2026-12-03'><Cube currency='XAU' rate='1'/></Cube>"), kBadDay},
        {"a mismatched end tag", With("</gesmes:name>", "</gesmes:nom>"), kUnmatchedEnd}, {"a second root", kFeed + "<x/>", kSecondRoot},
        {"an attribute twice", With("rate='1.1612'", "rate='1.1612' rate='1.1612'"), kMarkup},
        {"a NUL", With("Reference", std::string("Ref\0rence", 9)), kControlCharacter},
        {"a reference to no character", With("Reference", "Ref&#0;rence"), kMarkup},
        {"\"--\" in a comment", With("<Cube>", "<!-- a -- b --><Cube>"), kMarkup},
        {"too deep", With("<gesmes:subject>", Nested(16) + "<gesmes:subject>"), kTooDeep},
        {"over 1 MiB", With("</gesmes:Envelope>", "</gesmes:Envelope>" + std::string(tv::kMaxFeedBytes, ' ')), kTooLarge},
        {"cut short", kFeed.substr(0, kFeed.size() - 20), kUnfinished},
    };
    for (const auto& r : refused) {
        tv::FeedProblem why{};
        EXPECT_FALSE(tv::ReadRateFeed(r.text, &why)) << r.what;
        EXPECT_EQ(why, r.why) << r.what;
    }
    for (size_t cut = 1; cut < kFeed.size() - 1; cut += 97) {
        EXPECT_FALSE(tv::ReadRateFeed(kFeed.substr(0, cut))) << "cut at " << cut;
    }
    EXPECT_FALSE(tv::ReadRateFeed(kFeed.substr(0, kFeed.size() - 2)));  // the last '>' missing
}

TEST(RatesUrl, HttpsAnywhereAndPlainHttpOnlyToThisMachine) {
    const std::pair<const wchar_t*, const wchar_t*> accepted[] = {  // secure host port path
        {tv::kDefaultRatesUrl, L"s www.ecb.europa.eu 443 /stats/eurofxref/eurofxref-daily.xml"},
        {L"HTTPS://Rates.Example.org", L"s Rates.Example.org 443 /"},
        {L"https://rates.example.org:8443/d.xml?day=1#top", L"s rates.example.org 8443 /d.xml?day=1"},
        {L"http://127.0.0.1:8080/feed.xml", L"- 127.0.0.1 8080 /feed.xml"},
        {L"http://LocalHost/feed.xml", L"- LocalHost 80 /feed.xml"}, {L"http://[::1]:9000/f", L"- ::1 9000 /f"},
    };
    for (const auto& [text, parts] : accepted) {
        const std::optional<tv::RatesUrl> url = tv::ParseRatesUrl(text);
        ASSERT_TRUE(url) << text;
        EXPECT_EQ((url->secure ? L"s " : L"- ") + url->host + L" " + std::to_wstring(url->port) + L" " + url->path,
                  parts);
    }
    for (const wchar_t* refused :
         {L"http://[0:0:0:0:0:0:0:1]/", L"https://[::1]x/", L"http://127.0.0.2/feed.xml",
          L"http://localhost.example.org/", L"ftp://rates.example.org/feed.xml", L"https://:443/",
          L"https://user@rates.example.org/", L"https://rates.example.org:65536/", L"https://rates.example.org:44a/",
          L"https://rates.example.org/\r\nHost: x", L"https://r\u00e4tes.example.org/", L"https://[::1/"}) {
        EXPECT_FALSE(tv::ParseRatesUrl(refused)) << refused;
    }
    EXPECT_TRUE(tv::ParseRatesUrl(L"https://r.example.org/" + std::wstring(tv::kMaxRatesUrlChars - 22, L'a')));
    EXPECT_FALSE(tv::ParseRatesUrl(L"https://r.example.org/" + std::wstring(tv::kMaxRatesUrlChars - 21, L'a')));
}
