// Process-wide state of the running program.
#pragma once

#include "settings/app_settings.h"

namespace tv {

// The one settings record, kept in the current user's registry.
SettingsHome& Settings();

}  // namespace tv
