#include "tools/number_base.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "fake_number_grouping.h"

using tv::BaseParseStatus;
using tv::NumberBase;

namespace {

const FakeNumberGrouping kEnUs;
constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
constexpr NumberBase kDec = NumberBase::kDecimal, kHex = NumberBase::kHexadecimal, kOct = NumberBase::kOctal,
                     kBin = NumberBase::kBinary;

// The three outputs joined; blank input and overflow are ParseInBase's to show.
std::wstring Convert(std::wstring_view input, NumberBase base, bool group = false,
                     const tv::NumberGrouping& grouping = kEnUs) {
    const tv::BaseConversion c = tv::ConvertBaseInput(input, base, group, grouping);
    if (c.status != BaseParseStatus::kOk) return L"not converted";
    return c.outputs[0] + L" | " + c.outputs[1] + L" | " + c.outputs[2];
}

// The value read, or kMax - 1 (a value no case here expects) on a failure.
uint64_t Read(std::wstring_view text, NumberBase base) {
    const tv::BaseValue v = tv::ParseInBase(text, base);
    return v.status == BaseParseStatus::kOk ? v.value : kMax - 1;
}

}  // namespace

// Each layout's three outputs, in its order; binary groups of 4, octal of 3.
TEST(BaseConversion, EachInputBaseGivesItsThreeOutputs) {
    EXPECT_EQ(Convert(L"0", kDec), L"0 | 0 | 0000");
    EXPECT_EQ(Convert(L"-1", kDec), L"FFFFFFFFFFFFFFFF | 1777777777777777777777 | " + std::wstring(64, L'1'));
    EXPECT_EQ(Convert(L"12345", kHex, true, FakeNumberGrouping(Format(L",", L"."))),
              L"74.565 | 221 505 | 0001 0010 0011 0100 0101");
    EXPECT_EQ(Convert(L"178", kOct), L"F | 15 | 1111");  // the scan stops at 8
    EXPECT_EQ(Convert(L"1010", kBin), L"A | 12 | 10");
}

TEST(ParseInBase, LeadingNumbersUpToSixtyFourBits) {
    const std::tuple<std::wstring, NumberBase, uint64_t> reads[] = {
        {L"  +42abc", kDec, 42}, {L"0x1F", kHex, 31}, {L"0xg", kHex, 0}, {L"z9", kOct, 0}, {L" -", kDec, 0},
        {L"-1", kHex, 0},           // no sign outside decimal
        {L"", kBin, 0},             // binary reads every character, and none is 0
        {L"1a9", kBin, 13},         // binary: a letter is 0, a 9 adds 9
        {L"1\U0001F600", kBin, 4},  // two UTF-16 units, two digits
        {L"9223372036854775808", kDec, uint64_t{1} << 63},
        {L"-9223372036854775808", kDec, uint64_t{1} << 63},  // two's complement, not wrapped
        {L"0000FFFFFFFFFFFFFFFF", kHex, kMax},                // leading zeros never overflow
    };
    for (const auto& [text, base, value] : reads) EXPECT_EQ(Read(text, base), value) << text;
    for (NumberBase base : {kDec, kHex, kOct}) {
        EXPECT_EQ(tv::ParseInBase(L" \r\n", base).status, BaseParseStatus::kEmptyInput);
    }
    for (auto [text, base] : {std::pair<std::wstring, NumberBase>{L"18446744073709551616", kDec},
                              {L"-9223372036854775809", kDec}, {L"10000000000000000", kHex},
                              {L"2000000000000000000000", kOct}, {L"1" + std::wstring(64, L'0'), kBin},
                              {std::wstring(63, L'1') + L"2", kBin}}) {  // the last would wrap to 0
        EXPECT_EQ(tv::ParseInBase(text, base).status, BaseParseStatus::kTooLarge) << text;
    }
    for (uint64_t v : {uint64_t{7}, uint64_t{0x123456789ABCDEF0}, kMax}) {
        for (NumberBase base : {kDec, kHex, kOct, kBin}) EXPECT_EQ(Read(tv::FormatInBase(v, base), base), v);
    }
}
