// The unit price of one product for the price comparison: price divided by
// quantity, shown with two decimals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numfmt/number_text.h"

namespace tv {

// Added to every unit price so that one lying halfway between two cents,
// such as 0.125, shows rounded up.
inline constexpr double kUnitPriceBias = 0.0000000001;

// Characters of a price or quantity field that are read.
inline constexpr size_t kPriceFieldReadChars = 15;

// price / quantity + kUnitPriceBias.
double UnitPrice(double price, double quantity);

// The unit price text from the two field texts: exactly two decimals,
// grouped in the locale's way when groupDigits is set. Nothing when the
// quantity is not above 0: the result field keeps what it showed.
std::optional<std::wstring> UnitPriceText(std::wstring_view priceText, std::wstring_view quantityText,
                                          bool groupDigits, const NumberGrouping& grouping);

}  // namespace tv
