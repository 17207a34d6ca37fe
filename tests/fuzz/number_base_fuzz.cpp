// The number-base tool: any 64-bit value written in each base fits its field and reads back as itself, and
// whatever text the tool reads, each output writes the value as its base writes it.
#include "fuzz.h"
#include "tools/number_base.h"

void fuzz::Fuzz(std::string_view, FuzzedDataProvider& in) {
    const uint64_t any = in.ConsumeIntegral<uint64_t>();
    const tv::FormatNumberGrouping grouping(LocaleFrom(in));
    const std::wstring text = WideText(in.ConsumeRemainingBytesAsString());
    // Decimal input takes a minus down to the lowest 64-bit value, as two's complement.
    const tv::BaseValue negated =
        tv::ParseInBase(L"-" + tv::FormatInBase(any, tv::NumberBase::kDecimal), tv::NumberBase::kDecimal);
    FUZZ_CHECK(any > uint64_t{1} << 63 || (negated.status == tv::BaseParseStatus::kOk && negated.value == 0 - any));
    for (const tv::NumberBase base :
         {tv::NumberBase::kBinary, tv::NumberBase::kOctal, tv::NumberBase::kDecimal, tv::NumberBase::kHexadecimal}) {
        const std::wstring written = tv::FormatInBase(any, base);
        const tv::BaseValue again = tv::ParseInBase(written, base);
        FUZZ_CHECK(again.status == tv::BaseParseStatus::kOk && again.value == any);
        FUZZ_CHECK(std::ssize(written) <= tv::BaseLayoutFor(base).inputLimit);
        const tv::BaseValue read = tv::ParseInBase(text, base);
        const tv::BaseConversion shown = tv::ConvertBaseInput(text, base, false, grouping);
        FUZZ_CHECK(shown.status == read.status &&
                   tv::ConvertBaseInput(text, base, true, grouping).status == read.status);
        for (int k = 0; k < tv::kBaseOutputCount && read.status == tv::BaseParseStatus::kOk; ++k)
            FUZZ_CHECK(shown.outputs[k] == tv::FormatInBase(read.value, tv::BaseLayoutFor(base).outputs[k]));
    }
}
