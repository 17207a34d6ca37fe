#include "money/price_comparison.h"

#include <cmath>

namespace tv {

double UnitPrice(double price, double quantity) { return price / quantity + kUnitPriceBias; }

std::optional<std::wstring> UnitPriceText(std::wstring_view priceText, std::wstring_view quantityText,
                                          bool groupDigits, const NumberGrouping& grouping) {
    const double price = ReadTypedNumber(priceText.substr(0, kPriceFieldReadChars), grouping);
    const double quantity = ReadTypedNumber(quantityText.substr(0, kPriceFieldReadChars), grouping);
    if (!(quantity > 0.0)) return std::nullopt;
    const double unit = UnitPrice(price, quantity);
    // A price or quantity beyond the double range shows as every result does.
    if (!std::isfinite(unit)) return std::wstring(kNotFiniteText);
    std::wstring text = FixedText(unit, 2);
    if (!groupDigits) return text;
    std::wstring grouped = grouping.Group(text, 2);
    return grouped.empty() ? text : grouped;
}

}  // namespace tv
