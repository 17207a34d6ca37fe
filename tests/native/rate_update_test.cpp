// The rate update's portable half: the feed reader on the source's real
// layout and on every malformed shape, the rate file written from it, and
// the addresses the update accepts.
#include <gtest/gtest.h>

#include <cmath>

#include "money/exchange_rate_table.h"
#include "money/rate_feed.h"
#include "money/rates_url.h"

namespace {

// The source's layout: a gesmes envelope, tabs, single quotes, 30 currencies.
const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
    "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
    "\t<Cube>\n\t\t<Cube time='2026-12-04'>\n";
const std::string kRows =
    "\t\t\t<Cube currency='USD' rate='1.1612'/>\n\t\t\t<Cube currency='JPY' rate='180.12'/>\n"
    "\t\t\t<Cube currency='BGN' rate='1.9558'/>\n\t\t\t<Cube currency='CZK' rate='24.215'/>\n"
    "\t\t\t<Cube currency='DKK' rate='7.4691'/>\n\t\t\t<Cube currency='GBP' rate='0.87215'/>\n"
    "\t\t\t<Cube currency='HUF' rate='383.05'/>\n\t\t\t<Cube currency='PLN' rate='4.2265'/>\n"
    "\t\t\t<Cube currency='RON' rate='5.0910'/>\n\t\t\t<Cube currency='SEK' rate='10.9390'/>\n"
    "\t\t\t<Cube currency='CHF' rate='0.9367'/>\n\t\t\t<Cube currency='ISK' rate='148.60'/>\n"
    "\t\t\t<Cube currency='NOK' rate='11.7925'/>\n\t\t\t<Cube currency='TRY' rate='49.3512'/>\n"
    "\t\t\t<Cube currency='AUD' rate='1.7621'/>\n\t\t\t<Cube currency='BRL' rate='6.2118'/>\n"
    "\t\t\t<Cube currency='CAD' rate='1.6223'/>\n\t\t\t<Cube currency='CNY' rate='8.2216'/>\n"
    "\t\t\t<Cube currency='HKD' rate='9.0368'/>\n\t\t\t<Cube currency='IDR' rate='19341.27'/>\n"
    "\t\t\t<Cube currency='ILS' rate='3.7820'/>\n\t\t\t<Cube currency='INR' rate='104.2150'/>\n"
    "\t\t\t<Cube currency='KRW' rate='1712.44'/>\n\t\t\t<Cube currency='MXN' rate='21.3305'/>\n"
    "\t\t\t<Cube currency='MYR' rate='4.7912'/>\n\t\t\t<Cube currency='NZD' rate='2.0230'/>\n"
    "\t\t\t<Cube currency='PHP' rate='68.331'/>\n\t\t\t<Cube currency='SGD' rate='1.5041'/>\n"
    "\t\t\t<Cube currency='THB' rate='37.124'/>\n\t\t\t<Cube currency='ZAR' rate='19.8410'/>\n";
const std::string kTail = "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
const std::string kFeed = kHead + kRows + kTail;

// The sample with `from` replaced by `to` once.
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

// The sample with only its first `count` currencies.
std::string FirstRates(size_t count) {
    size_t end = 0;
    for (size_t i = 0; i < count; ++i) end = kRows.find('\n', end) + 1;
    return kHead + kRows.substr(0, end) + kTail;
}

}  // namespace

