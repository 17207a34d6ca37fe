#include "money/rate_feed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "tools/day_count.h"

namespace tv {
namespace {

constexpr size_t kMaxDepth = 16;

struct Attribute {
    std::string_view name;
    std::string_view value;
};

struct Tag {
    std::string_view name;
    std::vector<Attribute> attributes;
    bool closing = false;      // </name>
    bool selfClosing = false;  // <name/>
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
// ASCII names only: the feed's are, and anything else is not the feed.
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ':' || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// A character XML allows: a reference to any other is as malformed as the character itself.
bool IsXmlChar(uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Only the five predefined entities and character references: nothing is
// ever looked up elsewhere.
bool ReferencesAreSafe(std::string_view text) {
    for (size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        const size_t end = text.find(';', at);
        if (end == std::string_view::npos) return false;
        const std::string_view name = text.substr(at + 1, end - at - 1);
        if (name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos") continue;
        if (name.size() < 2 || name[0] != '#') return false;
        const bool hex = name[1] == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 7) return false;
        uint32_t value = 0;
        for (char c : digits) {
            uint32_t digit;
            if (c >= '0' && c <= '9') {
                digit = static_cast<uint32_t>(c - '0');
            } else if (hex && c >= 'a' && c <= 'f') {
                digit = static_cast<uint32_t>(c - 'a' + 10);
            } else if (hex && c >= 'A' && c <= 'F') {
                digit = static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
            value = value * (hex ? 16 : 10) + digit;
        }
        if (!IsXmlChar(value)) return false;
    }
    return true;
}

// Character data outside the rates: references checked, and "]]>", which only ends a CDATA section, refused.
bool IsSafeText(std::string_view text) {
    return text.find("]]>") == std::string_view::npos && ReferencesAreSafe(text);
}

// A pull reader over the document: text runs and tags, strictly.
class Reader {
public:
    explicit Reader(std::string_view xml) : xml_(xml) {}

    bool AtEnd() const { return at_ >= xml_.size(); }

    // The text up to the next '<'.
    std::string_view Text() {
        const size_t end = std::min(xml_.find('<', at_), xml_.size());
        const std::string_view text = xml_.substr(at_, end - at_);
        at_ = end;
        return text;
    }

    // Reads the markup at '<': a tag into `tag` (true), or a comment or
    // processing instruction skipped (true, tag name empty); false for
    // anything malformed or refused.
    bool Markup(Tag& tag) {
        tag = Tag();
        if (xml_.compare(at_, 4, "<!--") == 0) return Comment();
        if (xml_.compare(at_, 2, "<?") == 0) return ProcessingInstruction();
        if (xml_.compare(at_, 2, "<!") == 0) return false;  // DOCTYPE, ENTITY, CDATA: no DTD is ever read
        ++at_;
        if (Peek() == '/') {
            tag.closing = true;
            ++at_;
        }
        tag.name = Name();
        if (tag.name.empty()) return false;
        for (;;) {
            const bool spaced = SkipSpace();
            const char c = Peek();
            if (c == '>') {
                ++at_;
                return true;
            }
            if (c == '/' && !tag.closing && xml_.compare(at_, 2, "/>") == 0) {
                at_ += 2;
                tag.selfClosing = true;
                return true;
            }
            if (tag.closing || !spaced) return false;
            Attribute attribute;
            attribute.name = Name();
            if (attribute.name.empty()) return false;
            SkipSpace();
            if (Peek() != '=') return false;
            ++at_;
            SkipSpace();
            const char quote = Peek();
            if (quote != '"' && quote != '\'') return false;
            const size_t end = xml_.find(quote, at_ + 1);
            if (end == std::string_view::npos) return false;
            attribute.value = xml_.substr(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            if (attribute.value.find('<') != std::string_view::npos || !ReferencesAreSafe(attribute.value)) {
                return false;
            }
            for (const Attribute& other : tag.attributes) {
                if (other.name == attribute.name) return false;
            }
            tag.attributes.push_back(attribute);
        }
    }

private:
    char Peek() const { return at_ < xml_.size() ? xml_[at_] : '\0'; }
    bool SkipSpace() {
        const size_t from = at_;
        while (at_ < xml_.size() && IsSpace(xml_[at_])) ++at_;
        return at_ > from;
    }
    // A name, or empty when none starts here.
    std::string_view Name() {
        const size_t from = at_;
        if (at_ < xml_.size() && IsNameStart(xml_[at_])) {
            while (at_ < xml_.size() && IsNameChar(xml_[at_])) ++at_;
        }
        return xml_.substr(from, at_ - from);
    }
    // <!-- ... -->, where "--" may only close it.
    bool Comment() {
        const size_t dashes = xml_.find("--", at_ + 4);
        if (dashes == std::string_view::npos || xml_.compare(dashes, 3, "-->") != 0) return false;
        at_ = dashes + 3;
        return true;
    }
    // <?target ...?>, the XML declaration among them.
    bool ProcessingInstruction() {
        at_ += 2;
        if (Name().empty()) return false;
        const bool spaced = SkipSpace();
        const size_t end = xml_.find("?>", at_);
        if (end == std::string_view::npos || (!spaced && end != at_)) return false;
        at_ = end + 2;
        return true;
    }

    std::string_view xml_;
    size_t at_ = 0;
};

const std::string_view* Find(const Tag& tag, std::string_view name) {
    for (const Attribute& a : tag.attributes) {
        if (a.name == name) return &a.value;
    }
    return nullptr;
}

bool IsBlank(std::string_view text) {
    for (char c : text) {
        if (!IsSpace(c)) return false;
    }
    return true;
}

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// YYYY-MM-DD, a date that exists, in the years the rate file can show.
bool ReadDate(std::string_view text, RateFeed& feed) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const auto year = Digits(text.substr(0, 4)), month = Digits(text.substr(5, 2)), day = Digits(text.substr(8, 2));
    if (!year || !month || !day) return false;
    DateTimeFields date;
    date.year = static_cast<uint16_t>(*year);
    date.month = static_cast<uint16_t>(*month);
    date.day = static_cast<uint16_t>(*day);
    if (*year > 9999 || !FileTimeTicks(date)) return false;
    feed.year = *year;
    feed.month = *month;
    feed.day = *day;
    return true;
}

bool IsCode(std::string_view code) {
    if (code.size() != 3) return false;
    for (char c : code) {
        if (c < 'A' || c > 'Z') return false;
    }
    return code != "EUR";  // the base: always 1
}

// A plain decimal number whose value and inverse are both positive and finite; an inverse so
// small that it is subnormal has lost digits the rate file needs, so it is refused too.
std::optional<double> ReadRate(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
        if (!ok) return std::nullopt;
    }
    if (text[0] < '0' || text[0] > '9') return std::nullopt;  // no sign, no bare point
    double rate = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rate);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(rate) || rate <= 0 || !std::isnormal(1.0 / rate)) return std::nullopt;
    return rate;
}

// `value` in decimal, zero-padded to `width` digits.
std::string Padded(int value, size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::optional<RateFeed> ReadRateFeed(std::string_view xml, FeedProblem* problem) {
    const auto refuse = [problem](FeedProblem why) -> std::optional<RateFeed> {
        if (problem) *problem = why;
        return std::nullopt;
    };
    if (xml.size() > kMaxFeedBytes) return refuse(FeedProblem::kTooLarge);
    // NUL and the other control characters XML forbids, even as raw bytes.
    for (char c : xml) {
        if (static_cast<unsigned char>(c) < 0x20 && !IsSpace(c)) return refuse(FeedProblem::kControlCharacter);
    }
    // A UTF-8 byte order mark marks the encoding; it is not text before the root.
    if (xml.substr(0, 3) == "\xEF\xBB\xBF") xml.remove_prefix(3);
    Reader reader(xml);
    RateFeed feed;
    std::vector<std::string_view> open;  // element names, outermost first
    size_t dayDepth = 0;                 // depth of the time Cube once inside it; 0 outside
    bool sawRoot = false, sawDay = false;
    std::set<std::string_view> codes;
    while (!reader.AtEnd()) {
        const std::string_view text = reader.Text();
        if (open.empty() || dayDepth) {
            if (!IsBlank(text)) return refuse(FeedProblem::kStrayText);  // nothing but space outside the root or among the rates
        } else if (!IsSafeText(text)) {
            return refuse(FeedProblem::kMarkup);
        }
        if (reader.AtEnd()) break;
        Tag tag;
        if (!reader.Markup(tag)) return refuse(FeedProblem::kMarkup);
        if (tag.name.empty()) continue;  // a comment or processing instruction
        if (tag.closing) {
            if (open.empty() || open.back() != tag.name) return refuse(FeedProblem::kUnmatchedEnd);
            open.pop_back();
            if (dayDepth > open.size()) dayDepth = 0;
            continue;
        }
        if (open.empty() && sawRoot) return refuse(FeedProblem::kSecondRoot);  // a second root
        if (open.size() >= kMaxDepth) return refuse(FeedProblem::kTooDeep);  // an empty element counts as deep as any
        sawRoot = true;
        const bool cube = tag.name == "Cube";
        const std::string_view* time = cube ? Find(tag, "time") : nullptr;
        const std::string_view* currency = cube ? Find(tag, "currency") : nullptr;
        const std::string_view* rate = cube ? Find(tag, "rate") : nullptr;
        if (dayDepth) {
            // Among the day's rates: rate Cubes only, each empty.
            if (!cube || time || !currency || !rate || open.size() != dayDepth) return refuse(FeedProblem::kNotARate);
            if (!IsCode(*currency) || !codes.insert(*currency).second) return refuse(FeedProblem::kBadCode);
            const std::optional<double> value = ReadRate(*rate);
            if (!value) return refuse(FeedProblem::kBadRate);
            feed.rates.push_back({std::string(*currency), *value});
            if (!tag.selfClosing) {
                // An empty element written with an end tag.
                if (!IsBlank(reader.Text()) || reader.AtEnd() || !reader.Markup(tag) || !tag.closing ||
                    tag.name != "Cube") {
                    return refuse(FeedProblem::kNotARate);
                }
            }
            continue;
        }
        if (currency || rate) return refuse(FeedProblem::kRateOutsideDay);  // a rate outside the day
        if (time) {
            if (sawDay || tag.selfClosing || !ReadDate(*time, feed)) return refuse(FeedProblem::kBadDay);
            sawDay = true;
            dayDepth = open.size() + 1;
        }
        if (!tag.selfClosing) open.push_back(tag.name);
    }
    if (!sawRoot || !open.empty()) return refuse(FeedProblem::kUnfinished);
    if (!sawDay) return refuse(FeedProblem::kBadDay);
    if (feed.rates.size() < kMinFeedCurrencies) return refuse(FeedProblem::kTooFewRates);
    return feed;
}

std::string RateFileText(const RateFeed& feed) {
    std::string text = Padded(feed.year, 4) + Padded(feed.month, 2) + Padded(feed.day, 2) + "\r\nEUR 1\r\n";
    for (const FeedRate& r : feed.rates) {
        char value[32];
        const auto result = std::to_chars(value, value + sizeof value, 1.0 / r.rate, std::chars_format::general, 17);
        text += r.code + " " + std::string(value, result.ptr) + "\r\n";
    }
    return text;
}

}  // namespace tv
