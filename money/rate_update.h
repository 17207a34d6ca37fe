// Where the rate update fetches from, and how its result replaces the user's
// rate file without ever leaving it half written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "money/rates_url.h"

namespace tv {

// RatesUrl (REG_SZ) under the Money key when set and not empty, else the
// default source; nothing when the configured address is refused.
std::optional<RatesUrl> RatesSource();

// The temporary file the update writes beside `rateFile`: CurRates.tmp.
std::wstring TemporaryRateFile(const std::wstring& rateFile);

// Writes `text` as the temporary file, flushes it and moves it over
// `rateFile` in one step. False on any failure, with `rateFile` exactly as it
// was and no temporary file left.
bool ReplaceRateFile(const std::wstring& rateFile, std::string_view text);

}  // namespace tv