TEST(RateFeed, TheSourcesLayoutReadsInOrderAndItsFileReadsBackAsTheSameRates) {
    const std::optional<tv::RateFeed> feed = tv::ReadRateFeed(kFeed);
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->year * 10000 + feed->month * 100 + feed->day, 20261204);
    ASSERT_EQ(feed->rates.size(), 30u);
    std::string codes;
    for (const tv::FeedRate& r : feed->rates) codes += r.code;
    EXPECT_EQ(codes, "USDJPYBGNCZKDKKGBPHUFPLNRONSEKCHFISKNOKTRYAUDBRLCADCNYHKDIDRILSINRKRWMXNMYRNZDPHPSGDTHBZAR");
    EXPECT_EQ(feed->rates[0].rate, 1.1612);
    EXPECT_EQ(feed->rates[19].rate, 19341.27);
    // Double quotes, an end tag for an empty rate, comments and a reference in text read too.
    EXPECT_TRUE(tv::ReadRateFeed(With("<Cube currency='JPY' rate='180.12'/>",
                                      "<!-- yen --><Cube currency=\"JPY\" rate = \"180.12\" ></Cube>")));
    EXPECT_TRUE(tv::ReadRateFeed(With("Reference rates", "Reference &amp; rates &#233;")));
    // Sixteen elements deep, the envelope counted, is the deepest read.
    EXPECT_TRUE(tv::ReadRateFeed(With("<gesmes:subject>", Nested(15) + "<gesmes:subject>")));
    EXPECT_TRUE(tv::ReadRateFeed("\xEF\xBB\xBF" + kFeed));
    EXPECT_EQ(tv::ReadRateFeed(FirstRates(tv::kMinFeedCurrencies)).value().rates.size(), tv::kMinFeedCurrencies);

    const std::string file = tv::RateFileText(*feed);
    std::wstring wide(file.begin(), file.end());
    tv::ExchangeRateTable table(L"CurRates.dat", tv::CalendarDate());
    table.LoadText(wide);
    EXPECT_EQ(table.Date().year, 2026);
    EXPECT_EQ(table.Date().month, 12);
    EXPECT_EQ(table.Date().day, 4);
    EXPECT_EQ(table.ValueOf(L"EUR"), 1.0);
    for (const tv::FeedRate& r : feed->rates) {
        const double value = table.ValueOf(std::wstring(r.code.begin(), r.code.end()));
        EXPECT_NEAR(value * r.rate, 1.0, 1e-15) << r.code;
    }

    const tv::RateFeed small{987, 3, 1, {{"USD", 2.0}, {"JPY", 3.0}, {"CAD", 4.0}}};
    EXPECT_EQ(tv::RateFileText(small), "09870301\r\nEUR 1\r\nUSD 0.5\r\nJPY 0.33333333333333331\r\nCAD 0.25\r\n");
}

TEST(RateFeed, EveryMalformedShapeIsRefused) {
    const struct {
        const char* what;
        std::string text;
    } refused[] = {
        {"no time", With(" time='2026-12-04'", "")},
        {"30 February", With("2026-12-04", "2026-02-30")},
        {"month 13", With("2026-12-04", "2026-13-01")},
        {"two-digit year", With("2026-12-04", "26-12-04")},
        {"one-digit month", With("2026-12-04", "2026-1-04")},
        {"year 1600", With("2026-12-04", "1600-12-04")},
        {"nine currencies", FirstRates(tv::kMinFeedCurrencies - 1)},
        {"rate 0", With("1.1612", "0")},
        {"rate -1", With("1.1612", "-1")},
        {"rate inf", With("1.1612", "inf")},
        {"rate 1e400", With("1.1612", "1e400")},
        {"inverse beyond range", With("1.1612", "1e-320")},
        {"rate with a blank", With("1.1612", " 1.1612")},
        {"rate without a leading digit", With("1.1612", ".5")},
        {"empty rate", With("1.1612", "")},
        {"lower-case code", With("'USD'", "'usd'")},
        {"four-letter code", With("'USD'", "'USDX'")},
        {"a code twice", With("'JPY'", "'USD'")},
        {"the base listed", With("'USD'", "'EUR'")},
        {"a rate without its code", With("currency='USD' ", "")},
        {"an entity", With("Reference rates", "&xxe;")},
        {"an entity in an attribute", With("xmlns=", "note='&xxe;' xmlns=")},
        {"a DOCTYPE",
         With("<gesmes:Envelope", "<!DOCTYPE x [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>\n<gesmes:Envelope")},
        {"CDATA", With("Reference rates", "<![CDATA[x]]>")},
        {"a Cube inside a rate", With("<Cube currency='USD' rate='1.1612'/>",
                                      "<Cube currency='USD' rate='1.1612'><Cube currency='XAU' rate='1'/></Cube>")},
        {"text among the rates", With("\t\t\t<Cube currency='JPY'", "junk<Cube currency='JPY'")},
        {"another element among the rates", With("\t\t\t<Cube currency='JPY'", "<b/><Cube currency='JPY'")},
        {"a day inside the day", With("\t\t\t<Cube currency='JPY'", "<Cube time='2026-12-03'/><Cube currency='JPY'")},
        {"two days", kHead + kRows + "</Cube><Cube time='2026-12-03'><Cube currency='XAU' rate='1'/>" + kTail},
        {"a rate outside the day", With("<gesmes:subject>", "<Cube currency='XAU' rate='1'/><gesmes:subject>")},
        {"an unclosed tag", With("</gesmes:Sender>", "")},
        {"a mismatched end tag", With("</gesmes:name>", "</gesmes:nom>")},
        {"a second root", kFeed + "<x/>"},
        {"text after the root", kFeed + "x"},
        {"an attribute twice", With("rate='1.1612'", "rate='1.1612' rate='1.1612'")},
        {"'<' in a value", With("1.1612", "1<2")},
        {"attributes run together", With("'USD' rate", "'USD'rate")},
        {"a NUL", With("Reference", std::string("Ref\0rence", 9))},
        {"another control character", With("Reference", "Ref\x01rence")},
        {"a reference to no character", With("Reference", "Ref&#0;rence")},
        {"a name starting with a digit", With("<gesmes:subject>", "<1a/><gesmes:subject>")},
        {"\"--\" in a comment", With("<Cube>", "<!-- a -- b --><Cube>")},
        {"too deep", With("<gesmes:subject>", Nested(16) + "<gesmes:subject>")},
        {"over 1 MiB", With("</gesmes:Envelope>", "</gesmes:Envelope>" + std::string(tv::kMaxFeedBytes, ' '))},
    };
    for (const auto& r : refused) EXPECT_FALSE(tv::ReadRateFeed(r.text)) << r.what;
    for (size_t cut = 1; cut < kFeed.size() - 1; cut += 97) {
        EXPECT_FALSE(tv::ReadRateFeed(kFeed.substr(0, cut))) << "cut at " << cut;
    }
    EXPECT_FALSE(tv::ReadRateFeed(kFeed.substr(0, kFeed.size() - 2)));  // the last '>' missing
}

TEST(RatesUrl, HttpsAnywhereAndPlainHttpOnlyToThisMachine) {
    const struct {
        const wchar_t* url;
        const wchar_t* parts;  // secure host port path, or nullptr: refused
    } cases[] = {
        {tv::kDefaultRatesUrl, L"s www.ecb.europa.eu 443 /stats/eurofxref/eurofxref-daily.xml"},
        {L"HTTPS://Rates.Example.org", L"s Rates.Example.org 443 /"},
        {L"https://rates.example.org:8443/d.xml?day=1#top", L"s rates.example.org 8443 /d.xml?day=1"},
        {L"https://rates.example.org?day=1", L"s rates.example.org 443 /?day=1"},
        {L"http://127.0.0.1:8080/feed.xml", L"- 127.0.0.1 8080 /feed.xml"},
        {L"http://LocalHost/feed.xml", L"- LocalHost 80 /feed.xml"},
        {L"http://[::1]:9000/f", L"- ::1 9000 /f"},
        {L"https://[2001:db8::7]/f", L"s 2001:db8::7 443 /f"},
        {L"http://[0:0:0:0:0:0:0:1]/", nullptr},
        {L"https://[192.0.2.7]/", nullptr},
        {L"https://[::1]x/", nullptr},
        {L"http://rates.example.org/feed.xml", nullptr},
        {L"http://127.0.0.2/feed.xml", nullptr},
        {L"http://localhost.example.org/", nullptr},
        {L"ftp://rates.example.org/feed.xml", nullptr},
        {L"rates.example.org/feed.xml", nullptr},
        {L"https://:443/", nullptr},
        {L"https://user@rates.example.org/", nullptr},
        {L"https://rates.example.org:0/", nullptr},
        {L"https://rates.example.org:65536/", nullptr},
        {L"https://rates.example.org:44a/", nullptr},
        {L"https://rates.example.org/a b", nullptr},
        {L"https://rates.example.org/\r\nHost: x", nullptr},
        {L"https://r\u00e4tes.example.org/", nullptr},
        {L"https://rates_example.org/", nullptr},
        {L"https://[::1/", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<tv::RatesUrl> url = tv::ParseRatesUrl(c.url);
        const std::wstring parts = url ? (url->secure ? L"s " : L"- ") + url->host + L" " +
                                             std::to_wstring(url->port) + L" " + url->path
                                       : L"";
        EXPECT_EQ(parts, c.parts ? c.parts : L"") << c.url;
    }
    EXPECT_TRUE(tv::ParseRatesUrl(L"https://r.example.org/" + std::wstring(tv::kMaxRatesUrlChars - 22, L'a')));
    EXPECT_FALSE(tv::ParseRatesUrl(L"https://r.example.org/" + std::wstring(tv::kMaxRatesUrlChars - 21, L'a')));
}
